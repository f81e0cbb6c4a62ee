#include "outlet/outletpage.h"

#include "common/textrules.h"

#include <QStringList>

namespace {
struct Place {
    qsizetype piece; // counted from 0 in the split list
    qsizetype from;  // 1-based character of the piece where the value starts
};

constexpr Place places[6] = {{6, 20}, {10, 20}, {14, 20}, {18, 20}, {22, 20}, {26, 21}};
} // namespace

QUrl outletQueryUrl(const QString &host, const QString &typedName)
{
    const QByteArray encoded =
        "http://" + host.toUtf8() + "/query_list.asp?name=" + QUrl::toPercentEncoding(trimBlanks(typedName));
    // Built from bytes so that QUrl sends the escapes as they are instead of re-encoding them.
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

OutletFields parseOutletPage(const QString &page)
{
    const QStringList pieces = page.split(QStringLiteral("td"), Qt::KeepEmptyParts, Qt::CaseSensitive);
    OutletFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Place place = places[i];
        if (place.piece >= pieces.size())
            continue;
        fields[i] = pieces.at(place.piece).mid(place.from - 1);
        fields[i].remove(QStringLiteral("</"));
    }
    return fields;
}
