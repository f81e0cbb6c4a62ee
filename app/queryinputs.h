#pragma once

#include <QObject>
#include <QString>

class CourierSuggestion;
class HistoryController;
class ParcelBook;
class MessageBoxes;
class QComboBox;
class QGroupBox;
class QPushButton;
class QWidget;

// The frame where a query is asked: the company list, filled from the catalogue, with the service
// code of the company chosen last and the company search; the number box with its history (a
// pick, 删, 清) and the couriers a typed or pasted number points to; and F8, which pastes a number
// from anywhere in the window.
class QueryInputs : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QGroupBox *frame;
        QComboBox *companyBox;
        QPushButton *companySearchButton;
        QComboBox *numberBox;
        QPushButton *deleteNumberButton;
        QPushButton *clearHistoryButton;
    };
    // `windowBoxes` are the window's, for the history's questions; the company search has its own.
    QueryInputs(Controls controls, ParcelBook &book, MessageBoxes &windowBoxes, MessageBoxes &dialogBoxes,
                QWidget *window);

    void fill(); // the company list from the catalogue, the number box from the history
    QString companyCode() const { return m_companyCode; }
    HistoryController &history() { return *m_historyController; }
    // Selecting by name runs the list's own selection handling; an unknown name keeps the selection.
    void selectCompany(const QString &company);

signals:
    void picked();                     // a number was picked from the history, its company selected
    void message(const QString &text); // for the message line

private:
    void setupPaste(QWidget *window);
    void companyChosen(int index);
    void openCompanySearch();
    void pasteNumber();

    Controls m_ui;
    MessageBoxes &m_dialogBoxes;
    QWidget *m_window;
    HistoryController *m_historyController;
    CourierSuggestion *m_suggestion;
    QString m_companyCode;
};
