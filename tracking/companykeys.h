#pragma once

#include <QList>
#include <QStringView>

// What a user may type to find a company in the list: its Latin names (EMS, DHL, SF), the
// initials of its name's pinyin (sf for 顺丰快递) and its full pinyin (shunfeng).
class CompanyKeys {
public:
    // The position of the first company in catalogue order whose Latin name begins with `typed`,
    // else of the first whose pinyin initials or full pinyin do; -1 when none. Case does not
    // matter. Latin names come first because they are what the big companies go by: sf is 顺丰
    // before it is 盛丰.
    static int find(QStringView typed);
    // The positions of the companies a name written in a list stands for, whole: the name itself,
    // the name without 快递, 物流, 速递 or 快运, a Latin name, or the pinyin initials (of either), in that
    // order of preference; several when the first kind that fits fits more than one. Case does not matter.
    static QList<int> named(QStringView written);
};
