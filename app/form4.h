#pragma once

#include <QDialog>
#include <QUrl>

namespace Ui {
class Form4;
}
class QLabel;
class Shell;

// `Form4`, the about dialog: logo, version, credits, two notes on failed queries and the
// contact links. Modal; the opener makes one for each showing and drops it when exec() returns.
class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4(Shell &shell, const QUrl &forumUrl, QWidget *parent = nullptr);
    ~Form4() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formLoad();
    void fitLabelsToText();
    void label5Click(); // chat with the author in QQ
    void label6Click(); // a new e-mail to the author
    void label8Click(); // the forum in the web browser

    Ui::Form4 *ui;
    Shell &m_shell;
    QUrl m_forumUrl; // the maker's forum page
};
