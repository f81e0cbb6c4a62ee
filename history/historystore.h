#pragma once

#include "history/parcelkey.h"

#include <QString>
#include <QStringList>
#include <optional>

// The history of queried numbers and its copy on disk, `wlnum.ini`: one entry a line, number "|"
// company, GB18030, CR LF after every line, replaced whole.
class HistoryStore {
public:
    // `earlierFile`: a wlnum.ini kept elsewhere by an earlier copy, read while `filePath` is missing.
    explicit HistoryStore(QString filePath, QString earlierFile = QString());

    const QStringList &entries() const { return m_entries; }
    // Reads the file; a missing file gives an empty history. Accepts CR LF, LF, a lone CR and a
    // last line without its line end. A file that exists but cannot be read whole (no permission,
    // an I/O error, a folder in its place) gives an empty history too, and is never written in
    // this run: each write replaces the whole file, and would lose the numbers it holds.
    const QStringList &load();
    bool unreadable() const { return m_unreadable; }

    // The number of an entry: the text before the last "|" that a company of the catalogue
    // follows (a typed number and the name 共速达物流|快递 may hold bars of their own), else before
    // its first "|", or the whole entry without one.
    static QString entryNumber(const QString &entry);
    // An entry split where its number ends; without a "|" the number is empty and the whole entry
    // is taken as the company.
    static ParcelKey keyOf(const QString &entry);
    // The number as it is recorded: CR and LF removed.
    static QString recordedNumber(const QString &typed);

    enum class AddResult { Added, Duplicate, Empty, SaveFailed };
    // Appends number "|" company unless an entry has that number, then writes the file.
    // On SaveFailed the entry stays in the history.
    AddResult add(const QString &typedNumber, const QString &company);
    // The same for many, in their order, with one write: Added when any was. On SaveFailed none
    // stays: what they come from (an import) happens whole or not at all.
    AddResult addAll(const QList<ParcelKey> &parcels);
    // Removes every entry whose number is `number`, then writes the file even when none went; an
    // empty number has none and writes nothing. False when the file could not be replaced: the
    // entries are gone all the same.
    bool removeNumber(const QString &number);
    // Empties the history and removes the file, or leaves it empty while the earlier file exists
    // (that would come back at the next start); false when that failed.
    bool clear();

private:
    // Writes the whole history to the file; false when the file could not be replaced.
    bool save();

    QString m_path;
    QString m_earlier;
    QStringList m_entries;
    bool m_unreadable = false;
    // The file's bytes for m_entries, one line each, kept from one write to the next so that a
    // change encodes only the line it adds: an add or a delete in a long history costs little more
    // than the write. None until the first write after a load encodes every entry.
    std::optional<QByteArray> m_fileBytes;
};
