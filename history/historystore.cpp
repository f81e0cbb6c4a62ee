#include "history/historystore.h"

#include "tracking/answerdecoder.h"

#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>

namespace {

QStringView numberOf(QStringView entry)
{
    const qsizetype bar = entry.indexOf(u'|');
    return bar < 0 ? entry : entry.first(bar);
}

} // namespace

HistoryStore::HistoryStore(QString filePath) : m_path(std::move(filePath)) {}

const QStringList &HistoryStore::load()
{
    return loadFrom(m_path);
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
    return int(m_entries.removeIf([&number](const QString &entry) { return numberOf(entry) == number; }));
}

void HistoryStore::clear()
{
    m_entries.clear();
}

bool HistoryStore::save() const
{
    // QSaveFile leaves the old file whole when anything goes wrong before the rename.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = serialize(m_entries);
    // A small file only reaches Qt's buffer here, and commit() renames even when writing that
    // buffer out fails (a full disk), so it is written out and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray HistoryStore::serialize(const QStringList &entries)
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
    QStringEncoder encoder("GB18030", QStringEncoder::Flag::Stateless);
    return encoder(text);
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
