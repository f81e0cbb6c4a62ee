#include "platform/qtskin.h"

#include "platform/skinstyle.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QPalette>
#include <algorithm>

void QtSkin::attach(const QString &path, const QString &)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readLine().trimmed() != SkinStyle::fileMark)
        return; // no skin, or another one: the platform's own look
    QApplication::setStyle(new SkinStyle);
}

void QtSkin::adjustHsv(int hue, int saturation, int brightness)
{
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            const QColor colour = palette.color(g, r);
            int h = 0, s = 0, v = 0, a = 0;
            colour.getHsv(&h, &s, &v, &a);
            if (h >= 0) // greys have no hue to shift
                h = ((h + hue) % 360 + 360) % 360;
            s = std::clamp(s + saturation, 0, 255);
            v = std::clamp(v + brightness, 0, 255);
            palette.setColor(g, r, QColor::fromHsv(h, s, v, a));
        }
    }
    QApplication::setPalette(palette);
}
