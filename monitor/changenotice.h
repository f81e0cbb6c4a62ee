#pragma once

#include <QString>

// `gxtj`'s rule: whether the parcel's history grew since the query before.
struct ChangeVerdict {
    QString caption; // "是否更新：有更新" or "是否更新：无更新"
    bool red;        // red caption (grew) or black
    bool playSound;  // play "ts.mp3"
};

class ChangeNotice {
public:
    static ChangeVerdict decide(int previousRowCount, int currentRowCount);
};
