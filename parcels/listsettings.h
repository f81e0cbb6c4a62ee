#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <QVariant>

// The list's settings, and the program's one beside them (关闭窗口时留在托盘), kept in the record
// between runs. They are read, written and carried over
// from what earlier versions kept here only, each under its name in the record's settings table.
struct ListSettings {
    static constexpr int archiveChoices[] = {0, 1, 3, 7, -1};        // days; -1: never
    static constexpr int automaticChoices[] = {0, 30, 60, 120, 240}; // minutes; 0: never

    int archiveDays = 3;      // 归档: days after a parcel was signed for until it is archived
    int automaticMinutes = 0; // 自动查询's interval
    bool showArchived = false;
    bool stayInTray = false; // 关闭窗口时留在托盘: closing the main window hides it in the tray
    QDateTime lastRefresh;   // when the last refresh began, in UTC; invalid before the first
    // Qt's own states of the window, of the table's header (the columns' widths and the sort) and of
    // the split between the table and the steps; empty until first kept.
    QByteArray geometry;
    QByteArray header;
    QByteArray split;
    // What earlier versions kept instead of the window's and the header's states, read while those
    // have not been kept: never written.
    struct Earlier {
        QSize size;              // invalid for none
        QList<int> columnWidths; // empty for none
        QList<int> sort;         // column and order; empty for none, column -1 for the history's order
    } earlier;

    // From the record's settings table; a value out of its choices reads as the default.
    static ListSettings read(const QHash<QString, QVariant> &stored);
    // What is to be written for `changed`, by name, for the values that differ from these.
    QList<std::pair<QString, QVariant>> changes(const ListSettings &changed) const;
};
