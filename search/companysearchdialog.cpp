#include "search/companysearchdialog.h"

#include "common/textrules.h"
#include "common/texts.h"
#include "platform/messageboxes.h"
#include "ui_companysearchdialog.h"

CompanySearchDialog::CompanySearchDialog(QStringList companies, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), ui(new Ui::CompanySearchDialog), m_companies(std::move(companies)), m_boxes(boxes)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->searchButton, &QPushButton::clicked, this, &CompanySearchDialog::searchTypedKeyword);
    const QPushButton *popular[] = {
        ui->shentongButton, ui->emsButton,   ui->shunfengButton,   ui->yuantongButton, ui->zhongtongButton,
        ui->huitongButton,  ui->yundaButton, ui->chengguangButton, ui->quanfengButton, ui->zhaijisongButton};
    for (const QPushButton *button : popular) {
        // The caption is the interface's; the keyword is the company's name as the catalogue has it.
        const QString keyword = button->property("keyword").toString();
        connect(button, &QPushButton::clicked, this, [this, keyword] { search(keyword, false); });
    }
}

CompanySearchDialog::~CompanySearchDialog()
{
    delete ui;
}

void CompanySearchDialog::searchTypedKeyword()
{
    const QString text = ui->keywordBox->text();
    if (text.isEmpty()) {
        m_boxes.show({Texts::boxTitle(), tr("请输入物流公司关键字"), BoxIcon::Information, BoxButton::Ok,
                      BoxButton::NoButton, this});
        return;
    }
    const QString keyword = trimBlanks(text);
    if (!keyword.isEmpty())
        search(keyword, true);
}

void CompanySearchDialog::search(const QString &keyword, bool typed)
{
    m_typed = typed;
    m_matches.clear();
    for (int i = 0; i < m_companies.size(); ++i) {
        if (m_companies.at(i).contains(keyword, Qt::CaseSensitive))
            m_matches.append(i);
    }
    accept();
}
