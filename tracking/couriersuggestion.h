#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QListWidget;
class QWidget;

// The couriers a typed or pasted number points to, offered in one row just under the number box,
// clear of the company list below it: it floats over the window, takes no focus, and picks a
// company only when the user clicks a line or presses Alt+1 to Alt+3. It hides on Esc, on a click
// anywhere else (which goes on where it was aimed, as with a completer's list), when the box loses
// the focus, when the text fits no rule and when a company is picked; it does not appear
// while the box is disabled (a query runs, a panel is armed) or when the list of companies already
// shows one of those it would offer.
class CourierSuggestion : public QObject {
    Q_OBJECT
public:
    CourierSuggestion(QComboBox *numberBox, QComboBox *companyBox, QWidget *window);

    // After the user typed or pasted `typed` into the number box.
    void offerFor(const QString &typed);
    void hide();

signals:
    void chosen(const QString &company); // a name of the catalogue

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void makeList();
    bool isShown() const;
    void choose(int line);

    QComboBox *m_numberBox;
    QComboBox *m_companyBox;
    QWidget *m_window;
    QListWidget *m_list = nullptr;
};
