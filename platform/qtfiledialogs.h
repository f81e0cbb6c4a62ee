#pragma once

#include "platform/filedialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
};
