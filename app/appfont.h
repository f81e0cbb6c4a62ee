#pragma once

#include <QFont>

// The one CJK font the whole program uses, at 12 pixels.
QFont applicationFont();
void applyApplicationFont();
