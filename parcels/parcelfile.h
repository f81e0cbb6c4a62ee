#pragma once

#include "parcels/parcelrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ParcelBoard;
class QIODevice;

// The overview's list as a file: 导出列表 writes every parcel to CSV, 导入列表 reads such a file
// back, or a plain list of numbers, one a line, each alone or followed by ",company" (and ",note").
namespace ParcelFile {

// UTF-8 with a byte order mark (so that a spreadsheet reads it as Chinese), a header line, CR LF
// after every line, fields quoted as RFC 4180 asks. A field that a spreadsheet would take for a
// formula (it begins with = + - or @) is written after a "'", which reading takes off again.
QByteArray write(const QList<ParcelRecord> &parcels);
QString suggestedName(const QDate &today); // 全部快件-2026-12-07.csv

// Lines after the header, blank ones included: reading stops at the first past it.
inline constexpr qsizetype maxRows = 100000;
// Far more than a file of the most rows holds; a bigger one is not read into memory.
inline constexpr qint64 maxBytes = 64 * 1024 * 1024;

// What a file holds, before it is held against the list.
struct Reading {
    enum class Problem {
        None,
        Unreadable,
        NotAFile, // a folder, a pipe or a device
        TooLarge, // more than maxBytes
        Empty,
        NotText,   // binary, or neither UTF-8 nor GBK
        CutOff,    // ends inside a field, a character or the line it began
        TooMany,   // more than maxRows rows
        NoParcels, // text, but no line of it names a parcel
    };
    struct Row {
        int line = 0;        // in the file, from 1
        ParcelRecord record; // its number, the company as written (maybe none), and what else it gives
    };
    struct Skipped {
        int line = 0;
        QString text; // "第3行 ……"
    };
    Problem problem = Problem::None;
    QList<Row> rows;
    QList<Skipped> skipped; // lines that name no parcel
};
// Reading stops at the first problem, and at the first row past the limit.
Reading read(QIODevice &device);
Reading read(const QByteArray &bytes);
Reading readFile(const QString &path); // what is not a regular file, or is too large, is not read
QString problemText(Reading::Problem problem, const QString &fileName = QString());

// What an import would change, held against the board: nothing happens until it is applied.
struct Import {
    QList<ParcelRecord> added; // parcels not on the board, in the file's order
    // Parcels on the board that the file tells something new: one never asked takes what the file
    // learnt, one that was asked only the file's note, when it has none.
    QList<ParcelRecord> known;
    qsizetype knownRecords = 0;      // of those, how many take the file's record rather than a note
    QList<Reading::Skipped> skipped; // why each other row is left out, in the file's order
    qsizetype count() const { return added.size() + known.size(); }
    QString done() const;    // 新增 12 件，补充备注 1 件
    QString summary() const; // 将新增 12 件，跳过 3 件：…
};
// A row without a company takes the one its number surely belongs to, or is skipped; one whose
// company is written otherwise than the catalogue does takes the company it names (CompanyKeys).
Import plan(Reading reading, const ParcelBoard &board);

} // namespace ParcelFile
