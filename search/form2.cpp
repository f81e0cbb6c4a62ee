#include "search/form2.h"

#include "app/textrules.h"
#include "ui_form2.h"

#include <QComboBox>

namespace {
const QString boxTitle = QStringLiteral("Orvo系列软件");
} // namespace

Form2::Form2(QComboBox *companyList, std::function<void(const QString &)> setMessageLine, MessageBoxes &boxes,
             QWidget *parent)
    : QDialog(parent), ui(new Ui::Form2), m_companyList(companyList),
      m_setMessageLine(std::move(setMessageLine)), m_boxes(boxes)
{
    ui->setupUi(this);
    setFixedSize(size());

    connect(ui->Command1, &QPushButton::clicked, this, &Form2::command1Click);
    const QPushButton *popular[] = {ui->Command2, ui->Command3, ui->Command4, ui->Command5,  ui->Command6,
                                    ui->Command7, ui->Command8, ui->Command9, ui->Command10, ui->Command11};
    for (const QPushButton *button : popular) {
        // Read now: a platform theme may add mnemonic marks to the shown caption later.
        const QString keyword = trimBlanks(button->text());
        connect(button, &QPushButton::clicked, this, [this, keyword] {
            selectMatches(keyword, false);
            accept();
        });
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
        m_boxes.show({boxTitle, QStringLiteral("请输入物流公司关键字"), BoxIcon::Information, BoxButton::Ok,
                      BoxButton::NoButton});
        return;
    }
    const QString keyword = trimBlanks(text);
    if (keyword.isEmpty())
        return;
    selectMatches(keyword, true);
    accept();
}

void Form2::selectMatches(const QString &keyword, bool announce)
{
    // The scan goes on past a match, so the last match in list order stays selected.
    for (int i = 0; i < m_companyList->count(); ++i) {
        if (!m_companyList->itemText(i).contains(keyword, Qt::CaseSensitive))
            continue;
        m_companyList->setCurrentIndex(i);
        if (announce)
            m_setMessageLine(QStringLiteral("找到【") + m_companyList->currentText() +
                             QStringLiteral("】，是否为您要找的公司?"));
    }
}
