#include "monitor/schedulepanel.h"

#include "app/textrules.h"
#include "platform/clock.h"
#include "platform/messageboxes.h"
#include "ui_schedulepanel.h"

namespace {
const QString disarmedCaption = QStringLiteral("开始定时");
const QString armedCaption = QStringLiteral("关闭定时");
const QString boxTitle = QStringLiteral("Orvo系列软件");

QStringList numbers(int first, int last)
{
    QStringList list;
    list.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}
} // namespace

SchedulePanel::SchedulePanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::SchedulePanel), m_timer4(this)
{
    ui->setupUi(this);
    m_timer4.setObjectName(QStringLiteral("Timer4"));
    m_timer4.setInterval(1000);
    connect(&m_timer4, &QTimer::timeout, this, &SchedulePanel::timer4Tick);
    connect(ui->Command8, &QPushButton::clicked, this, &SchedulePanel::command8Click);
    connect(ui->Command10, &QPushButton::clicked, this, &SchedulePanel::command10Click);
}

SchedulePanel::~SchedulePanel()
{
    delete ui;
}

void SchedulePanel::attach(const MonitorContext &context)
{
    m_context = context;
}

void SchedulePanel::fillLists()
{
    ui->Combo2->addItems(numbers(0, 23));
    ui->Combo3->addItems(numbers(0, 59));
    ui->Combo2->setCurrentIndex(0);
    ui->Combo3->setCurrentIndex(0);
}

bool SchedulePanel::isArmed() const
{
    return ui->Command8->text() == armedCaption;
}

void SchedulePanel::setInputsEnabled(bool enabled)
{
    ui->Combo2->setEnabled(enabled);
    ui->Combo3->setEnabled(enabled);
    for (QWidget *input : std::as_const(m_context.inputs))
        input->setEnabled(enabled);
}

void SchedulePanel::command8Click()
{
    const QString caption = ui->Command8->text();
    if (caption == disarmedCaption) {
        if (m_context.company().isEmpty() || m_context.number().isEmpty()) {
            m_context.boxes->show({boxTitle, QStringLiteral("请先查询单号后在使用定时功能!"),
                                   BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
            return;
        }
        if (ui->Combo2->currentText().isEmpty() || ui->Combo3->currentText().isEmpty()) {
            m_context.boxes->show({boxTitle, QStringLiteral("请设定查询时间!"), BoxIcon::Information,
                                   BoxButton::Ok, BoxButton::NoButton});
            return;
        }
        setInputsEnabled(false);
        ui->Command8->setText(armedCaption);
        m_timer4.start();
    } else if (caption == armedCaption) {
        ui->Command8->setText(disarmedCaption);
        m_timer4.stop();
        setInputsEnabled(true);
    }
}

void SchedulePanel::timer4Tick()
{
    if (!isArmed() || (m_context.busy && m_context.busy()))
        return;
    const QTime now = m_context.clock->now().time();
    if (leadingNumber(ui->Combo2->currentText()) != now.hour() ||
        leadingNumber(ui->Combo3->currentText()) != now.minute())
        return;
    // Stopped before the query: its wait lets timers run, and the schedule fires only once.
    m_timer4.stop();
    m_context.runQuery();
    if (isArmed())
        command8Click();
}

void SchedulePanel::command10Click()
{
    if (isArmed()) {
        const BoxButton answer =
            m_context.boxes->show({boxTitle, QStringLiteral("当前正在定时查询,是否终止?"),
                                   BoxIcon::Information, BoxButton::Yes | BoxButton::No, BoxButton::Yes});
        if (answer != BoxButton::Yes)
            return;
    }
    emit switchToLoop();
    ui->Command8->setText(disarmedCaption);
    m_timer4.stop();
    setInputsEnabled(true);
}
