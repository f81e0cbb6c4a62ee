#include "platform/qtfiledialogs.h"

#include <QFileDialog>

QString QtFileDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString QtFileDialogs::openFileName(QWidget *parent, const QString &title, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, suggested, filter);
}
