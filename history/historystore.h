#pragma once

#include <QString>
#include <QStringList>

// The history of queried numbers and its copy on disk, `wlnum.ini`: one entry a line,
// number "|" company, GB18030, CR LF after every line, replaced whole through QSaveFile.
class HistoryStore {
public:
    explicit HistoryStore(QString filePath);

    const QString &filePath() const { return m_path; }
    const QStringList &entries() const { return m_entries; }

    // `dq`: reads the file; a missing or unreadable file gives an empty history.
    // Accepts CR LF, LF and a last line without its line end. Returns the loaded entries.
    const QStringList &load();
    // The same from another file, as a copy left where an earlier version kept it; saves still go
    // to filePath().
    const QStringList &loadFrom(const QString &path);

    // The number of an entry: the text before its first "|", or the whole entry without one.
    static QString entryNumber(const QString &entry);
    // The number as it is recorded: CR and LF removed.
    static QString recordedNumber(const QString &typed);
    // Whether some entry's number equals `number`.
    bool containsNumber(const QString &number) const;

    enum class AddResult { Added, Duplicate, Empty, SaveFailed };
    // `xr`: appends number "|" company unless an entry has that number, then writes the file.
    // On SaveFailed the entry stays in the history.
    AddResult add(const QString &typedNumber, const QString &company);

    // Removes every entry whose number equals `number`; returns how many went.
    int removeNumber(const QString &number);
    // Empties the history (the file is left to the caller).
    void clear();

    // Writes the whole history to the file; false when the file could not be replaced.
    bool save() const;

    // The exact bytes save() writes.
    static QByteArray serialize(const QStringList &entries);
    static QStringList parse(const QByteArray &bytes);

private:
    QString m_path;
    QStringList m_entries;
};
