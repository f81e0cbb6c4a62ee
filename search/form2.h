#pragma once

#include "platform/messageboxes.h"

#include <QDialog>
#include <functional>

class QComboBox;

namespace Ui {
class Form2;
}

// `Form2`, the company search: selects entries of the main window's courier list by keyword
// or by one of ten popular-company buttons, then closes.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(QComboBox *companyList, std::function<void(const QString &)> setMessageLine, MessageBoxes &boxes,
          QWidget *parent = nullptr);
    ~Form2() override;

private:
    void command1Click(); // the keyword search
    // Selects every entry containing `keyword`, in list order; `announce` names each in the message line.
    void selectMatches(const QString &keyword, bool announce);

    Ui::Form2 *ui;
    QComboBox *m_companyList;                              // the main window's `Combo1`
    std::function<void(const QString &)> m_setMessageLine; // panel 2 of the main window's `S1`
    MessageBoxes &m_boxes;
};
