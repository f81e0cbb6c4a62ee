#include "common/textrules.h"

#include <utility>

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

int leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    int value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > 1000000)
            break; // far past any hour, minute or interval
    }
    return value;
}

QString cutAtWholeCharacter(const QString &text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text;
    qsizetype keep = maxLength - 1;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep; // never half a character
    return text.left(keep) + QChar(0x2026);
}

namespace {

// What starts a tag: a letter, or the "/", "!" or "?" of a closing tag, a comment or a declaration.
bool startsTag(QStringView text, qsizetype at)
{
    if (at + 1 >= text.size())
        return false;
    const QChar next = text.at(at + 1);
    return (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z') || next == u'/' || next == u'!' ||
           next == u'?';
}

struct Entity {
    char32_t character = 0;
    qsizetype length = 0; // 0: no entity we decode
};

Entity entityAt(QStringView text)
{
    static constexpr std::pair<QStringView, char32_t> named[] = {
        {u"&nbsp;", u' '}, {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}};
    for (const auto &[name, character] : named) {
        if (text.startsWith(name))
            return {character, name.size()};
    }
    if (!text.startsWith(u"&#"))
        return {};
    const bool hex = text.size() > 2 && (text.at(2) == u'x' || text.at(2) == u'X');
    const qsizetype digits = hex ? 3 : 2, end = text.indexOf(u';', digits);
    if (end <= digits || end > digits + 8)
        return {};
    bool ok = false;
    const uint code = text.sliced(digits, end - digits).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {char32_t(code), end + 1};
}

bool isBlank(char32_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0;
}

} // namespace

QString plainText(const QString &markup)
{
    QString text;
    text.reserve(markup.size());
    bool blankOwed = false; // before the next character that is no blank, unless at the start
    const auto append = [&](QStringView character, bool blank) {
        if (blank) {
            blankOwed = !text.isEmpty();
            return;
        }
        if (std::exchange(blankOwed, false))
            text.append(u' ');
        text.append(character);
    };
    for (qsizetype i = 0; i < markup.size();) {
        const QChar c = markup.at(i);
        if (c == u'<' && startsTag(markup, i)) {
            const qsizetype close = markup.indexOf(u'>', i + 1);
            if (close >= 0) {
                i = close + 1;
                continue;
            }
        }
        if (c == u'&') {
            if (const Entity entity = entityAt(QStringView(markup).sliced(i)); entity.length > 0) {
                append(QString::fromUcs4(&entity.character, 1), isBlank(entity.character));
                i += entity.length;
                continue;
            }
        }
        append(QStringView(&c, 1), isBlank(c.unicode()));
        ++i;
    }
    return text;
}
