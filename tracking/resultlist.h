#pragma once

#include "tracking/resultmodel.h"

#include <QObject>

class QTreeView;

// The result list: three fixed columns that the user cannot resize, no in-place editing, rows
// from a ResultModel. A click on a row puts that row's balloon over the list.
class ResultList : public QObject {
    Q_OBJECT
public:
    // Gives the list its model and columns and installs the header lock.
    explicit ResultList(QTreeView *list);
    ResultModel &rows() { return *m_model; }
    // The balloon over the list for one row: a title line, then the row's time and progress, each
    // line cut to what a balloon can show, all as plain text.
    static QString rowBalloon(const QString &time, const QString &progress);

signals:
    void clickedNoRow(); // below the rows, or a row without its number

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeView *m_list;
    QObject *m_viewport;
    ResultModel *m_model;
};
