#pragma once

#include "tracking/resultparser.h"

#include <QList>

class QTreeWidget;

// The result list `ListView1`: three fixed columns that the user cannot resize, rows shown
// newest on top, the top row's time and progress drawn in red.
class ResultList {
public:
    static constexpr int numberColumn = 0;   // `xh` "序号"
    static constexpr int timeColumn = 1;     // `sj` "时间"
    static constexpr int progressColumn = 2; // `wl` "物流进度"

    // Sets up the columns, their widths and the header lock; no in-place editing.
    static void prepare(QTreeWidget *list);

    // Replaces the list's rows by `rows` (given in answer order) in one insertion: the answer's
    // last row goes on top numbered "1", the first at the bottom numbered N.
    static void show(QTreeWidget *list, const QList<ResultRow> &rows);
};
