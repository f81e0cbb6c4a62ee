#pragma once

#include "tracking/resultmodel.h"

class QTreeView;

// The result list `resultView`: three fixed columns that the user cannot resize, no in-place
// editing, rows from a ResultModel.
class ResultList {
public:
    // Gives the list its model and columns and installs the header lock.
    static ResultModel *prepare(QTreeView *list);
};
