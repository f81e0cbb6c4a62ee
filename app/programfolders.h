#pragma once

#include <QString>

// Where the program finds the files it is delivered with (sounds, skin) and where it keeps the
// user's files (wlnum.ini, the export). A copy unpacked into a folder of its own keeps everything
// there; an installed copy cannot write beside itself, so the user's files go to the user's data
// folder and the delivered ones are read from <prefix>/share/quillon.
class ProgramFolders {
public:
    // Everything in one folder.
    explicit ProgramFolders(const QString &folder);
    // `earlierHistory`: the wlnum.ini an installed copy finds beside the program, read while the
    // data folder has none.
    ProgramFolders(QString deliveredFolder, QString dataFolder, QString earlierHistory = QString());

    // For a program in `programFolder`, with the user's data folder from QStandardPaths.
    static ProgramFolders decide(const QString &programFolder);
    // The same with the user's data folder given; it is made only when it is chosen.
    static ProgramFolders decide(const QString &programFolder, const QString &userDataFolder);

    // Whether a new file can be made in `folder`, tried by making and removing one.
    static bool acceptsNewFiles(const QString &folder);

    const QString &deliveredFolder() const { return m_delivered; }
    const QString &dataFolder() const { return m_data; }
    QString deliveredFile(const QString &fileName) const;
    QString dataFile(const QString &fileName) const;

    QString historyFile() const; // wlnum.ini in the data folder, where it is written
    // The wlnum.ini beside the program when the user's files live elsewhere; else empty.
    const QString &earlierHistoryFile() const { return m_earlierHistory; }

private:
    QString m_delivered;
    QString m_data;
    QString m_earlierHistory;
};
