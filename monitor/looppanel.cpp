#include "monitor/looppanel.h"

#include "common/textrules.h"
#include "platform/clock.h"
#include "ui_looppanel.h"

LoopPanel::LoopPanel(QWidget *parent) : MonitorPanel(parent, "Timer6", 60000), ui(new Ui::LoopPanel)
{
    ui->setupUi(this);
    setControls(ui->Command5, ui->Command11, {ui->Combo4},
                {QStringLiteral("开始循环"), QStringLiteral("停止循环"),
                 QStringLiteral("请先查询单号后在使用本功能!"), QStringLiteral("请先设定时间!"),
                 QStringLiteral("当前正在循环查询,是否终止?")});
    ui->Combo4->addItems(numbers(1, 360));
    ui->Combo4->setCurrentIndex(-1);
}

LoopPanel::~LoopPanel()
{
    delete ui;
}

QTime LoopPanel::nextQuery() const
{
    const QTime now = clock().now().time();
    return QTime(now.hour(), now.minute())
        .addSecs(60 * (leadingNumber(ui->Combo4->currentText()) - m_loopMinuteCount));
}

bool LoopPanel::timeChosen() const
{
    return !ui->Combo4->currentText().isEmpty();
}

void LoopPanel::tick()
{
    if (++m_loopMinuteCount == leadingNumber(ui->Combo4->currentText())) {
        emit due();
        m_loopMinuteCount = 0;
    }
    showNextQuery();
}
