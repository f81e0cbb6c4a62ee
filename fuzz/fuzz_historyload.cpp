// The history file as load() reads it.
#include "history/historystore.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const QStringList entries = HistoryStore::parse(bytes);
    for (const QString &entry : entries) {
        // Line ends separate entries, so none can be inside one.
        if (entry.contains(u'\r') || entry.contains(u'\n'))
            __builtin_trap();
        if (!entry.startsWith(HistoryStore::entryNumber(entry)))
            __builtin_trap();
    }

    // What is loaded and saved again loads the same.
    if (HistoryStore::parse(HistoryStore::serialize(entries).value()) != entries)
        __builtin_trap();
    return 0;
}
