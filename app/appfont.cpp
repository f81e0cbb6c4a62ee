#include "app/appfont.h"

#include <QApplication>

QFont applicationFont()
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void applyApplicationFont()
{
    QApplication::setFont(applicationFont());
}
