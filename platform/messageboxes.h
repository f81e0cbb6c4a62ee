#pragma once

#include <QString>

class QWidget;

enum class BoxIcon { Information, Exclamation };

enum BoxButton : int { NoButton = 0, Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };

struct BoxRequest {
    QString title;
    QString text; // shown as plain text, never as markup
    BoxIcon icon = BoxIcon::Information;
    int buttons = BoxButton::Ok; // an OR of BoxButton values
    BoxButton defaultButton = BoxButton::NoButton;
    QWidget *window = nullptr; // the window that asks: the box is its child, over it
};

// Message box service: shows a modal box and returns the button that closed it.
// A box closed by its close button or Escape answers Cancel when it has one, else No, else Ok.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual BoxButton show(const BoxRequest &request) = 0;
};
