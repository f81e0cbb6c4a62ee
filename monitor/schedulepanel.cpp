#include "monitor/schedulepanel.h"

#include "common/layoutfit.h"
#include "common/textrules.h"
#include "platform/clock.h"
#include "ui_schedulepanel.h"

SchedulePanel::SchedulePanel(QWidget *parent)
    : MonitorPanel(parent, "clockWatchTimer", 1000), ui(new Ui::SchedulePanel)
{
    ui->setupUi(this);
    setControls(ui->scheduleButton, ui->toLoopButton, {ui->hourBox, ui->minuteBox},
                {tr("开始定时"), tr("关闭定时"), tr("请先查询单号后在使用定时功能!"), tr("请设定查询时间!"),
                 tr("当前正在定时查询,是否终止?")});
    carryWhole(ui->hourUnit, tr("时", "whole caption"));
    carryWhole(ui->minuteUnit, tr("分", "whole caption"));
    ui->hourBox->addItems(numbers(0, 23)); // both start at "0", the first entry
    ui->minuteBox->addItems(numbers(0, 59));
}

SchedulePanel::~SchedulePanel()
{
    delete ui;
}

QTime SchedulePanel::nextQuery() const
{
    return QTime(leadingNumber(ui->hourBox->currentText()), leadingNumber(ui->minuteBox->currentText()));
}

bool SchedulePanel::timeChosen() const
{
    return !ui->hourBox->currentText().isEmpty() && !ui->minuteBox->currentText().isEmpty();
}

void SchedulePanel::tick()
{
    const QTime now = clock().now().time();
    if (leadingNumber(ui->hourBox->currentText()) != now.hour() ||
        leadingNumber(ui->minuteBox->currentText()) != now.minute())
        return;
    emit due();
    if (isArmed())
        disarm(); // a schedule fires once
}
