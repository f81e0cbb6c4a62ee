// The outlet query page as the outlet dialog reads it.
#include "outlet/outletpage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const OutletFields fields = parseOutletPage(page);
    // Every value is cut from the page, so none can outgrow it.
    for (const QString &field : fields) {
        if (field.size() > page.size())
            __builtin_trap();
    }
    return 0;
}
