#include "tracking/resultexport.h"

#include "common/gbtext.h"
#include "common/savefile.h"
#include "common/textrules.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {
constexpr int numberWidth = 8;
const QString separator = QStringLiteral("   ");
} // namespace

ResultExport::Told ResultExport::told(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Written:
        return {QCoreApplication::translate("ResultExport", "成功导出全部数据!"),
                QCoreApplication::translate("ResultExport", "成功导出全部数据..")};
    case Outcome::Empty:
        return {QCoreApplication::translate("ResultExport", "没有可导出的数据!"),
                QCoreApplication::translate("ResultExport", "没有可导出的数据..")};
    case Outcome::Failed:
        break;
    }
    return {QCoreApplication::translate("ResultExport", "数据导出失败!"),
            QCoreApplication::translate("ResultExport", "数据导出失败..")};
}

QString ResultExport::trimAndPadToBytes(const QString &text, int width)
{
    const QString trimmed = trimBlanks(text);
    const qsizetype length = GbText::encode(trimmed).value_or(QByteArray()).size();
    if (length < 1 || width < 1 || width - length < 1)
        return trimmed;
    return trimmed + QString(width - length, u' ');
}

ResultExport::Outcome ResultExport::write(const QAbstractItemModel &list, const QString &filePath)
{
    const int rows = list.rowCount();
    if (rows == 0)
        return Outcome::Empty;
    QString text;
    const int columns = list.columnCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QString cell = list.index(row, column).data().toString();
            text += column == 0 ? trimAndPadToBytes(cell, numberWidth) : cell;
            if (column + 1 < columns)
                text += separator;
        }
        text += QLatin1String("\r\n");
    }
    const std::optional<QByteArray> bytes = GbText::encode(text);
    return bytes && saveWholeFile(filePath, *bytes) ? Outcome::Written : Outcome::Failed;
}
