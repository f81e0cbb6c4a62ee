#include "outlet/outletpage.h"

#include <QStringList>

namespace {
struct Place {
    qsizetype piece; // counted from 0 in the split list
    qsizetype from;  // 1-based character of the piece where the value starts
};

constexpr Place places[6] = {{6, 20}, {10, 20}, {14, 20}, {18, 20}, {22, 20}, {26, 21}};
} // namespace

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
