#include "monitor/looppanel.h"

#include "common/layoutfit.h"
#include "common/textrules.h"
#include "platform/clock.h"
#include "ui_looppanel.h"

LoopPanel::LoopPanel(QWidget *parent) : MonitorPanel(parent, "minuteCountTimer", 60000), ui(new Ui::LoopPanel)
{
    ui->setupUi(this);
    setControls(ui->loopButton, ui->toScheduleButton, {ui->intervalBox},
                {tr("开始循环"), tr("停止循环"), tr("请先查询单号后在使用本功能!"), tr("请先设定时间!"),
                 tr("当前正在循环查询,是否终止?")});
    carryWhole(ui->everyCaption, tr("每隔", "whole caption"));
    ui->intervalBox->addItems(numbers(1, 360));
    ui->intervalBox->setCurrentIndex(-1);
}

LoopPanel::~LoopPanel()
{
    delete ui;
}

QTime LoopPanel::nextQuery() const
{
    const QTime now = clock().now().time();
    return QTime(now.hour(), now.minute())
        .addSecs(60 * (leadingNumber(ui->intervalBox->currentText()) - m_loopMinuteCount));
}

bool LoopPanel::timeChosen() const
{
    return !ui->intervalBox->currentText().isEmpty();
}

void LoopPanel::tick()
{
    if (++m_loopMinuteCount == leadingNumber(ui->intervalBox->currentText())) {
        emit due();
        m_loopMinuteCount = 0;
    }
    showNextQuery();
}
