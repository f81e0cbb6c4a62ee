#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// `Class1`, the balloon over the result list: a title line and the clicked row's text, shown by
// the platform's own hover rules. Text is always shown as plain text, each line cut to what a
// balloon can show.
class Class1 {
public:
    void setParentControl(QWidget *control);    // `ParentControl`
    void setToolTipTitle(const QString &title); // `ToolTipTitle`
    void setToolTipText(const QString &text);   // `ToolTipText`
    void create(); // `Create`: replaces the balloon by one with the current values

private:
    QString m_title;            // `tipTitle`
    QString m_text;             // the balloon text
    QPointer<QWidget> m_parent; // `parentCtl`
};
