#include "monitor/schedulepanel.h"

#include "ui_schedulepanel.h"

namespace {
QStringList numbers(int first, int last)
{
    QStringList list;
    list.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}
} // namespace

SchedulePanel::SchedulePanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::SchedulePanel)
{
    ui->setupUi(this);
}

SchedulePanel::~SchedulePanel()
{
    delete ui;
}

void SchedulePanel::fillLists()
{
    ui->Combo2->addItems(numbers(0, 23));
    ui->Combo3->addItems(numbers(0, 59));
    ui->Combo2->setCurrentIndex(0);
    ui->Combo3->setCurrentIndex(0);
}
