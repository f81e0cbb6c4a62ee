#include "common/savefile.h"

#include <QSaveFile>

bool saveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A small file only reaches Qt's buffer here, and commit() renames even when writing that
    // buffer out fails (a full disk), so it is written out and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
