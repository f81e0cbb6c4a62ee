// The service's error words in an answer.
#include "tracking/trackingrequest.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const TrackingRequest::Refusal refusal = TrackingRequest::refusal(answer);
    const QString status = TrackingRequest::refusalStatus(refusal);
    // Every refusal has a message; an accepted answer has none and keeps the number.
    if (status.isEmpty() != (refusal == TrackingRequest::Refusal::None))
        __builtin_trap();
    if (refusal == TrackingRequest::Refusal::None && TrackingRequest::refusalEmptiesNumber(refusal))
        __builtin_trap();
    return 0;
}
