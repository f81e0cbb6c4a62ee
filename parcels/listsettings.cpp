#include "parcels/listsettings.h"

#include <algorithm>

namespace {
// Each setting's name in the record, and how a value goes in and comes out.
struct Field {
    const char *name;
    QVariant (*write)(const ListSettings &);
    void (*read)(ListSettings &, const QVariant &);
};

template <std::size_t N> int chosen(const int (&choices)[N], const QVariant &value, int fallback)
{
    return value.isValid() && std::ranges::find(choices, value.toInt()) != std::end(choices) ? value.toInt()
                                                                                             : fallback;
}

const Field fields[] = {
    {"archiveDays", [](const ListSettings &s) { return QVariant(s.archiveDays); },
     [](ListSettings &s, const QVariant &v) { s.archiveDays = chosen(ListSettings::archiveChoices, v, 3); }},
    {"automaticRefreshMinutes", [](const ListSettings &s) { return QVariant(s.automaticMinutes); },
     [](ListSettings &s, const QVariant &v) {
         s.automaticMinutes = chosen(ListSettings::automaticChoices, v, 0);
     }},
    {"overviewShowArchived", [](const ListSettings &s) { return QVariant(s.showArchived); },
     [](ListSettings &s, const QVariant &v) { s.showArchived = v.toBool(); }},
    // Written in UTC; one written in local time by an earlier version reads as local time.
    {"lastRefresh",
     [](const ListSettings &s) {
         return s.lastRefresh.isValid() ? QVariant(s.lastRefresh.toUTC().toString(Qt::ISODate)) : QVariant();
     },
     [](ListSettings &s, const QVariant &v) {
         s.lastRefresh = QDateTime::fromString(v.toString(), Qt::ISODate);
     }},
    {"overviewGeometry", [](const ListSettings &s) { return QVariant(s.geometry); },
     [](ListSettings &s, const QVariant &v) { s.geometry = v.toByteArray(); }},
    {"overviewHeader", [](const ListSettings &s) { return QVariant(s.header); },
     [](ListSettings &s, const QVariant &v) { s.header = v.toByteArray(); }},
    {"overviewSplit", [](const ListSettings &s) { return QVariant(s.split); },
     [](ListSettings &s, const QVariant &v) { s.split = v.toByteArray(); }},
    {"stayInTray", [](const ListSettings &s) { return QVariant(s.stayInTray); },
     [](ListSettings &s, const QVariant &v) { s.stayInTray = v.toBool(); }},
};

QList<int> numbersOf(const QVariant &value) // "1,2,3"
{
    QList<int> numbers;
    for (const QString &part : value.toString().split(u',', Qt::SkipEmptyParts))
        numbers.append(part.toInt());
    return numbers;
}
} // namespace

ListSettings ListSettings::read(const QHash<QString, QVariant> &stored)
{
    ListSettings settings;
    for (const Field &field : fields)
        field.read(settings, stored.value(QLatin1String(field.name)));
    if (settings.geometry.isEmpty()) {
        const QList<int> size = numbersOf(stored.value(QStringLiteral("overviewSize"))); // "width,height"
        if (size.size() == 2)
            settings.earlier.size = QSize(size[0], size[1]);
    }
    if (settings.header.isEmpty()) {
        settings.earlier.columnWidths = numbersOf(stored.value(QStringLiteral("overviewColumns")));
        settings.earlier.sort = numbersOf(stored.value(QStringLiteral("overviewSort"))); // "column,order"
        if (settings.earlier.sort.size() != 2)
            settings.earlier.sort.clear();
    }
    return settings;
}

QList<std::pair<QString, QVariant>> ListSettings::changes(const ListSettings &changed) const
{
    QList<std::pair<QString, QVariant>> written;
    for (const Field &field : fields) {
        const QVariant value = field.write(changed);
        if (value != field.write(*this))
            written.append({QLatin1String(field.name), value});
    }
    return written;
}
