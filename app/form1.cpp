#include "app/form1.h"

#include "app/form4.h"
#include "common/layoutfit.h"
#include "common/textrules.h"
#include "common/texts.h"
#include "history/historybox.h"
#include "outlet/form5.h"
#include "search/form2.h"
#include "tracking/catalogue.h"
#include "tracking/queryoutcome.h"
#include "tracking/resultexport.h"
#include "tracking/resultlist.h"
#include "tracking/trackingrequest.h"
#include "tracking/updatecheck.h"
#include "ui_form1.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QShortcut>
#include <QWindow>

namespace {
// Long pasted text must fit in the number box whole.
constexpr int numberBoxMaxLength = 16 * 1024 * 1024;
} // namespace

Form1::Form1(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
             QWidget *parent)
    : QWidget(parent), ui(new Ui::Form1), m_platform(platform), m_endpoints(endpoints), m_folders(folders),
      m_history(folders.historyFile(), folders.earlierHistoryFile()), m_timer1(this), m_timer3(this),
      m_clockTimer(this)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    growLabelsToLineHeight(this);
    ui->Frame6->hide();
    // Panel widths 1440, 5475, 1440 and 1200 twips; panel 2 is the message line, panel 4 a clock.
    ui->S1->setPanels({{96, QStringLiteral("查询提示："), QStringLiteral("查询提示")},
                       {365, QStringLiteral("程序检测更新中.."), QStringLiteral("消息")},
                       {96, QStringLiteral("Mirovel出品"), QStringLiteral("出品")},
                       {80, QString(), QStringLiteral("时间")}});

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &Form1::timer1Tick);
    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(1000);
    connect(&m_timer3, &QTimer::timeout, this, &Form1::timer3Tick);
    m_clockTimer.setSingleShot(true);
    connect(&m_clockTimer, &QTimer::timeout, this, &Form1::showClock);

    // The number sent is exactly what was typed: no completion from the history.
    ui->Text1->setCompleter(nullptr);
    ui->Text1->lineEdit()->setMaxLength(numberBoxMaxLength);
    connect(ui->Combo1, &QComboBox::currentIndexChanged, this, &Form1::combo1Click);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::command1Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form1::command2Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::command3Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form1::command4Click);
    connect(ui->Command6, &QPushButton::clicked, this, &Form1::command6Click);
    connect(ui->Command12, &QPushButton::clicked, this, &Form1::command12Click);

    m_historyBox = new HistoryBox(ui->Text1, m_history, m_platform.boxes, this);
    connect(ui->Command9, &QPushButton::clicked, m_historyBox, &HistoryBox::command9Click);
    connect(ui->Command7, &QPushButton::clicked, m_historyBox, &HistoryBox::command7Click);
    connect(m_historyBox, &HistoryBox::message, this, [this](const QString &text) { setMessageLine(text); });
    connect(m_historyBox, &HistoryBox::picked, this, [this](const QString &company) {
        // Selecting by name runs the list's own selection handling; an unknown name keeps the selection.
        const int position = ui->Combo1->findText(company, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position >= 0)
            ui->Combo1->setCurrentIndex(position);
        m_previousRowCount = 0;
        m_currentRowCount = 0;
    });

    for (MonitorPanel *panel :
         {static_cast<MonitorPanel *>(ui->Frame4), static_cast<MonitorPanel *>(ui->Frame6)}) {
        panel->attach(m_platform.boxes, m_platform.clock, [this] {
            return !ui->Combo1->currentText().isEmpty() && !ui->Text1->currentText().isEmpty();
        });
        connect(panel, &MonitorPanel::armed, this, [this] { setInputsLocked(true); });
        connect(panel, &MonitorPanel::disarmed, this, [this] { setInputsLocked(false); });
        connect(panel, &MonitorPanel::due, this, [this] {
            m_dueNow = true;
            command1Click();
            m_dueNow = false;
        });
    }
    connect(ui->Frame4, &MonitorPanel::leaving, this, [this] { swapPanels(ui->Frame4, ui->Frame6); });
    connect(ui->Frame6, &MonitorPanel::leaving, this, [this] { swapPanels(ui->Frame6, ui->Frame4); });

    ui->ListView1->viewport()->installEventFilter(this);
    // F8, with any modifier, pastes from anywhere in the window, an open drop-down list included;
    // a modal dialog in front keeps it.
    QList<QKeySequence> f8;
    const Qt::KeyboardModifier modifiers[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                              Qt::MetaModifier};
    for (int set = 0; set < 16; ++set) {
        Qt::KeyboardModifiers held;
        for (int bit = 0; bit < 4; ++bit) {
            if (set & (1 << bit))
                held |= modifiers[bit];
        }
        f8.append(QKeySequence(QKeyCombination(held, Qt::Key_F8)));
    }
    auto *paste = new QShortcut(this);
    paste->setKeys(f8);
    paste->setContext(Qt::ApplicationShortcut);
    connect(paste, &QShortcut::activated, this, &Form1::formKeyDown);
    connect(&m_platform.notifier, &Notifier::activated, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    });

    // `Form_Load`
    kdlb();
    m_historyBox->dq();
    m_platform.skin.attach(m_folders.deliveredFile(QStringLiteral("skinh.she")), QString());
    m_platform.skin.adjustHsv(-157, 0, 0);
    m_results = ResultList::prepare(ui->ListView1);
    playSound(QStringLiteral("orvo.mp3"));
    showClock();
    m_timer3.start();
}

Form1::~Form1()
{
    delete ui;
}

void Form1::setMessageLine(const QString &text, const QString &cause)
{
    ui->S1->setText(2, text, cause);
}

void Form1::showClock()
{
    const QDateTime now = m_platform.clock.now();
    ui->S1->setText(4, now.toString(QStringLiteral("HH:mm")));
    // Wake once a minute, just after the minute turns.
    m_clockTimer.start(60000 - (now.time().second() * 1000 + now.time().msec()) + 50);
}

void Form1::kdlb()
{
    {
        // Filling a combo box selects its first entry; the user has picked nothing yet, so no
        // company code may follow from the filling.
        const QSignalBlocker blocker(ui->Combo1);
        ui->Combo1->addItems(Catalogue::names());
        ui->Combo1->setCurrentIndex(-1);
    }
    ui->Frame2->setTitle(
        QStringLiteral("物流信息 [当前支持:%1家物流公司]F8快捷粘贴单号").arg(ui->Combo1->count()));
}

void Form1::combo1Click(int index)
{
    const QString code = Catalogue::code(index);
    if (!code.isEmpty())
        m_companyCode = code;
}

void Form1::command1Click()
{
    if (m_handlerDepth > 0)
        return; // a query or the update check waits for its answer
    const Asked asked{ui->Combo1->currentText(), ui->Text1->currentText()};
    if (asked.number.isEmpty() || asked.number == QStringLiteral("双击文本可粘贴单号")) {
        ui->Text1->clearEditText();
        ui->Text1->setFocus();
        setMessageLine(QStringLiteral("请输入快递单号!"));
        return;
    }
    if (asked.company.isEmpty()) {
        ui->Combo1->setFocus();
        setMessageLine(QStringLiteral("请选择快递公司!"));
        return;
    }
    enterHandler();
    const auto leave = qScopeGuard([this] { leaveHandler(); });
    m_asked = asked;
    m_askedByPanel = m_dueNow;
    ui->Label3->setText(QStringLiteral("快件状态：未查询"));
    ui->Command1->setEnabled(false);
    m_timer1.stop(); // a parse still pending from an earlier answer is superseded
    csh();
    m_results->clear();

    const QueryOutcome outcome = kdgs(asked);
    if (outcome.kind != QueryOutcome::Kind::Answered) {
        if (outcome.emptiesNumber()) {
            ui->Text1->clearEditText();
            ui->Text1->setFocus();
        }
        endQuery(outcome.message(), outcome.cause);
        return;
    }
    xr(asked);
    if (outcome.rows.isEmpty())
        endQuery(m_historySaved ? outcome.message() : Texts::historyNotSaved());
    else
        hx2(outcome.rows);
}

QueryOutcome Form1::kdgs(const Asked &asked)
{
    setMessageLine(asked.company + QStringLiteral("快递查询中..."));
    return QueryOutcome::read(
        fetch(TrackingRequest::url(m_endpoints.trackingHost, m_companyCode, asked.number)));
}

void Form1::xr(const Asked &asked)
{
    m_historySaved = m_historyBox->add(asked.number, asked.company) != HistoryStore::AddResult::SaveFailed;
}

void Form1::hx2(QList<ResultRow> rows)
{
    m_pendingRows = std::move(rows);
    m_timer1.start();
}

void Form1::timer1Tick()
{
    m_timer1.stop();
    m_results->setRows(m_pendingRows);
    csh();
    m_previousRowCount = m_currentRowCount;
    m_currentRowCount = m_results->rowCount();
    endQuery(m_historySaved ? QStringLiteral("查询完毕...") : Texts::historyNotSaved());
    ui->Label3->setText(QueryOutcome::deliveryStatus(m_results->cell(0, ResultModel::progressColumn)));
    gxtj();
}

void Form1::csh()
{
    m_pendingRows.clear();
}

void Form1::endQuery(const QString &message, const QString &cause)
{
    setMessageLine(message, cause);
    ui->Command1->setEnabled(true);
}

void Form1::gxtj()
{
    // Only the number of rows counts: the parcel's history grew when there are more than before.
    const bool grew = m_previousRowCount < m_currentRowCount;
    ui->Label7->setText(grew ? QStringLiteral("是否更新：有更新") : QStringLiteral("是否更新：无更新"));
    QPalette palette = ui->Label7->palette();
    palette.setColor(QPalette::WindowText, grew ? QColor(255, 0, 0) : QColor(0, 0, 0));
    ui->Label7->setPalette(palette);
    if (grew)
        playSound(QStringLiteral("ts.mp3"));
    // Not for the first query after start or a pick, which always grows from nothing.
    if (grew && m_previousRowCount > 0 && (m_askedByPanel || !isActiveWindow()))
        notifyWhenAway();
}

void Form1::notifyWhenAway()
{
    const auto line = [](const QString &text) { // at most 100 characters, then "…"
        return text.size() > 100 ? cutAtWholeCharacter(text, 101) : text;
    };
    m_platform.notifier.notify(QStringLiteral("快件有更新"),
                               line(m_asked.company + u' ' + HistoryStore::recordedNumber(m_asked.number)) +
                                   u'\n' +
                                   line(m_results->cell(0, ResultModel::timeColumn) + u' ' +
                                        m_results->cell(0, ResultModel::progressColumn)));
}

void Form1::playSound(const QString &fileName)
{
    m_platform.sound.play(m_folders.deliveredFile(fileName));
}

void Form1::timer3Tick()
{
    m_timer3.stop();
    enterHandler();
    const auto leave = qScopeGuard([this] { leaveHandler(); });
    const UpdateCheck::Result check = UpdateCheck::evaluate(fetch(UpdateCheck::url(m_endpoints.updateHost)));
    if (check.verdict == UpdateCheck::Verdict::Newer) {
        setMessageLine(QStringLiteral("程序已加载完毕..."));
        showBox({QStringLiteral("Tiko提示"), UpdateCheck::newerVersionText(check.version),
                 BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
        m_platform.shell.openUrl(m_endpoints.forumUrl);
        m_ending = true;
        m_platform.appExit.exitNow(0);
        return;
    }
    if (check.verdict == UpdateCheck::Verdict::Failed)
        showBox({Texts::boxTitle(), QStringLiteral("检测更新失败!请您稍后再试,暂时使用原版"),
                 BoxIcon::Exclamation, BoxButton::Ok, BoxButton::NoButton});
    setMessageLine(QStringLiteral("程序已加载完毕..."), check.cause);
    ui->Command1->setEnabled(true);
    ui->Text1->setEnabled(true);
}

FetchResult Form1::fetch(const QUrl &url)
{
    const FetchResult result = m_platform.fetch.get(url);
    m_waited = true;
    return result;
}

void Form1::enterHandler()
{
    if (m_handlerDepth++ == 0) {
        ui->Frame4->setHeld(true);
        ui->Frame6->setHeld(true);
    }
}

void Form1::leaveHandler()
{
    if (--m_handlerDepth > 0)
        return;
    ui->Frame4->setHeld(false);
    ui->Frame6->setHeld(false);
    m_waited = false;
    if (std::exchange(m_closePending, false) && !m_ending)
        QTimer::singleShot(0, this, &QWidget::close);
}

BoxButton Form1::showBox(const BoxRequest &request)
{
    if (std::exchange(m_waited, false)) {
        // The wait held the window system's events back with the user's input. Shown now, the box
        // would block this window and Qt would drop a close among them, so they go first; the
        // input goes as the box would have dropped it.
        QWindow *window = windowHandle();
        if (window)
            window->installEventFilter(this);
        m_deliveringHeld = true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        m_deliveringHeld = false;
        if (window)
            window->removeEventFilter(this);
    }
    return m_platform.boxes.show(request);
}

// Each dialog is made when it is shown and gone when it closes, so every opening starts fresh.
void Form1::command2Click()
{
    Form2 dialog(Catalogue::names(), m_platform.boxes, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const int position : dialog.matches()) {
        ui->Combo1->setCurrentIndex(position);
        if (dialog.typed())
            setMessageLine(QStringLiteral("找到【") + ui->Combo1->currentText() +
                           QStringLiteral("】，是否为您要找的公司?"));
    }
}

void Form1::command6Click()
{
    Form4 dialog(m_platform.shell, m_endpoints.forumUrl, this);
    dialog.exec();
}

void Form1::command12Click()
{
    Form5 dialog(m_platform.fetch, m_endpoints.outletHost, m_platform.boxes, this);
    dialog.exec();
}

void Form1::command3Click()
{
    const auto outcome =
        ResultExport::ExportListViewContent(*m_results, m_folders.dataFile(QStringLiteral("物流信息.txt")));
    QString box, status;
    switch (outcome) {
    case ResultExport::Outcome::Written:
        box = QStringLiteral("成功导出全部数据!");
        status = QStringLiteral("成功导出全部数据..");
        break;
    case ResultExport::Outcome::Empty:
        box = QStringLiteral("没有可导出的数据!");
        status = QStringLiteral("没有可导出的数据..");
        break;
    case ResultExport::Outcome::Failed:
        box = QStringLiteral("数据导出失败!");
        status = QStringLiteral("数据导出失败..");
        break;
    }
    m_platform.boxes.show({Texts::boxTitle(), box, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
    setMessageLine(status);
}

void Form1::command4Click()
{
    m_platform.shell.openUrl(m_endpoints.forumUrl);
}

void Form1::setInputsLocked(bool locked)
{
    for (QWidget *input : {static_cast<QWidget *>(ui->Text1), static_cast<QWidget *>(ui->Combo1),
                           static_cast<QWidget *>(ui->Command9), static_cast<QWidget *>(ui->Command7),
                           static_cast<QWidget *>(ui->Command2)})
        input->setEnabled(!locked);
}

void Form1::swapPanels(QWidget *leaving, QWidget *coming)
{
    // The two panels take turns in one place.
    coming->show();
    coming->move(leaving->pos());
    leaving->hide();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_handlerDepth > 0) {
        // Asked once the handler is over: the window must not go while a fetch waits on it, and
        // the question must not stack on a box of that handler.
        m_closePending = true;
        event->ignore();
        return;
    }
    const QString text = QStringLiteral("感谢您对Pell、对Orvo系列的软件的支持!") + QLatin1Char('\n') +
                         QLatin1Char(' ') + QLatin1Char('\n') +
                         QStringLiteral("是否退出并到论坛可以下载更多Orvo系列原创免费软件?");
    const BoxButton answer =
        m_platform.boxes.show({Texts::boxTitle(), text, BoxIcon::Information,
                               BoxButton::Yes | BoxButton::No | BoxButton::Cancel, BoxButton::Yes});
    if (answer == BoxButton::Yes)
        m_platform.shell.openUrl(m_endpoints.forumUrl);
    event->setAccepted(answer == BoxButton::Yes || answer == BoxButton::No);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && m_deliveringHeld && event->isInputEvent())
        return true;
    if (watched == ui->ListView1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        listView1Click(ui->ListView1->indexAt(mouse->position().toPoint()).row());
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::formKeyDown()
{
    // Even while the box is disabled; an open list closes, so that Enter cannot pick over the paste.
    ui->Text1->setEditText(QGuiApplication::clipboard()->text());
    for (QComboBox *list : findChildren<QComboBox *>())
        list->hidePopup();
}

void Form1::listView1Click(int row)
{
    if (row < 0 || m_results->cell(row, ResultModel::numberColumn).isEmpty()) {
        if (row < 0)
            ui->ListView1->clearSelection();
        setMessageLine(QStringLiteral("当前没有物流信息"));
        return;
    }
    if (!m_listTip)
        m_listTip = std::make_unique<Class1>();
    m_listTip->setParentControl(ui->ListView1);
    m_listTip->setToolTipTitle(QStringLiteral("物流跟踪信息"));
    m_listTip->setToolTipText(QStringLiteral("时间:") + m_results->cell(row, ResultModel::timeColumn) +
                              QStringLiteral("\r\n") + QStringLiteral("物流进度:") +
                              m_results->cell(row, ResultModel::progressColumn));
    m_listTip->create();
}
