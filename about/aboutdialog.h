#pragma once

#include <QDialog>
#include <QUrl>

namespace Ui {
class AboutDialog;
}
class QLabel;
class Shell;

// The about dialog: logo, version, credits, two notes on failed queries and the
// contact links. Modal; the opener makes one for each showing and drops it when exec() returns.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Shell &shell, const QUrl &forumUrl, QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillLabels();
    void fitLabelsToText();
    void openQqChat(); // chat with the author in QQ
    void writeEmail(); // a new e-mail to the author
    void openForum();  // the forum in the web browser

    Ui::AboutDialog *ui;
    Shell &m_shell;
    QUrl m_forumUrl; // the maker's forum page
};
