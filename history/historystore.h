#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The history of queried numbers and its copy on disk, `wlnum.ini`: one entry a line,
// number "|" company, GB18030, CR LF after every line, replaced whole through QSaveFile.
class HistoryStore {
public:
    // `earlierFile`: a wlnum.ini that an earlier copy kept elsewhere, read while `filePath` is missing.
    explicit HistoryStore(QString filePath, QString earlierFile = QString(), QByteArray encoding = "GB18030");

    const QString &filePath() const { return m_path; }
    const QStringList &entries() const { return m_entries; }

    // `dq`: reads the file; a missing or unreadable file gives an empty history.
    // Accepts CR LF, LF and a last line without its line end. Returns the loaded entries.
    const QStringList &load();

    // The number of an entry: the text before the last "|" that a company name of the catalogue
    // follows, else before its first "|", or the whole entry without one.
    static QString entryNumber(const QString &entry);
    // A picked entry split where its number ends; without a "|" the number is empty and the
    // whole entry is taken as the company.
    struct EntryParts {
        QString number;
        QString company;
    };
    static EntryParts pickedEntry(const QString &entry);
    // The number as it is recorded: CR and LF removed.
    static QString recordedNumber(const QString &typed);
    // Whether some entry's number equals `number`.
    bool containsNumber(const QString &number) const;

    enum class AddResult { Added, Duplicate, Empty, SaveFailed };
    // `xr`: appends number "|" company unless an entry has that number, then writes the file.
    // On SaveFailed the entry stays in the history.
    AddResult add(const QString &typedNumber, const QString &company);

    // Removes every entry whose number equals `number` (an empty number matches none); returns how many went.
    int removeNumber(const QString &number);
    // Empties the history and removes the file, or leaves it empty while the earlier file exists
    // (else that would come back at the next start); false when that failed.
    bool clear();

    // Writes the whole history to the file; false when the file could not be replaced.
    bool save() const;

    // The exact bytes save() writes; none when the encoding is not available.
    static std::optional<QByteArray> serialize(const QStringList &entries, const QByteArray &encoding = "GB18030");
    static QStringList parse(const QByteArray &bytes);

private:
    const QStringList &loadFrom(const QString &path);

    QString m_path;
    QString m_earlier;
    QByteArray m_encoding;
    QStringList m_entries;
};
