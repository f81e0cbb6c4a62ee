#include "history/historystore.h"

#include "common/savefile.h"
#include "tracking/catalogue.h"

#include <QFile>

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

HistoryStore::HistoryStore(QString filePath, QString earlierFile, const char *encoding)
    : m_path(std::move(filePath)), m_earlier(std::move(earlierFile)), m_encoding(encoding)
{
}

const QStringList &HistoryStore::load()
{
    QFile file(!QFile::exists(m_path) && !m_earlier.isEmpty() ? m_earlier : m_path);
    m_entries = file.open(QIODevice::ReadOnly) ? parse(GbText::decode(file.readAll())) : QStringList();
    return m_entries;
}

QString HistoryStore::entryNumber(const QString &entry)
{
    return numberOf(entry).toString();
}

HistoryStore::Picked HistoryStore::pick(const QString &entry)
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
        if (numberOf(entry) == number)
            return AddResult::Duplicate;
    }
    m_entries.append(number + u'|' + company);
    return save() ? AddResult::Added : AddResult::SaveFailed;
}

int HistoryStore::removeNumber(const QString &number)
{
    if (number.isEmpty())
        return 0;
    return int(m_entries.removeIf([&number](const QString &entry) { return numberOf(entry) == number; }));
}

bool HistoryStore::clear()
{
    m_entries.clear();
    // While the earlier file exists, a missing file here means "carry it over" at the next start.
    if (!m_earlier.isEmpty() && QFile::exists(m_earlier))
        return save();
    QFile file(m_path);
    return !file.exists() || file.remove();
}

bool HistoryStore::save() const
{
    QString text;
    for (const QString &entry : m_entries)
        text += entry + QLatin1String("\r\n");
    const std::optional<QByteArray> bytes = GbText::encode(text, m_encoding);
    return bytes && saveWholeFile(m_path, *bytes);
}
