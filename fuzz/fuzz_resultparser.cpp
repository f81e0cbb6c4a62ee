// The tracking service's answer, as the result list reads it.
#include "tracking/resultparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const QList<ResultRow> rows = ResultParser::parse(answer);
    // The status line counts the rows the list shows; the two must never disagree.
    if (rows.size() != ResultParser::countRows(answer))
        __builtin_trap();
    for (const ResultRow &row : rows) {
        if (row.time.contains(u'<'))
            __builtin_trap();
    }

    const QString status = ResultParser::deliveryStatus(rows.isEmpty() ? answer : rows.first().progress);
    if (status.isEmpty())
        __builtin_trap();
    return 0;
}
