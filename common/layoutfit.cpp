#include "common/layoutfit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

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

void carryWhole(QLabel *caption, const QString &whole)
{
    if (caption->text() == whole)
        return;
    caption->setToolTip(whole);
    caption->setAccessibleName(whole);
}

namespace {
// The room a button leaves its text: its contents, less the icon's.
int textRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::SubElement contents = qobject_cast<const QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton *>(button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(contents, &option, button).width() -
           (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
}

int textRoom(const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}
} // namespace

QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    const auto measure = [&clipped](const QWidget *control, const QStringList &texts, int room) {
        for (const QString &text : texts)
            for (const QString &line : text.split(u'\n'))
                if (control->fontMetrics().horizontalAdvance(line) > room)
                    return clipped.append(control->objectName() + QStringLiteral(": ") + line);
    };
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(control); label && !label->text().isEmpty()) {
            if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->sizeHint().width() > label->width())
                clipped.append(label->objectName() + QStringLiteral(": ") + label->text());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            measure(button, {QString(button->text()).remove(u'&')}, textRoom(button));
        } else if (const auto *box = qobject_cast<const QGroupBox *>(control)) {
            measure(box, {box->title()}, box->width() - 16); // the frame's indent on both sides
        } else if (const auto *list = qobject_cast<const QComboBox *>(control); list && !list->isEditable()) {
            QStringList entries;
            for (int entry = 0; entry < list->count(); ++entry)
                entries.append(list->itemText(entry));
            measure(list, entries, textRoom(list));
        }
    }
    return clipped;
}
