#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` by `bytes` as a whole: a crash, a full disk or a folder that takes
// no new file leaves the old file as it was. False when the new content could not be put in place;
// then `cause`, if given, has QSaveFile's words for why, which are also logged under
// "quillon.save".
bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *cause = nullptr);
