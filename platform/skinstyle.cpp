#include "platform/skinstyle.h"

#include "common/statusbar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleOption>
#include <QTreeView>

namespace {

constexpr qreal cornerRadius = 3;

QColor active(const QPalette &palette, QPalette::ColorRole role)
{
    return palette.color(QPalette::Active, role);
}

bool isPushButton(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) != nullptr;
}

bool isInComboBox(const QWidget *widget)
{
    for (const QWidget *up = widget ? widget->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up))
            return true;
    }
    return false;
}

// A drop-down list's popup: a window of its own whose parent is the list.
bool isComboPopup(const QWidget *widget)
{
    return widget && widget->isWindow() && qobject_cast<const QComboBox *>(widget->parentWidget());
}

// The list in a drop-down list's popup.
bool isPopupList(const QWidget *widget)
{
    return qobject_cast<const QAbstractItemView *>(widget) && isInComboBox(widget);
}

// The lists with the dark frame line: the result lists and the drop-down lists' popups.
bool isFramedList(const QWidget *widget)
{
    return qobject_cast<const QTreeView *>(widget) || isPopupList(widget);
}

bool isStatusPanel(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) && qobject_cast<const StatusBar *>(widget->parentWidget());
}

// The same colour for a role in every group: the active one.
void settle(QPalette &palette, QPalette::ColorRole role)
{
    const QColor colour = palette.color(QPalette::Active, role);
    for (const auto group : {QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}

// The panel's outline through its frame line's middles, clockwise from the top edge's left end.
QPainterPath panelOutline(const QRectF &r)
{
    const qreal x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const qreal c = cornerRadius, d = 2 * c - 1;
    QPainterPath outline;
    outline.moveTo(x + c, y + 0.5);
    outline.lineTo(x + w - c, y + 0.5);
    outline.arcTo(x + w - 0.5 - d, y + 0.5, d, d, 90, -90);
    outline.lineTo(x + w - 0.5, y + h - c);
    outline.arcTo(x + w - 0.5 - d, y + h - 0.5 - d, d, d, 0, -90);
    outline.lineTo(x + c, y + h - 0.5);
    outline.arcTo(x + 0.5, y + h - 0.5 - d, d, d, 270, -90);
    outline.lineTo(x + 0.5, y + c);
    outline.arcTo(x + 0.5, y + 0.5, d, d, 180, -90);
    outline.closeSubpath();
    return outline;
}

// The frame line: four 1px edges between the corners, and each corner two antialiased eighths of a
// circle through the line's middle, one for each edge that meets there.
void drawPanelLine(QPainter *painter, const QRectF &r, const QColor &line)
{
    const qreal x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const qreal c = cornerRadius, d = 2 * c - 1;
    const QRectF topLeft(x + 0.5, y + 0.5, d, d), topRight(x + w - 0.5 - d, y + 0.5, d, d);
    const QRectF bottomLeft(x + 0.5, y + h - 0.5 - d, d, d),
        bottomRight(x + w - 0.5 - d, y + h - 0.5 - d, d, d);
    constexpr int eighth = 45 * 16;
    const QPen arcPen(line, 1, Qt::SolidLine, Qt::SquareCap);
    const auto edge = [&](const QRectF &straight, const QRectF &first, int firstStart, int firstSpan,
                          const QRectF &second, int secondStart, int secondSpan) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(line);
        painter->drawRect(straight);
        painter->setPen(arcPen);
        painter->setBrush(Qt::NoBrush);
        painter->drawArc(first, firstStart, firstSpan);
        painter->drawArc(second, secondStart, secondSpan);
    };
    // bottom, right, left, top: where two edges meet, the later one's pixels show
    edge(QRectF(x + c, y + h - 1, w - 2 * c, 1), bottomLeft, -2 * eighth, -eighth, bottomRight, -2 * eighth,
         eighth);
    edge(QRectF(x + w - 1, y + c, 1, h - 2 * c), topRight, eighth, -eighth, bottomRight, 7 * eighth, eighth);
    edge(QRectF(x, y + c, 1, h - 2 * c), topLeft, 3 * eighth, eighth, bottomLeft, 4 * eighth, eighth);
    edge(QRectF(x + c, y, w - 2 * c, 1), topLeft, 3 * eighth, -eighth, topRight, eighth, eighth);
}

// The panel is filled up to the middle of its frame line, under a gradient between the line's
// middles, and the line drawn over it.
void drawButtonPanel(const QStyleOption *option, QPainter *painter)
{
    const QPalette &palette = option->palette;
    const bool enabled = option->state & QStyle::State_Enabled;
    const bool pressed = option->state & QStyle::State_Sunken;
    const bool lit = option->state & (QStyle::State_MouseOver | QStyle::State_HasFocus);
    const QRectF r(option->rect);

    QBrush fill = active(palette, QPalette::Button);
    if (enabled) {
        QLinearGradient gradient(r.x(), r.y() + 0.5, r.x(), r.y() + r.height() - 0.5);
        gradient.setColorAt(0, active(palette, pressed ? QPalette::Mid : QPalette::Light));
        gradient.setColorAt(1, active(palette, QPalette::Button));
        fill = gradient;
    }
    const QColor line = active(palette, !enabled ? QPalette::Mid
                                        : lit    ? QPalette::Highlight
                                                 : QPalette::Dark);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipPath(panelOutline(r), Qt::IntersectClip);
    painter->fillRect(r, fill);
    painter->restore();

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    drawPanelLine(painter, r, line);
    painter->restore();
}

// A 1px frame of one colour per edge, drawn bottom, right, left, top.
void drawLineFrame(QPainter *painter, const QRect &rect, const QColor &top, const QColor &left,
                   const QColor &bottom, const QColor &right)
{
    painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottom);
    painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), right);
    painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), left);
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), top);
}

} // namespace

void SkinStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    const bool framedList = isFramedList(widget);
    if (!framedList && !qobject_cast<QComboBox *>(widget))
        return;
    QPalette palette = widget->palette();
    settle(palette, QPalette::Highlight);
    settle(palette, QPalette::HighlightedText);
    if (qobject_cast<QTreeView *>(widget))
        settle(palette, QPalette::Base);
    widget->setPalette(palette);
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returned) const
{
    if (hint == SH_ComboBox_PopupFrameStyle)
        return QFrame::NoFrame; // the popup's list carries the frame
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    if (element == PE_PanelButtonCommand && isPushButton(widget)) {
        drawButtonPanel(option, painter);
        return;
    }
    if (element == PE_FrameDefaultButton && isPushButton(widget))
        return; // the default button has the same frame line as the others, whatever the platform
    if (element == PE_PanelMenu && isComboPopup(widget)) {
        // the list draws the frame line itself, not round the scroll arrows above and below it
        painter->fillRect(option->rect, active(option->palette, QPalette::Window));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    if (element == CE_PushButtonLabel && isPushButton(widget) && !(option->state & State_Enabled)) {
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
            QStyleOptionButton grey(*button);
            grey.palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                                  active(button->palette, QPalette::Mid));
            QProxyStyle::drawControl(element, &grey, painter, widget);
            return;
        }
    }
    if (element == CE_PushButton && isPushButton(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Reached by the keyboard: the platform's focus mark inside the frame line, over the text.
        if ((option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*option);
            focus.rect = option->rect.adjusted(1, 1, -1, -1);
            baseStyle()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
        return;
    }
    if (element == CE_ShapedFrame && isFramedList(widget)) {
        const QColor dark = active(option->palette, QPalette::Dark);
        drawLineFrame(painter, option->rect, dark, dark, dark, dark);
        return;
    }
    if (element == CE_ShapedFrame && isStatusPanel(widget)) {
        const QColor dark = active(option->palette, QPalette::Dark),
                     light = active(option->palette, QPalette::Light);
        drawLineFrame(painter, option->rect, dark, dark, light, light);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QRect SkinStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    // A popup's list holds its frame line itself, whatever its frame shape, since the popup has none.
    if (element == SE_ShapedFrameContents && isPopupList(widget))
        return option->rect.adjusted(1, 1, -1, -1);
    return QProxyStyle::subElementRect(element, option, widget);
}
