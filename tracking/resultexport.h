#pragma once

#include <QString>

#include <optional>

class QAbstractItemModel;

// Writing the result list to a text file: one line a row, the cells three blanks apart, the
// number padded to 8 bytes; GB18030 with CR LF, replaced whole through QSaveFile.
class ResultExport {
public:
    enum class Outcome { Written, Empty, Failed };

    // `ExportListViewContent`: Empty writes nothing and leaves an earlier file as it was;
    // Failed leaves any earlier file whole.
    static Outcome ExportListViewContent(const QAbstractItemModel &list, const QString &filePath,
                                         const char *encoding = "GB18030");

    // `SetStringFixedLength`: `text` without leading and trailing blanks, padded on the right
    // with blanks to `width` bytes of GB18030 (GBK) text; never cut, and an empty text stays empty.
    static QString SetStringFixedLength(const QString &text, int width);

    // The exact bytes of the export; none when the encoding is not available.
    static std::optional<QByteArray> exportBytes(const QAbstractItemModel &list, const char *encoding = "GB18030");

    // The length of `text` in bytes of GB18030 (a Chinese character counts 2, ASCII 1).
    static qsizetype gbkLength(const QString &text);
};
