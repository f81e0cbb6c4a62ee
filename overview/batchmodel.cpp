#include "overview/batchmodel.h"

#include "tracking/catalogue.h"

BatchModel::BatchModel(QStringList historyNumbers, QObject *parent)
    : QAbstractTableModel(parent), m_historyNumbers(std::move(historyNumbers))
{
}

void BatchModel::setText(const QString &text)
{
    beginResetModel();
    m_text = text;
    m_lines = NumberBatch::read(m_text, m_historyNumbers, m_chosen);
    endResetModel();
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
    static const QString titles[] = {QStringLiteral("单号"), QStringLiteral("快递公司"),
                                     QStringLiteral("说明")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles[section];
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
        return NumberBatch::skipText(line.skip);
    }
    return QVariant();
}

Qt::ItemFlags BatchModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Company ? flags | Qt::ItemIsEditable : flags;
}

// A company chosen changes what is left out (a line without one, say), not the lines.
bool BatchModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QString company = value.toString();
    if (!index.isValid() || index.column() != Company || role != Qt::EditRole ||
        index.row() >= m_lines.size() || (!company.isEmpty() && !Catalogue::isName(company)))
        return false;
    m_chosen.insert(m_lines.at(index.row()).number, company);
    m_lines = NumberBatch::read(m_text, m_historyNumbers, m_chosen);
    emit dataChanged(this->index(0, Company), this->index(rowCount() - 1, Note));
    return true;
}
