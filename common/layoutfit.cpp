#include "common/layoutfit.h"

#include <QFontMetrics>
#include <QLabel>

void growLabelsToLineHeight(QWidget *root)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const int lineHeight = label->fontMetrics().height();
        QRect geometry = label->geometry();
        if (geometry.height() >= lineHeight)
            continue;
        const int centre2 = 2 * geometry.top() + geometry.height(); // twice the centre, to stay exact
        geometry.setTop((centre2 - lineHeight) / 2);
        geometry.setHeight(lineHeight);
        label->setGeometry(geometry);
    }
}
