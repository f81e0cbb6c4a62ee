#pragma once

#include "tracking/resultmodel.h"

class QTreeView;

// The result list: three fixed columns that the user cannot resize, no in-place
// editing, rows from a ResultModel.
class ResultList {
public:
    // Gives the list its model and columns and installs the header lock.
    static ResultModel *prepare(QTreeView *list);
    // The balloon over the list for one row: a title line, then the row's time and progress, each
    // line cut to what a balloon can show, all as plain text.
    static QString rowBalloon(const QString &time, const QString &progress);
};
