// The update file's answer at start-up.
#include "app/updatecheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FetchResult fetch;
    fetch.outcome = FetchResult::Outcome::Ok;
    fetch.httpStatus = 200;
    fetch.body = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const UpdateCheck::Result result = UpdateCheck::evaluate(fetch);
    if (result.verdict == UpdateCheck::Verdict::Failed) {
        if (!result.version.isEmpty())
            __builtin_trap();
        return 0;
    }

    // A version goes into the announcement box and the forum prompt: short, one line, no markup.
    const QString &version = result.version;
    if (version.isEmpty() || version.size() > 32 || version.contains(u'<') || version.contains(u'\r') ||
        version.contains(u'\n'))
        __builtin_trap();
    if ((result.verdict == UpdateCheck::Verdict::Current) !=
        (version == QLatin1String(UpdateCheck::currentVersion)))
        __builtin_trap();
    (void)UpdateCheck::newerVersionText(version);
    return 0;
}
