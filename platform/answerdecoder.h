#pragma once

#include <QByteArray>
#include <QString>

// Turns an answer's bytes into text: by the charset the server declares in its Content-Type,
// else strict UTF-8 when the bytes are valid UTF-8, else GB18030 (bytes that fit neither
// become the replacement character).
class AnswerDecoder {
public:
    static QString decode(const QByteArray &body, const QByteArray &contentType);
    static QByteArray declaredCharset(const QByteArray &contentType); // lower-case, empty when none
};
