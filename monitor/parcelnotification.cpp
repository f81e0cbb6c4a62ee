#include "monitor/parcelnotification.h"

#include "common/textrules.h"

#include <QCoreApplication>

namespace {
constexpr qsizetype summaryAbove = 3;

QString line(const QString &text) // at most 100 characters, then "…"
{
    return text.size() > 100 ? cutAtWholeCharacter(text, 101) : text;
}
} // namespace

QString ParcelNotification::key(const QString &number, const QString &company)
{
    // Neither a recorded number nor a company name holds a line break.
    return number + u'\n' + company;
}

Notification ParcelNotification::forParcel(const Grown &parcel)
{
    return {key(parcel.number, parcel.company),
            QCoreApplication::translate("ParcelNotification", "快件有更新"),
            line((parcel.note.isEmpty() ? QString() : parcel.note + QStringLiteral(" · ")) + parcel.company +
                 u' ' + parcel.number) +
                u'\n' + line(plainText(parcel.newestTime + u' ' + parcel.newestStep)),
            {}};
}

QList<Notification> ParcelNotification::forRefresh(const QList<Grown> &grown)
{
    if (grown.size() > summaryAbove) {
        QStringList keys;
        for (const Grown &parcel : grown)
            keys.append(key(parcel.number, parcel.company));
        return {
            {summaryKey(),
             QCoreApplication::translate("ParcelNotification", "%n 件快件有更新", nullptr, int(grown.size())),
             QString(), keys}};
    }
    QList<Notification> notifications;
    for (const Grown &parcel : grown)
        notifications.append(forParcel(parcel));
    return notifications;
}

QString ParcelNotification::summaryKey()
{
    return QStringLiteral("summary");
}
