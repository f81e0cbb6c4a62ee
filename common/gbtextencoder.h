#pragma once

#include <QStringEncoder>

namespace GbText {

inline constexpr const char *encoding = "GB18030";

// The encoder that encode() uses, defined in a file of its own: a test program links its own
// definition in place of the program's to see what happens when the encoder cannot be had.
QStringEncoder newEncoder();

} // namespace GbText
