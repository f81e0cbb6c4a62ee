// An answer's bytes with the Content-Type the server sent: the header up to the first NUL byte,
// the body after it (no NUL: no header, the whole input is the body).
#include "tracking/answerdecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    const void *nul = std::memchr(text, 0, size);
    const size_t headerSize = nul ? size_t(static_cast<const char *>(nul) - text) : 0;
    const size_t bodyStart = nul ? headerSize + 1 : 0;
    const QByteArray contentType(text, qsizetype(headerSize));
    const QByteArray body(text + bodyStart, qsizetype(size - bodyStart));

    (void)AnswerDecoder::decode(body, contentType);

    const QByteArray charset = AnswerDecoder::declaredCharset(contentType);
    if (charset != charset.toLower())
        __builtin_trap();

    // Each byte gives a character or a replacement character, so bytes never vanish into nothing.
    if (!body.isEmpty() && AnswerDecoder::decodeGb18030(body).isEmpty())
        __builtin_trap();
    return 0;
}
