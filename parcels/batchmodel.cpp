#include "parcels/batchmodel.h"

#include "tracking/catalogue.h"

BatchModel::BatchModel(QStringList historyNumbers, QObject *parent) : QAbstractTableModel(parent)
{
    m_marks.history = QSet<QString>(historyNumbers.begin(), historyNumbers.end());
}

void BatchModel::setText(const QString &text)
{
    beginResetModel();
    m_text = text;
    m_lines = NumberBatch::read(m_text, m_marks);
    endResetModel();
}

void BatchModel::setOutcome(const QString &number, const QString &failure)
{
    if (failure.isEmpty()) {
        m_marks.added.insert(number);
        m_marks.failed.remove(number);
    } else {
        m_marks.failed.insert(number, failure);
    }
    readAgain();
}

void BatchModel::readAgain()
{
    m_lines = NumberBatch::read(m_text, m_marks);
    if (!m_lines.isEmpty())
        emit dataChanged(index(0, Company), index(rowCount() - 1, Note));
}

int BatchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int BatchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {QT_TR_NOOP("单号"), QT_TR_NOOP("快递公司"), QT_TR_NOOP("说明")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(titles[section]);
}

QVariant BatchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const NumberBatch::Line &line = m_lines.at(index.row());
    switch (index.column()) {
    case Number:
        return line.number;
    case Company:
        return line.company;
    case Note:
        return NumberBatch::note(line);
    }
    return QVariant();
}

Qt::ItemFlags BatchModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Company ? flags | Qt::ItemIsEditable : flags;
}

// A company chosen, or a likely one confirmed, changes what is left out, not the lines.
bool BatchModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QString company = value.toString();
    if (!index.isValid() || index.column() != Company || role != Qt::EditRole ||
        index.row() >= m_lines.size() || (!company.isEmpty() && !Catalogue::isName(company)))
        return false;
    m_marks.chosen.insert(m_lines.at(index.row()).number, company);
    readAgain();
    return true;
}
