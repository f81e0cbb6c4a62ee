#pragma once

#include "common/gbtextencoder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The program's text files (wlnum.ini, the export) are GB18030: the same bytes as GBK for every
// GBK character, and room for any other, so nothing typed is lost.
namespace GbText {

// Every byte that forms no character, a cut-off last one included, becomes U+FFFD.
QString decode(const QByteArray &bytes);

// The one rule for text that does not say how it is written, a server's answer or a file: UTF-8
// when its bytes are valid UTF-8, otherwise GBK, read as GB18030, which holds it.
enum class Guess { Utf8, Gbk };
Guess guess(QByteArrayView bytes);
QString decodeGuessed(const QByteArray &bytes); // as guess() says

// None when the encoder cannot be had: then nothing may be written, as an empty file would
// replace the whole content.
std::optional<QByteArray> encode(QStringView text);

} // namespace GbText
