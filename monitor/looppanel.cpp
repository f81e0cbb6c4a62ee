#include "monitor/looppanel.h"

#include "ui_looppanel.h"

LoopPanel::LoopPanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::LoopPanel)
{
    ui->setupUi(this);
}

LoopPanel::~LoopPanel()
{
    delete ui;
}

void LoopPanel::fillLists()
{
    QStringList minutes;
    minutes.reserve(360);
    for (int n = 1; n <= 360; ++n)
        minutes.append(QString::number(n));
    ui->Combo4->addItems(minutes);
    ui->Combo4->setCurrentIndex(-1);
}
