#include "search/form2.h"

#include "common/textrules.h"
#include "common/texts.h"
#include "platform/messageboxes.h"
#include "ui_form2.h"

Form2::Form2(QStringList companies, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), ui(new Ui::Form2), m_companies(std::move(companies)), m_boxes(boxes)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->Command1, &QPushButton::clicked, this, &Form2::command1Click);
    const QPushButton *popular[] = {ui->Command2, ui->Command3, ui->Command4, ui->Command5,  ui->Command6,
                                    ui->Command7, ui->Command8, ui->Command9, ui->Command10, ui->Command11};
    for (const QPushButton *button : popular) {
        // Read now: a platform theme may add mnemonic marks to the shown caption later.
        const QString keyword = trimBlanks(button->text());
        connect(button, &QPushButton::clicked, this, [this, keyword] { search(keyword, false); });
    }
}

Form2::~Form2()
{
    delete ui;
}

void Form2::command1Click()
{
    const QString text = ui->Text1->text();
    if (text.isEmpty()) {
        m_boxes.show({Texts::boxTitle(), QStringLiteral("请输入物流公司关键字"), BoxIcon::Information,
                      BoxButton::Ok, BoxButton::NoButton});
        return;
    }
    const QString keyword = trimBlanks(text);
    if (!keyword.isEmpty())
        search(keyword, true);
}

void Form2::search(const QString &keyword, bool typed)
{
    m_typed = typed;
    m_matches.clear();
    for (int i = 0; i < m_companies.size(); ++i) {
        if (m_companies.at(i).contains(keyword, Qt::CaseSensitive))
            m_matches.append(i);
    }
    accept();
}
