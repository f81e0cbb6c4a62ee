#include "app/form1.h"

#include "app/form4.h"
#include "app/layoutfit.h"
#include "app/updatecheck.h"
#include "history/historyactions.h"
#include "history/historybox.h"
#include "monitor/changenotice.h"
#include "outlet/form5.h"
#include "search/form2.h"
#include "tracking/catalogue.h"
#include "tracking/resultexport.h"
#include "tracking/resultlist.h"
#include "tracking/resultparser.h"
#include "tracking/trackingrequest.h"
#include "ui_form1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QShortcut>
#include <QTreeView>
#include <QWindow>

namespace {
const QString boxTitle = QStringLiteral("Orvo系列软件");
// Long pasted text must fit in the number box whole.
constexpr int numberBoxMaxLength = 16 * 1024 * 1024;
} // namespace

Form1::Form1(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
             QWidget *parent)
    : QWidget(parent), ui(new Ui::Form1), m_platform(platform), m_endpoints(endpoints), m_folders(folders),
      m_history(folders.historyFile(), folders.earlierHistoryFile()), m_timer1(this), m_timer3(this)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    growLabelsToLineHeight(this);
    ui->Frame6->hide();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &Form1::timer1Tick);
    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(1000);
    connect(&m_timer3, &QTimer::timeout, this, &Form1::timer3Tick);

    // The number sent is exactly what was typed: no completion from the history, no insertion.
    ui->Text1->setInsertPolicy(QComboBox::NoInsert);
    ui->Text1->setCompleter(nullptr);
    ui->Text1->lineEdit()->setMaxLength(numberBoxMaxLength);
    connect(ui->Combo1, &QComboBox::currentIndexChanged, this, &Form1::combo1Click);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::command1Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form1::command2Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::command3Click);
    connect(ui->Command6, &QPushButton::clicked, this, &Form1::command6Click);
    connect(ui->Command12, &QPushButton::clicked, this, &Form1::command12Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form1::command4Click);

    m_historyActions = new HistoryActions(ui->Text1, ui->Combo1, m_history, m_platform.boxes, this);
    // `activated` comes only from the user's choice in the list, never from typing or from code.
    connect(ui->Text1, &QComboBox::activated, m_historyActions, &HistoryActions::pick);
    connect(ui->Command9, &QPushButton::clicked, m_historyActions, &HistoryActions::command9Click);
    connect(ui->Command7, &QPushButton::clicked, m_historyActions, &HistoryActions::command7Click);
    connect(m_historyActions, &HistoryActions::message, this, &Form1::setMessageLine);
    connect(m_historyActions, &HistoryActions::picked, this, [this] {
        m_previousRowCount = 0;
        m_currentRowCount = 0;
    });

    MonitorContext monitor;
    monitor.boxes = &m_platform.boxes;
    monitor.clock = &m_platform.clock;
    monitor.inputs = {ui->Text1, ui->Combo1, ui->Command9, ui->Command7, ui->Command2};
    monitor.company = [this] { return ui->Combo1->currentText(); };
    monitor.number = [this] { return ui->Text1->currentText(); };
    monitor.runQuery = [this] { command1Click(); };
    monitor.busy = [this] { return m_handlerDepth > 0; };
    ui->Frame4->attach(monitor);
    ui->Frame6->attach(monitor);
    // The two panels take turns in one place.
    connect(ui->Frame4, &SchedulePanel::switchToLoop, this, [this] {
        ui->Frame6->show();
        ui->Frame6->move(ui->Frame4->pos());
        ui->Frame4->hide();
    });
    connect(ui->Frame6, &LoopPanel::switchToSchedule, this, [this] {
        ui->Frame4->show();
        ui->Frame4->move(ui->Frame6->pos());
        ui->Frame6->hide();
    });
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

    kdlb();
    dq();
    m_platform.skin.attach(m_folders.deliveredFile(QStringLiteral("skinh.she")), QString());
    m_platform.skin.adjustHsv(-157, 0, 0);
    m_results = ResultList::prepare(ui->ListView1);
    playSound(QStringLiteral("orvo.mp3"));
    ui->Frame4->fillLists();
    ui->Frame6->fillLists();

    ui->S1->startClock(m_platform.clock);
    m_timer3.start();
}

Form1::~Form1()
{
    delete ui;
}

QString Form1::messageLine() const
{
    return ui->S1->text(2);
}

void Form1::setMessageLine(const QString &text)
{
    ui->S1->setText(2, text);
}

void Form1::kdlb()
{
    {
        // Filling a combo box selects its first entry; the user has picked nothing yet,
        // so no company code may follow from the filling.
        const QSignalBlocker blocker(ui->Combo1);
        ui->Combo1->addItems(Catalogue::names());
        ui->Combo1->setCurrentIndex(-1);
    }
    ui->Frame2->setTitle(
        QStringLiteral("物流信息 [当前支持:%1家物流公司]F8快捷粘贴单号").arg(ui->Combo1->count()));
}

void Form1::dq()
{
    HistoryBox::setEntries(ui->Text1, m_history.load());
}

void Form1::combo1Click(int index)
{
    const QString code = Catalogue::code(index);
    if (!code.isEmpty())
        m_companyCode = code;
}

void Form1::command1Click()
{
    if (m_fetching)
        return;
    enterHandler();
    const auto leave = qScopeGuard([this] { leaveHandler(); });
    const QString number = ui->Text1->currentText();
    if (number.isEmpty()) {
        ui->Text1->setFocus();
        setMessageLine(QStringLiteral("请输入快递单号!"));
        return;
    }
    if (number == QStringLiteral("双击文本可粘贴单号")) {
        ui->Text1->clearEditText();
        ui->Text1->setFocus();
        setMessageLine(QStringLiteral("请输入快递单号!"));
        return;
    }
    if (ui->Combo1->currentText().isEmpty()) {
        ui->Combo1->setFocus();
        setMessageLine(QStringLiteral("请选择快递公司!"));
        return;
    }
    ui->Label3->setText(QStringLiteral("快件状态：未查询"));
    ui->Command1->setEnabled(false);
    // A parse still pending from an earlier answer is superseded by this query.
    m_timer1.stop();
    csh();
    m_historySaveFailed = false;
    m_results->clear();

    if (!kdgs(number)) {
        endQueryWithoutRows(QStringLiteral("查询失败,请检查网络后重试!"));
        return;
    }
    const auto refusal = TrackingRequest::refusal(m_resultPage);
    if (refusal != TrackingRequest::Refusal::None) {
        if (TrackingRequest::refusalEmptiesNumber(refusal)) {
            ui->Text1->clearEditText();
            ui->Text1->setFocus();
        }
        setMessageLine(TrackingRequest::refusalStatus(refusal));
        ui->Command1->setEnabled(true);
        return;
    }
    xr();
    hx2();
    if (m_pendingRowCount == 0) {
        m_resultPage.clear();
        endQueryWithoutRows(QStringLiteral("暂无物流信息!"));
    }
}

void Form1::endQueryWithoutRows(const QString &message)
{
    setMessageLine(m_historySaveFailed ? QStringLiteral("单号记录保存失败!") : message);
    ui->Command1->setEnabled(true);
}

bool Form1::kdgs(const QString &number)
{
    setMessageLine(ui->Combo1->currentText() + QStringLiteral("快递查询中..."));
    const FetchResult result = fetch(TrackingRequest::url(m_endpoints.trackingHost, m_companyCode, number));
    m_resultPage = result.ok() ? result.body : QString();
    return !m_resultPage.isEmpty();
}

FetchResult Form1::fetch(const QUrl &url)
{
    m_fetching = true;
    FetchResult result = m_platform.fetch.get(url);
    m_fetching = false;
    m_waited = true;
    return result;
}

void Form1::hx2()
{
    m_pendingRowCount += ResultParser::countRows(m_resultPage);
    if (m_pendingRowCount > 0)
        m_timer1.start();
}

void Form1::csh()
{
    m_resultPage.clear();
    m_pendingRowCount = 0;
}

void Form1::xr()
{
    const auto result = m_history.add(ui->Text1->currentText(), ui->Combo1->currentText());
    if (result == HistoryStore::AddResult::Added || result == HistoryStore::AddResult::SaveFailed)
        HistoryBox::append(ui->Text1, m_history.entries().constLast());
    if (result == HistoryStore::AddResult::SaveFailed) {
        m_historySaveFailed = true;
        setMessageLine(QStringLiteral("单号记录保存失败!"));
    }
}

void Form1::timer1Tick()
{
    m_timer1.stop();
    m_results->setRows(ResultParser::parse(m_resultPage));
    csh();
    m_previousRowCount = m_currentRowCount;
    m_currentRowCount = m_results->rowCount();
    setMessageLine(m_historySaveFailed ? QStringLiteral("单号记录保存失败!") : QStringLiteral("查询完毕..."));
    ui->Command1->setEnabled(true);
    ui->Label3->setText(ResultParser::deliveryStatus(m_results->cell(0, ResultModel::progressColumn)));
    gxtj();
}

void Form1::gxtj()
{
    const ChangeVerdict verdict = ChangeNotice::decide(m_previousRowCount, m_currentRowCount);
    ui->Label7->setText(verdict.caption);
    QPalette palette = ui->Label7->palette();
    palette.setColor(QPalette::WindowText, verdict.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    ui->Label7->setPalette(palette);
    if (verdict.playSound)
        playSound(QStringLiteral("ts.mp3"));
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
    const QUrl url(QStringLiteral("http://") + m_endpoints.updateHost + QLatin1String(UpdateCheck::path));
    const UpdateCheck::Result check = UpdateCheck::evaluate(fetch(url));
    switch (check.verdict) {
    case UpdateCheck::Verdict::Failed:
        showBox({boxTitle, QStringLiteral("检测更新失败!请您稍后再试,暂时使用原版"),
                               BoxIcon::Exclamation, BoxButton::Ok, BoxButton::NoButton});
        break;
    case UpdateCheck::Verdict::Newer:
        setMessageLine(QStringLiteral("程序已加载完毕..."));
        showBox({QStringLiteral("Tiko提示"), UpdateCheck::newerVersionText(check.version),
                               BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
        m_platform.shell.openUrl(m_endpoints.forumUrl);
        m_ending = true;
        m_platform.appExit.exitNow(0);
        return;
    case UpdateCheck::Verdict::Current:
        break;
    }
    setMessageLine(QStringLiteral("程序已加载完毕..."));
    ui->Command1->setEnabled(true);
    ui->Text1->setEnabled(true);
}

// Each dialog is made when it is shown and gone when it closes, so every opening starts fresh.
void Form1::command2Click()
{
    Form2 dialog(
        ui->Combo1, [this](const QString &text) { setMessageLine(text); }, m_platform.boxes, this);
    dialog.exec();
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

QString Form1::exportPath() const
{
    return m_folders.dataFile(QStringLiteral("物流信息.txt"));
}

void Form1::command3Click()
{
    const auto outcome = ResultExport::ExportListViewContent(*m_results, exportPath());
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
    m_platform.boxes.show({boxTitle, box, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
    setMessageLine(status);
}

void Form1::command4Click()
{
    m_platform.shell.openUrl(m_endpoints.forumUrl);
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
        m_platform.boxes.show({boxTitle, text, BoxIcon::Information,
                               BoxButton::Yes | BoxButton::No | BoxButton::Cancel, BoxButton::Yes});
    if (answer == BoxButton::Yes) {
        m_platform.shell.openUrl(m_endpoints.forumUrl);
        event->accept();
    } else if (answer == BoxButton::No) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && m_deliveringHeld && event->isInputEvent())
        return true; // input given while the window waited goes, as a box in front would drop it
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

void Form1::enterHandler()
{
    ++m_handlerDepth;
}

void Form1::leaveHandler()
{
    if (--m_handlerDepth > 0)
        return;
    m_waited = false;
    if (std::exchange(m_closePending, false) && !m_ending)
        QTimer::singleShot(0, this, &QWidget::close);
}

BoxButton Form1::showBox(const BoxRequest &request)
{
    if (m_waited) {
        // The wait held the window system's events back with the user's input. Shown now, the box
        // would block this window and Qt would drop a close among them, so they go first.
        m_waited = false;
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
