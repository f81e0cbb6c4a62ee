#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// `Class1`, the balloon over the result list: a title line and the clicked row's text,
// shown by the platform's own hover rules. Text is always shown as plain text.
class Class1 {
public:
    void setParentControl(QWidget *control);    // `ParentControl`
    void setToolTipTitle(const QString &title); // `ToolTipTitle`
    void setToolTipText(const QString &text);   // `ToolTipText`
    void create(); // `Create`: replaces the balloon by one with the current values

    QString toolTipTitle() const { return m_title; }
    QString toolTipText() const { return m_text; }

    // The balloon's rich text: the title in bold, each line of `text` escaped.
    static QString balloonHtml(const QString &title, const QString &text);

private:
    QString m_title;
    QString m_text;
    QPointer<QWidget> m_parent;
};
