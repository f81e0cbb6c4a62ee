#include "history/historystore.h"

#include "tracking/answerdecoder.h"
#include "tracking/catalogue.h"

#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>

namespace {

// Where an entry's number ends: at the last bar that a company of the catalogue follows (a typed
// number or the name 共速达物流|快递 may hold bars of their own), else at the first bar; -1 without one.
qsizetype numberEnd(QStringView entry)
{
    for (qsizetype bar = entry.lastIndexOf(u'|'); bar >= 0; bar = bar > 0 ? entry.lastIndexOf(u'|', bar - 1) : -1) {
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

} // namespace

HistoryStore::HistoryStore(QString filePath, QString earlierFile, QByteArray encoding)
    : m_path(std::move(filePath)), m_earlier(std::move(earlierFile)), m_encoding(std::move(encoding))
{
}

const QStringList &HistoryStore::load()
{
    return loadFrom(!QFile::exists(m_path) && !m_earlier.isEmpty() ? m_earlier : m_path);
}

const QStringList &HistoryStore::loadFrom(const QString &path)
{
    QFile file(path);
    m_entries = file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : QStringList();
    return m_entries;
}

QString HistoryStore::entryNumber(const QString &entry)
{
    return numberOf(entry).toString();
}

HistoryStore::EntryParts HistoryStore::pickedEntry(const QString &entry)
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

bool HistoryStore::containsNumber(const QString &number) const
{
    for (const QString &entry : m_entries) {
        if (numberOf(entry) == number)
            return true;
    }
    return false;
}

HistoryStore::AddResult HistoryStore::add(const QString &typedNumber, const QString &company)
{
    const QString number = recordedNumber(typedNumber);
    if (number.isEmpty())
        return AddResult::Empty;
    if (containsNumber(number))
        return AddResult::Duplicate;
    m_entries.append(number + u'|' + company);
    return save() ? AddResult::Added : AddResult::SaveFailed;
}

int HistoryStore::removeNumber(const QString &number)
{
    // An empty number (a box of line breaks only) is no number: blank lines and entries that
    // begin with a bar stay.
    if (number.isEmpty())
        return 0;
    return int(m_entries.removeIf([&number](const QString &entry) { return numberOf(entry) == number; }));
}

bool HistoryStore::clear()
{
    m_entries.clear();
    // While the earlier file exists, a missing file here means "carry it over" at the next start,
    // so the cleared history stays as an empty file instead.
    if (!m_earlier.isEmpty() && QFile::exists(m_earlier))
        return save();
    QFile file(m_path);
    return !file.exists() || file.remove();
}

bool HistoryStore::save() const
{
    // QSaveFile leaves the old file whole when anything goes wrong before the rename.
    const std::optional<QByteArray> bytes = serialize(m_entries, m_encoding);
    if (!bytes)
        return false; // without its encoder an empty file would replace the whole history
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A small file only reaches Qt's buffer here, and commit() renames even when writing that
    // buffer out fails (a full disk), so it is written out and checked first.
    if (file.write(*bytes) != bytes->size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> HistoryStore::serialize(const QStringList &entries, const QByteArray &encoding)
{
    QString text;
    qsizetype length = 0;
    for (const QString &entry : entries)
        length += entry.size() + 2;
    text.reserve(length);
    for (const QString &entry : entries) {
        text.append(entry);
        text.append(u"\r\n");
    }
    QStringEncoder encoder(encoding.constData(), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    return QByteArray(encoder(text));
}

QStringList HistoryStore::parse(const QByteArray &bytes)
{
    const QString text = AnswerDecoder::decodeGb18030(bytes);
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
