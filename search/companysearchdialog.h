#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class MessageBoxes;
namespace Ui {
class CompanySearchDialog;
}

// The company search: finds the courier names that hold a keyword, typed or one of ten
// popular companies' buttons, and closes. The opener selects what it found.
class CompanySearchDialog : public QDialog {
    Q_OBJECT
public:
    CompanySearchDialog(QStringList companies, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~CompanySearchDialog() override;

    // Positions of the names that held the keyword, in list order: each is selected in turn, so the
    // last one stays selected.
    const QList<int> &matches() const { return m_matches; }
    // The keyword was typed, not a button's: each selection is named in the message line.
    bool typed() const { return m_typed; }

private:
    void searchTypedKeyword(); // the keyword search
    void search(const QString &keyword, bool typed);

    Ui::CompanySearchDialog *ui;
    QStringList m_companies; // the main window's courier list, in its order
    MessageBoxes &m_boxes;
    QList<int> m_matches;
    bool m_typed = false;
};
