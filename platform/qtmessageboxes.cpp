#include "platform/qtmessageboxes.h"

#include <QMessageBox>

namespace {
constexpr std::pair<BoxButton, QMessageBox::StandardButton> buttonMap[] = {
    {BoxButton::Ok, QMessageBox::Ok},
    {BoxButton::Yes, QMessageBox::Yes},
    {BoxButton::No, QMessageBox::No},
    {BoxButton::Cancel, QMessageBox::Cancel},
};
} // namespace

BoxButton QtMessageBoxes::show(const BoxRequest &request)
{
    QMessageBox::StandardButtons buttons;
    for (const auto &[ours, qt] : buttonMap) {
        if (request.buttons & ours)
            buttons |= qt;
    }
    const QMessageBox::Icon icon =
        request.icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
    // The asking window's, whichever window is active: a box of the main window must not belong to
    // the overview, to be shown over it and go with it.
    QMessageBox box(icon, request.title, request.text, buttons, request.window);
    // Texts may come from a server: never render them as markup.
    box.setTextFormat(Qt::PlainText);
    for (const auto &[ours, qt] : buttonMap) {
        if (request.defaultButton == ours)
            box.setDefaultButton(qt);
    }
    const int answer = box.exec();
    for (const auto &[ours, qt] : buttonMap) {
        if (answer == qt)
            return ours;
    }
    return BoxButton::Cancel;
}
