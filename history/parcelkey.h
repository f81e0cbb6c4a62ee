#pragma once

#include <QHashFunctions>
#include <QString>

// A parcel: a number of the history with its company, as one entry of the history holds them.
struct ParcelKey {
    QString number;
    QString company; // the display name
    friend bool operator==(const ParcelKey &, const ParcelKey &) = default;
};

inline size_t qHash(const ParcelKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.number, key.company);
}
