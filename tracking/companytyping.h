#pragma once

#include <QObject>
#include <QString>

class Clock;
class QComboBox;

// Letters typed to the company list find a company by its Latin name or its pinyin (CompanyKeys):
// as Qt's own keyboard search, letters within the keyboard input interval add up and a pause
// starts over. A closed list picks the company as a user's choice does; an open one moves its
// highlight, for Enter or a click to pick.
class CompanyTyping : public QObject {
    Q_OBJECT
public:
    CompanyTyping(QComboBox *box, const Clock &clock, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(int position);

    QComboBox *m_box;
    const Clock &m_clock;
    QString m_typed;
    qint64 m_typedAt = 0;
};
