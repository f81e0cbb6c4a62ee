#pragma once

#include <QString>

class QAbstractItemModel;

// Writing the result list to a text file: one line a row, the cells three blanks apart, the
// number padded to 8 bytes; GB18030 with CR LF, replaced whole.
class ResultExport {
public:
    enum class Outcome { Written, Empty, Failed };
    // What the user is told of an outcome: in a box, then in the message line.
    struct Told {
        QString box;
        QString messageLine;
    };
    static Told told(Outcome outcome);
    // Empty writes nothing and leaves an earlier file as it was; Failed
    // (the file cannot be replaced, or the encoder cannot be had) leaves any earlier file whole.
    static Outcome write(const QAbstractItemModel &list, const QString &filePath);
    // `text` without leading and trailing blanks, padded on the right
    // with blanks to `width` bytes of GBK text; never cut, and an empty text stays empty.
    static QString trimAndPadToBytes(const QString &text, int width);
};
