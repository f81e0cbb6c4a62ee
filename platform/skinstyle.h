#pragma once

#include <QByteArrayView>
#include <QProxyStyle>

// The program's skin, drawn over the platform's style:
// - push buttons: a 1px frame line with 3px corners round a gradient from the light to the button
//   colour; the line in the highlight colour under the mouse or with the focus, the gradient from
//   the mid colour while pressed; flat, with grey text and line, while disabled. A button asks for
//   the platform style's size, its margins round the text included, so that a layout keeps the
//   text off the line.
// - the result lists and the drop-down lists' popups: a dark 1px frame line; the base colour behind
//   the rows and the highlight colour for selected rows stay as they are in the active window, in
//   every state, disabled or inactive too.
// - the status line's panels: sunken, dark above and left, light below and right.
// It paints with the palette's active colours, so shifting the application palette's hue, before
// the windows are made, recolours it.
class SkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The first line of a skin file that asks for this skin.
    static constexpr QByteArrayView fileMark = "Quillon V3 skin";

    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returned = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
};
