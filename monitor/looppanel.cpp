#include "monitor/looppanel.h"

#include "app/textrules.h"
#include "platform/messageboxes.h"
#include "ui_looppanel.h"

namespace {
const QString disarmedCaption = QStringLiteral("开始循环");
const QString armedCaption = QStringLiteral("停止循环");
const QString boxTitle = QStringLiteral("Orvo系列软件");
} // namespace

LoopPanel::LoopPanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::LoopPanel), m_timer6(this)
{
    ui->setupUi(this);
    m_timer6.setObjectName(QStringLiteral("Timer6"));
    m_timer6.setInterval(60000);
    connect(&m_timer6, &QTimer::timeout, this, &LoopPanel::timer6Tick);
    connect(ui->Command5, &QPushButton::clicked, this, &LoopPanel::command5Click);
    connect(ui->Command11, &QPushButton::clicked, this, &LoopPanel::command11Click);
}

LoopPanel::~LoopPanel()
{
    delete ui;
}

void LoopPanel::attach(const MonitorContext &context)
{
    m_context = context;
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

bool LoopPanel::isArmed() const
{
    return ui->Command5->text() == armedCaption;
}

void LoopPanel::setInputsEnabled(bool enabled)
{
    for (QWidget *input : std::as_const(m_context.inputs))
        input->setEnabled(enabled);
    ui->Combo4->setEnabled(enabled);
}

void LoopPanel::command5Click()
{
    const QString caption = ui->Command5->text();
    if (caption == disarmedCaption) {
        if (m_context.company().isEmpty() || m_context.number().isEmpty()) {
            m_context.boxes->show({boxTitle, QStringLiteral("请先查询单号后在使用本功能!"),
                                   BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
            return;
        }
        if (ui->Combo4->currentText().isEmpty()) {
            m_context.boxes->show({boxTitle, QStringLiteral("请先设定时间!"), BoxIcon::Information,
                                   BoxButton::Ok, BoxButton::NoButton});
            return;
        }
        setInputsEnabled(false);
        ui->Command5->setText(armedCaption);
        m_timer6.start();
        m_loopMinuteCount = 0;
    } else if (caption == armedCaption) {
        ui->Command5->setText(disarmedCaption);
        m_timer6.stop();
        setInputsEnabled(true);
        m_loopMinuteCount = 0;
    }
}

void LoopPanel::timer6Tick()
{
    // While a query waits for its answer no tick counts or starts another.
    if (!isArmed() || (m_context.busy && m_context.busy()))
        return;
    ++m_loopMinuteCount;
    if (leadingNumber(ui->Combo4->currentText()) != m_loopMinuteCount)
        return;
    m_context.runQuery();
    m_loopMinuteCount = 0;
}

void LoopPanel::command11Click()
{
    if (isArmed()) {
        const BoxButton answer =
            m_context.boxes->show({boxTitle, QStringLiteral("当前正在循环查询,是否终止?"),
                                   BoxIcon::Information, BoxButton::Yes | BoxButton::No, BoxButton::Yes});
        if (answer != BoxButton::Yes)
            return;
    }
    emit switchToSchedule();
    ui->Command5->setText(disarmedCaption);
    m_timer6.stop();
    setInputsEnabled(true);
    m_loopMinuteCount = 0;
}
