#include "platform/qtshell.h"

#include <QDesktopServices>

void QtShell::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
