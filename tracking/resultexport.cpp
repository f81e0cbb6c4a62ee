#include "tracking/resultexport.h"

#include "app/textrules.h"

#include <QAbstractItemModel>
#include <QSaveFile>
#include <QStringEncoder>

namespace {
constexpr int numberWidth = 8;
const QString separator = QStringLiteral("   ");

} // namespace

qsizetype ResultExport::gbkLength(const QString &text)
{
    QStringEncoder encoder("GB18030", QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return bytes.size();
}

QString ResultExport::SetStringFixedLength(const QString &text, int width)
{
    const QString trimmed = trimBlanks(text);
    const qsizetype length = gbkLength(trimmed);
    if (length < 1 || width < 1 || width - length < 1)
        return trimmed;
    return trimmed + QString(width - length, u' ');
}

std::optional<QByteArray> ResultExport::exportBytes(const QAbstractItemModel &list, const char *encoding)
{
    QString text;
    const int rows = list.rowCount();
    const int columns = list.columnCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QString cell = list.index(row, column).data().toString();
            text += column == 0 ? SetStringFixedLength(cell, numberWidth) : cell;
            if (column + 1 < columns)
                text += separator;
        }
        text += QLatin1String("\r\n");
    }
    QStringEncoder encoder(encoding, QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    return QByteArray(encoder.encode(text));
}

ResultExport::Outcome ResultExport::ExportListViewContent(const QAbstractItemModel &list,
                                                          const QString &filePath, const char *encoding)
{
    if (list.rowCount() == 0)
        return Outcome::Empty;
    const std::optional<QByteArray> bytes = exportBytes(list, encoding);
    if (!bytes)
        return Outcome::Failed; // an empty file is no export
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::Failed;
    // A small file only reaches Qt's buffer here, and commit() renames even when writing that
    // buffer out fails (a full disk), so it is written out and checked first.
    if (file.write(*bytes) != bytes->size() || !file.flush()) {
        file.cancelWriting();
        return Outcome::Failed;
    }
    return file.commit() ? Outcome::Written : Outcome::Failed;
}
