#include "common/savefile.h"

#include <QLoggingCategory>
#include <QSaveFile>

namespace {
Q_LOGGING_CATEGORY(saveLog, "quillon.save", QtInfoMsg)

bool failed(const QSaveFile &file, QString *cause)
{
    qCWarning(saveLog).noquote() << file.fileName() << "not replaced:" << file.errorString();
    if (cause)
        *cause = file.errorString();
    return false;
}
} // namespace

bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *cause)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file, cause);
    // A small file only reaches Qt's buffer here, and commit() renames even when writing that
    // buffer out fails (a full disk), so it is written out and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        failed(file, cause);
        file.cancelWriting();
        return false;
    }
    return file.commit() || failed(file, cause);
}
