// Writes a history or a result export of a chosen size through the program's own saving code,
// so a test can limit, block or kill the write from outside and look at what is left on disk.
//   quillon_test_filewriter history|export <path> <count> <tag> [--loop] [--limit=<bytes>]
// Prints "saving" once everything is built, just before the first save. --loop saves again and
// again until killed; --limit caps the size of any file the save writes (write() then fails
// with EFBIG). Exit 0 when the save succeeded, 1 when it reported failure, 2 on a setup error.
#include "history/historystore.h"
#include "tracking/resultexport.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {
// Result rows of number, company and state; the tag is in the number and in the state.
class Rows : public QAbstractTableModel {
public:
    Rows(int count, QString tag) : m_count(count), m_tag(std::move(tag)) {}
    int rowCount(const QModelIndex & = QModelIndex()) const override { return m_count; }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return 3; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (index.column() == 0)
            return m_tag + QString::number(100000000 + index.row());
        if (index.column() == 1)
            return QStringLiteral("中通快递");
        return QStringLiteral("已签收 %1 第%2件 ").arg(m_tag).arg(index.row()) + m_route;
    }

private:
    int m_count;
    QString m_tag;
    // Long state text, as real results carry, so most of the export's time goes to the file.
    QString m_route = QStringLiteral("快件已从【上海转运中心】发出，下一站【北京转运中心】；").repeated(4);
};

// A store takes many entries only from its own file (add() rewrites the file every time), so the
// entries go through a scratch file of the same name, loaded with the scratch folder as the
// working folder; the store then saves to the target once the working folder is the target's.
bool buildHistory(HistoryStore &store, int count, const QString &tag, const QFileInfo &target)
{
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(tag + QString::number(100000000 + i) + u'|' + QStringLiteral("顺丰快递") + tag);
    QTemporaryDir scratch;
    QFile file(scratch.filePath(target.fileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(HistoryStore::serialize(entries).value()) < 0 || !file.flush())
        return false;
    file.close();
    const bool loaded = QDir::setCurrent(scratch.path()) && store.load() == entries;
    return QDir::setCurrent(target.absolutePath()) && loaded;
}

bool limitFileSize(const QString &text)
{
    bool ok = false;
    const rlim_t bytes = text.toULongLong(&ok);
    const rlimit limit{bytes, bytes};
    // Ignored, so an oversized write() fails with EFBIG instead of killing the process.
    return ok && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args;
    bool loop = false;
    QString limit;
    for (const QString &arg : app.arguments()) {
        if (arg == QLatin1String("--loop"))
            loop = true;
        else if (arg.startsWith(QLatin1String("--limit=")))
            limit = arg.sliced(8);
        else
            args.append(arg);
    }
    bool countOk = false;
    const int count = args.value(3).toInt(&countOk);
    const QString kind = args.value(1);
    if (args.size() != 5 || !countOk || (kind != QLatin1String("history") && kind != QLatin1String("export")))
        return 2;
    const QFileInfo target(args.at(2));
    const QString tag = args.at(4);

    HistoryStore store(target.fileName());
    const Rows rows(count, tag);
    if (kind == QLatin1String("history") && !buildHistory(store, count, tag, target))
        return 2;
    if (!limit.isEmpty() && !limitFileSize(limit))
        return 2;

    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    do {
        const bool saved = kind == QLatin1String("history")
                               ? store.save()
                               : ResultExport::ExportListViewContent(rows, target.absoluteFilePath()) ==
                                     ResultExport::Outcome::Written;
        if (!saved)
            return 1;
    } while (loop);
    return 0;
}
