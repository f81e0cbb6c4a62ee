#include "tracking/companykeys.h"

#include "tracking/catalogue.h"

#include <QList>
#include <QString>
#include <functional>
#include <iterator>

namespace {

struct Romanised {
    const char *pinyin; // a word a syllable
    const char *latin;  // its Latin names, by spaces
};

// Made once from the Unihan database by tools/make-pinyin.py, with its corrections.
constexpr Romanised romanised[] = {
#include "tracking/companypinyin.inc"
};
// One row per company: the catalogue's order joins them.
static_assert(std::size(romanised) == 127);

struct Keys {
    QStringList latin;
    QString initials, pinyin;
};

QList<Keys> allKeys()
{
    QList<Keys> all;
    for (const Romanised &company : romanised) {
        const QStringList words = QString::fromLatin1(company.pinyin).split(u' ');
        Keys keys{
            QString::fromLatin1(company.latin).split(u' ', Qt::SkipEmptyParts), {}, words.join(QString())};
        for (const QString &word : words)
            keys.initials += word.front();
        all.append(keys);
    }
    return all;
}

} // namespace

int CompanyKeys::find(QStringView typed)
{
    static const QList<Keys> all = allKeys();
    if (typed.isEmpty())
        return -1;
    const QString lower = typed.toString().toLower();
    for (qsizetype i = 0; i < all.size(); ++i)
        for (const QString &name : all[i].latin)
            if (name.startsWith(lower))
                return int(i);
    for (qsizetype i = 0; i < all.size(); ++i)
        if (all[i].initials.startsWith(lower) || all[i].pinyin.startsWith(lower))
            return int(i);
    return -1;
}

QList<int> CompanyKeys::named(QStringView written)
{
    static const QList<Keys> all = allKeys();
    const QString name = written.trimmed().toString(), lower = name.toLower();
    const QStringList &names = Catalogue::names();
    const auto shortName = [](const QString &full) {
        for (const QString &suffix :
             {QStringLiteral("快递"), QStringLiteral("物流"), QStringLiteral("速递"), QStringLiteral("快运")})
            if (full.endsWith(suffix))
                return full.chopped(suffix.size());
        return full;
    };
    const std::function<bool(qsizetype)> kinds[] = {
        [&](qsizetype i) { return names.at(i) == name; },
        [&](qsizetype i) { return shortName(names.at(i)) == name; },
        [&](qsizetype i) { return all[i].latin.contains(lower); },
        [&](qsizetype i) { // of the whole name, or of the name without its two-syllable kind
            return all[i].initials == lower ||
                   (shortName(names.at(i)) != names.at(i) && all[i].initials.chopped(2) == lower);
        },
    };
    for (const auto &fits : kinds) {
        QList<int> found;
        for (qsizetype i = 0; i < all.size() && !name.isEmpty(); ++i)
            if (fits(i))
                found.append(int(i));
        if (!found.isEmpty())
            return found;
    }
    return {};
}
