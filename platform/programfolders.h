#pragma once

#include "platform/autostart.h"

#include <QString>

// Where the program finds the files it is delivered with (sounds, skin) and where it keeps the
// user's files (wlnum.ini, the export). A portable copy, the build tree among them, keeps
// everything beside itself while it may write there. An installed copy (its delivered files in
// <prefix>/share/quillon) never writes beside itself: the user's files go to the user's data
// folder, which takes over a wlnum.ini found beside the program.
class ProgramFolders {
public:
    // Everything in one folder.
    explicit ProgramFolders(const QString &folder);
    // `earlierHistory`: a wlnum.ini beside the program, read while the data folder has none.
    ProgramFolders(QString deliveredFolder, QString dataFolder, QString earlierHistory = QString());
    // For a program in `programFolder`; `userDataFolder` is made only when it is chosen.
    static ProgramFolders decide(const QString &programFolder, const QString &userDataFolder);

    QString deliveredFile(const QString &fileName) const;
    QString dataFile(const QString &fileName) const;
    QString historyFile() const; // wlnum.ini in the data folder, where it is written
    const QString &dataFolder() const { return m_data; }
    // The installed program (its delivered files in <prefix>/share/quillon), not a portable copy.
    bool isInstalled() const { return m_installed; }
    // The entry that starts this program at login: in the user's autostart folder for a decided
    // copy, in "autostart" of the folder for a folder of its own (as tests have).
    Autostart autostart() const { return Autostart(m_autostartFolder, m_program, m_installed); }
    // The wlnum.ini beside the program when the user's files live elsewhere; else empty.
    const QString &earlierHistoryFile() const { return m_earlierHistory; }

private:
    QString m_delivered;
    QString m_data;
    QString m_earlierHistory;
    bool m_installed = false;
    QString m_autostartFolder;
    QString m_program;
};
