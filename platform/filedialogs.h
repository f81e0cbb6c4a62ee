#pragma once

#include <QString>

class QWidget;

// Asks the user which file to write or to read; an empty path when they cancel.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `suggested`: the path offered, or the folder shown first; `filter`: as QFileDialog takes it
    // ("CSV 文件 (*.csv)").
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
};
