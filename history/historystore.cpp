#include "history/historystore.h"

#include "common/gbtext.h"
#include "common/savefile.h"
#include "tracking/catalogue.h"

#include <QFile>
#include <QSet>

namespace {
// Where an entry's number ends: at the last bar that a company of the catalogue follows, else at
// the first bar; -1 without one.
qsizetype numberEnd(QStringView entry)
{
    for (qsizetype bar = entry.lastIndexOf(u'|'); bar >= 0;
         bar = bar > 0 ? entry.lastIndexOf(u'|', bar - 1) : -1) {
        if (Catalogue::isName(entry.sliced(bar + 1)))
            return bar;
    }
    return entry.indexOf(u'|');
}

QStringView numberOf(QStringView entry)
{
    const qsizetype end = numberEnd(entry);
    return end < 0 ? entry : entry.first(end);
}

// Whether `entry`'s number is `number`. An entry's number is where it begins, so the catalogue is
// asked only about the entries that begin with `number` and a bar or the end: a scan of a long
// history looks up no company for the others.
bool hasNumber(QStringView entry, QStringView number)
{
    return entry.startsWith(number) && (entry.size() == number.size() || entry.at(number.size()) == u'|') &&
           numberOf(entry).size() == number.size();
}

// `lines` without its lines at the ascending positions `gone`. In GB18030 a byte 0x0A is always a
// line feed: no character's encoding holds one.
QByteArray withoutLines(const QByteArray &lines, const QList<qsizetype> &gone)
{
    QByteArray kept;
    kept.reserve(lines.size());
    qsizetype line = 0, start = 0, keptFrom = 0;
    for (const qsizetype position : gone) {
        for (; line < position; ++line)
            start = lines.indexOf('\n', start) + 1;
        kept.append(QByteArrayView(lines).sliced(keptFrom, start - keptFrom));
        keptFrom = start = lines.indexOf('\n', start) + 1;
        ++line;
    }
    return kept.append(QByteArrayView(lines).sliced(keptFrom));
}

QStringList parse(const QString &text)
{
    QStringList entries;
    const QStringView view(text);
    qsizetype start = 0;
    for (qsizetype at = 0; at < view.size(); ++at) {
        const QChar c = view.at(at);
        if (c != u'\r' && c != u'\n')
            continue;
        entries.append(view.sliced(start, at - start).toString());
        if (c == u'\r' && at + 1 < view.size() && view.at(at + 1) == u'\n')
            ++at;
        start = at + 1;
    }
    // A last line without its line end still counts; the nothing after a final line end does not.
    if (start < view.size())
        entries.append(view.sliced(start).toString());
    return entries;
}
} // namespace

HistoryStore::HistoryStore(QString filePath, QString earlierFile)
    : m_path(std::move(filePath)), m_earlier(std::move(earlierFile))
{
}

const QStringList &HistoryStore::load()
{
    QFile file(!QFile::exists(m_path) && !m_earlier.isEmpty() ? m_earlier : m_path);
    const bool exists = file.exists();
    const QByteArray bytes = exists && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    m_unreadable = exists && (!file.isOpen() || file.error() != QFileDevice::NoError || !file.atEnd());
    m_entries = m_unreadable ? QStringList() : parse(GbText::decode(bytes));
    // Not the bytes just read: they may hold other line ends, or bytes that read as "�".
    m_fileBytes.reset();
    return m_entries;
}

QString HistoryStore::entryNumber(const QString &entry)
{
    return numberOf(entry).toString();
}

ParcelKey HistoryStore::keyOf(const QString &entry)
{
    const qsizetype end = numberEnd(entry);
    if (end < 0)
        return {QString(), entry};
    return {entry.first(end), entry.sliced(end + 1)};
}

QString HistoryStore::recordedNumber(const QString &typed)
{
    QString number = typed;
    number.remove(u'\r');
    number.remove(u'\n');
    return number;
}

HistoryStore::AddResult HistoryStore::add(const QString &typedNumber, const QString &company)
{
    const QString number = recordedNumber(typedNumber);
    if (number.isEmpty())
        return AddResult::Empty;
    for (const QString &entry : std::as_const(m_entries)) {
        if (hasNumber(entry, number))
            return AddResult::Duplicate;
    }
    m_entries.append(number + u'|' + company);
    if (m_fileBytes) {
        const std::optional<QByteArray> line = GbText::encode(m_entries.constLast() + QLatin1String("\r\n"));
        if (line)
            m_fileBytes->append(*line);
        else
            m_fileBytes.reset();
    }
    return save() ? AddResult::Added : AddResult::SaveFailed;
}

HistoryStore::AddResult HistoryStore::addAll(const QList<ParcelKey> &parcels)
{
    QSet<QString> numbers;
    for (const QString &entry : std::as_const(m_entries))
        numbers.insert(entryNumber(entry));
    QStringList added;
    for (const ParcelKey &parcel : parcels) {
        const QString number = recordedNumber(parcel.number);
        if (!number.isEmpty() && !numbers.contains(number)) {
            numbers.insert(number);
            added.append(number + u'|' + parcel.company);
        }
    }
    if (added.isEmpty())
        return AddResult::Duplicate;
    const qsizetype before = m_entries.size();
    const std::optional<QByteArray> bytesBefore = m_fileBytes;
    m_entries.append(added);
    if (m_fileBytes) {
        const std::optional<QByteArray> lines =
            GbText::encode(added.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
        if (lines)
            m_fileBytes->append(*lines);
        else
            m_fileBytes.reset();
    }
    if (save())
        return AddResult::Added;
    m_entries.resize(before); // all of them or none
    m_fileBytes = bytesBefore;
    return AddResult::SaveFailed;
}

bool HistoryStore::removeNumber(const QString &number)
{
    if (number.isEmpty())
        return true;
    QList<qsizetype> gone;
    qsizetype kept = 0;
    for (qsizetype at = 0; at < m_entries.size(); ++at) {
        if (hasNumber(m_entries.at(at), number)) {
            gone.append(at);
            continue;
        }
        if (kept != at) // moved up, once one has gone
            m_entries[kept] = std::move(m_entries[at]);
        ++kept;
    }
    m_entries.resize(kept);
    if (m_fileBytes)
        *m_fileBytes = withoutLines(*m_fileBytes, gone);
    // Rewritten in place of the old file, never after deleting it: a crash cannot lose the rest.
    return save();
}

bool HistoryStore::clear()
{
    m_entries.clear();
    m_fileBytes = QByteArray();
    if (m_unreadable)
        return false;
    // While the earlier file exists, a missing file here means "carry it over" at the next start.
    if (!m_earlier.isEmpty() && QFile::exists(m_earlier))
        return save();
    QFile file(m_path);
    return !file.exists() || file.remove();
}

bool HistoryStore::save()
{
    if (m_unreadable)
        return false;
    if (!m_fileBytes) {
        const QLatin1String lineEnd("\r\n");
        m_fileBytes = GbText::encode(m_entries.isEmpty() ? QString() : m_entries.join(lineEnd) + lineEnd);
    }
    return m_fileBytes && saveWholeFile(m_path, *m_fileBytes);
}
