#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "common/firstframe.h"
#include "common/layoutfit.h"
#include "common/texts.h"
#include "history/historybox.h"
#include "monitor/changenotice.h"
#include "monitor/parcelnotification.h"
#include "outlet/outletdialog.h"
#include "overview/overviewwindow.h"
#include "overview/parcelboard.h"
#include "overview/parcelstore.h"
#include "overview/refreshengine.h"
#include "search/companysearchdialog.h"
#include "tracking/catalogue.h"
#include "tracking/queryoutcome.h"
#include "tracking/resultexport.h"
#include "tracking/resultlist.h"
#include "tracking/trackingrequest.h"
#include "tracking/updatecheck.h"
#include "ui_mainwindow.h"

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

MainWindow::MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
                       QWidget *parent)
    : QWidget(parent), ui(new Ui::MainWindow), m_platform(platform), m_endpoints(endpoints),
      m_folders(folders), m_history(folders.historyFile(), folders.earlierHistoryFile()),
      m_showRowsTimer(this), m_updateCheckTimer(this), m_clockTimer(this)
{
    // The skin before the widgets, so that each is polished once, when shown, not again for it.
    m_platform.skin.attach(m_folders.deliveredFile(QStringLiteral("skinh.she")), QString());
    m_platform.skin.adjustHsv(-157, 0, 0);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false); // before the children: it re-parents them
    ui->setupUi(this);
    m_guard = new ReentryGuard(this, platform.boxes, [this](bool held) {
        ui->schedulePanel->setHeld(held);
        ui->loopPanel->setHeld(held);
    });
    setFixedSize(size());
    growLabelsToLineHeight(this);
    ui->loopPanel->hide();
    setupStatusBar();
    setupTimers();
    setupInputs();
    setupHistory();
    setupPanels();
    setupShortcuts();
    setupOverview();
    loadAndGreet();
}

MainWindow::~MainWindow()
{
    // The overview's parts hold on to the record, which goes before the window's children.
    delete m_overview;
    delete m_refresh;
    delete m_parcelBoard;
    delete ui;
}

void MainWindow::setupStatusBar()
{
    // Panel widths 1440, 5475, 1440 and 1200 twips; panel 2 is the message line, panel 4 a clock.
    ui->statusBar->setPanels(
        {{96, QStringLiteral("查询提示："), QStringLiteral("查询提示"), QStringLiteral("captionPanel")},
         {365, QStringLiteral("程序检测更新中.."), QStringLiteral("消息"), QStringLiteral("messagePanel")},
         {96, QStringLiteral("Mirovel出品"), QStringLiteral("出品"), QStringLiteral("makerPanel")},
         {80, QString(), QStringLiteral("时间"), QStringLiteral("clockPanel")}});
}

void MainWindow::setupTimers()
{
    m_showRowsTimer.setObjectName(QStringLiteral("showRowsTimer"));
    m_showRowsTimer.setInterval(100);
    connect(&m_showRowsTimer, &QTimer::timeout, this, &MainWindow::showPendingRows);
    m_updateCheckTimer.setObjectName(QStringLiteral("updateCheckTimer"));
    m_updateCheckTimer.setInterval(1000);
    connect(&m_updateCheckTimer, &QTimer::timeout, this, &MainWindow::checkForUpdate);
    m_clockTimer.setSingleShot(true);
    connect(&m_clockTimer, &QTimer::timeout, this, &MainWindow::showClock);
}

void MainWindow::setupInputs()
{
    // The number sent is exactly what was typed: no completion from the history.
    ui->numberBox->setCompleter(nullptr);
    ui->numberBox->lineEdit()->setMaxLength(numberBoxMaxLength);
    connect(ui->companyBox, &QComboBox::currentIndexChanged, this, &MainWindow::companyChosen);
    connect(ui->queryButton, &QPushButton::clicked, this, [this] { startQuery(false); });
    connect(ui->companySearchButton, &QPushButton::clicked, this, &MainWindow::openCompanySearch);
    connect(ui->exportButton, &QPushButton::clicked, this, &MainWindow::exportResults);
    connect(ui->forumButton, &QPushButton::clicked, this, &MainWindow::openForum);
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainWindow::openAbout);
    connect(ui->outletButton, &QPushButton::clicked, this, &MainWindow::openOutletLookup);
}

void MainWindow::setupHistory()
{
    m_historyBox = new HistoryBox(ui->numberBox, m_history, m_guard->boxes(), this);
    connect(ui->deleteNumberButton, &QPushButton::clicked, m_historyBox, &HistoryBox::deleteTypedNumber);
    connect(ui->clearHistoryButton, &QPushButton::clicked, m_historyBox, &HistoryBox::clearAll);
    connect(m_historyBox, &HistoryBox::message, this, [this](const QString &text) { setMessageLine(text); });
    connect(m_historyBox, &HistoryBox::picked, this, [this](const QString &company) {
        // Selecting by name runs the list's own selection handling; an unknown name keeps the selection.
        const int position = ui->companyBox->findText(company, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position >= 0)
            ui->companyBox->setCurrentIndex(position);
        m_previousRowCount = 0;
        m_currentRowCount = 0;
    });
}

void MainWindow::setupPanels()
{
    for (MonitorPanel *panel :
         {static_cast<MonitorPanel *>(ui->schedulePanel), static_cast<MonitorPanel *>(ui->loopPanel)}) {
        panel->attach(m_guard->boxes(), m_platform.clock, [this] {
            return !ui->companyBox->currentText().isEmpty() && !ui->numberBox->currentText().isEmpty();
        });
        connect(panel, &MonitorPanel::armed, this, [this] { setInputsLocked(true); });
        connect(panel, &MonitorPanel::disarmed, this, [this] { setInputsLocked(false); });
        connect(panel, &MonitorPanel::due, this, &MainWindow::panelQueryDue);
    }
    connect(ui->schedulePanel, &MonitorPanel::leaving, this,
            [this] { swapPanels(ui->schedulePanel, ui->loopPanel); });
    connect(ui->loopPanel, &MonitorPanel::leaving, this,
            [this] { swapPanels(ui->loopPanel, ui->schedulePanel); });
}

void MainWindow::setupShortcuts()
{
    // F8, with any modifier, pastes from anywhere in the window, an open drop-down list included;
    // a modal dialog in front keeps it.
    static_assert(Qt::ShiftModifier == 1 << 25 && Qt::ControlModifier == 1 << 26 &&
                  Qt::AltModifier == 1 << 27 && Qt::MetaModifier == 1 << 28);
    QList<QKeySequence> f8;
    for (int held = 0; held < 16; ++held) // every combination of the four
        f8.append(QKeySequence(QKeyCombination(Qt::KeyboardModifiers(held << 25), Qt::Key_F8)));
    auto *paste = new QShortcut(this);
    paste->setKeys(f8);
    paste->setContext(Qt::ApplicationShortcut);
    connect(paste, &QShortcut::activated, this, &MainWindow::pasteNumber);
    connect(&m_platform.notifier, &Notifier::activated, this, [this](const QString &key, QObject *poster) {
        if (poster == this) // not another window's parcel
            bringToFront();
        else if (poster && poster == m_refresh)
            overviewNotificationActivated(key);
    });
}

// The record is not opened here: openParcelBoard() runs once the window has painted its first frame.
void MainWindow::setupOverview()
{
    m_parcelStore = std::make_unique<ParcelStore>(m_folders.dataFile(QLatin1String(ParcelStore::fileName)),
                                                  m_platform.clock);
    m_parcelBoard = new ParcelBoard(*m_parcelStore, m_platform.clock, this);
    m_refresh = new RefreshEngine(*m_parcelBoard, m_platform, m_endpoints.trackingHost, this);
    m_refresh->setObjectName(QStringLiteral("refreshEngine"));
    connect(m_refresh, &RefreshEngine::ended, this,
            [this](RefreshEngine::Ending, const QList<ParcelKey> &grown) { notifyRefreshed(grown); });
    connect(ui->overviewButton, &QPushButton::clicked, this, &MainWindow::showOverview);
    // After the history box's own handling of 删 and 清.
    connect(ui->deleteNumberButton, &QPushButton::clicked, this, &MainWindow::followHistory);
    connect(ui->clearHistoryButton, &QPushButton::clicked, this, &MainWindow::followHistory);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_parcelBoard->isOpen())
        afterFirstFrame(this, [this] { openParcelBoard(); });
}

void MainWindow::openParcelBoard()
{
    if (!m_parcelBoard->isOpen())
        m_parcelBoard->open(m_history.entries());
}

void MainWindow::followHistory()
{
    if (m_parcelBoard->isOpen())
        m_parcelBoard->followHistory(m_history.entries());
}

OverviewWindow *MainWindow::showOverview()
{
    openParcelBoard();
    if (!m_overview) {
        m_overview = new OverviewWindow(*m_parcelBoard, *m_refresh, this);
        connect(m_overview, &OverviewWindow::openRequested, this, &MainWindow::openParcel);
        connect(m_overview, &OverviewWindow::deleteRequested, this, &MainWindow::deleteParcel);
    }
    m_overview->setWindowState(m_overview->windowState() & ~Qt::WindowMinimized);
    m_overview->show();
    m_overview->raise();
    m_overview->activateWindow();
    return m_overview;
}

void MainWindow::openParcel(const ParcelKey &key)
{
    const QString refused = m_guard->handlerRunning() ? QStringLiteral("主窗口正在查询,请稍后再打开")
                            : !m_updateCheckEnded ? QStringLiteral("程序检测更新中,请稍后再打开")
                            : !ui->numberBox->isEnabled()
                                ? QStringLiteral("主窗口正在定时或循环查询,请先停止再打开")
                                : QString();
    if (!refused.isEmpty()) {
        if (m_overview)
            m_overview->setStatus(refused);
        return;
    }
    m_parcelBoard->clearMark(key);
    // As a pick from the number box: the company, the number, the counts from nothing.
    const int position = ui->companyBox->findText(key.company, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position >= 0)
        ui->companyBox->setCurrentIndex(position);
    ui->numberBox->setEditText(key.number);
    m_previousRowCount = 0;
    m_currentRowCount = 0;
    bringToFront();
    startQuery(false);
}

void MainWindow::deleteParcel(const ParcelKey &key)
{
    m_historyBox->deleteNumber(key.number);
    followHistory();
}

void MainWindow::notifyRefreshed(const QList<ParcelKey> &grown)
{
    QList<ParcelNotification::Grown> parcels;
    for (const ParcelKey &key : grown) {
        const int row = m_parcelBoard->rowOf(key);
        if (row < 0)
            continue;
        const ParcelRecord &parcel = m_parcelBoard->parcel(row);
        parcels.append({key.company, key.number, parcel.newestTime, parcel.newestStep});
    }
    // The engine posts: it lives for the whole run, so an activation finds the overview even closed.
    for (const Notification &notification : ParcelNotification::forRefresh(parcels))
        m_platform.notifier.notify(notification, m_refresh);
}

void MainWindow::overviewNotificationActivated(const QString &key)
{
    OverviewWindow *overview = showOverview();
    for (int row = 0; row < m_parcelBoard->count(); ++row) {
        const ParcelKey &parcel = m_parcelBoard->parcel(row).key;
        if (ParcelNotification::key(parcel.number, parcel.company) == key)
            return overview->selectParcel(parcel);
    }
}

// What the window does once it is made: the lists filled, the skin on, the greeting played, and
// the update check a second later.
void MainWindow::loadAndGreet()
{
    fillCompanyList();
    m_historyBox->loadAndShow();
    auto *resultList = new ResultList(ui->resultView);
    connect(resultList, &ResultList::clickedNoRow, this,
            [this] { setMessageLine(QStringLiteral("当前没有物流信息")); });
    m_results = &resultList->rows();
    playSound(QStringLiteral("orvo.mp3"));
    showClock();
    m_updateCheckTimer.start();
}

void MainWindow::setMessageLine(const QString &text, const QString &cause)
{
    ui->statusBar->setText(2, text, cause);
}

void MainWindow::showClock()
{
    const QDateTime now = m_platform.clock.now();
    ui->statusBar->setText(4, now.toString(QStringLiteral("HH:mm")));
    // Wake once a minute, just after the minute turns.
    m_clockTimer.start(60000 - (now.time().second() * 1000 + now.time().msec()) + 50);
}

void MainWindow::fillCompanyList()
{
    {
        // Filling a combo box selects its first entry; the user has picked nothing yet, so no
        // company code may follow from the filling.
        const QSignalBlocker blocker(ui->companyBox);
        ui->companyBox->addItems(Catalogue::names());
        ui->companyBox->setCurrentIndex(-1);
    }
    ui->inputsFrame->setTitle(
        QStringLiteral("物流信息 [当前支持:%1家物流公司]F8快捷粘贴单号").arg(ui->companyBox->count()));
}

void MainWindow::companyChosen(int index)
{
    const QString code = Catalogue::code(index);
    if (!code.isEmpty())
        m_companyCode = code;
}

void MainWindow::panelQueryDue()
{
    if (!m_guard->putOffWhileBoxOpen(ReentryGuard::Work::PanelQuery, [this] { panelQueryDue(); }))
        startQuery(true);
}

void MainWindow::startQuery(bool byPanel)
{
    if (m_guard->handlerRunning())
        return; // a query or the update check waits for its answer
    Query query{.company = ui->companyBox->currentText(),
                .companyCode = m_companyCode,
                .number = ui->numberBox->currentText(),
                .byPanel = byPanel};
    if (!inputsComplete(query))
        return;
    const auto busy = m_guard->handler();
    ui->deliveryStatusLabel->setText(QStringLiteral("快件状态：未查询"));
    ui->queryButton->setEnabled(false);
    m_showRowsTimer.stop(); // rows still waiting from an earlier answer are superseded
    m_pending.reset();
    m_results->clear();

    QueryOutcome outcome = fetchOutcome(query);
    if (outcome.kind != QueryOutcome::Kind::Answered) {
        if (outcome.emptiesNumber()) {
            ui->numberBox->clearEditText();
            ui->numberBox->setFocus();
        }
        endQuery(outcome.message(), outcome.cause);
        return;
    }
    recordInHistory(query);
    query.rows = std::move(outcome.rows);
    if (query.rows.isEmpty())
        endQuery(query.historySaved ? outcome.message() : Texts::historyNotSaved());
    else
        showRowsSoon(std::move(query));
}

bool MainWindow::inputsComplete(const Query &query)
{
    if (query.number.isEmpty() || query.number == QStringLiteral("双击文本可粘贴单号")) {
        ui->numberBox->clearEditText();
        ui->numberBox->setFocus();
        setMessageLine(QStringLiteral("请输入快递单号!"));
        return false;
    }
    if (query.company.isEmpty()) {
        ui->companyBox->setFocus();
        setMessageLine(QStringLiteral("请选择快递公司!"));
        return false;
    }
    return true;
}

QueryOutcome MainWindow::fetchOutcome(const Query &query)
{
    setMessageLine(query.company + QStringLiteral("快递查询中..."));
    return QueryOutcome::read(
        fetch(TrackingRequest::url(m_endpoints.trackingHost, query.companyCode, query.number)));
}

void MainWindow::recordInHistory(Query &query)
{
    query.historySaved =
        m_historyBox->add(query.number, query.company) != HistoryStore::AddResult::SaveFailed;
    followHistory();
    m_parcelBoard->clearMark({HistoryStore::recordedNumber(query.number), query.company});
}

void MainWindow::showRowsSoon(Query query)
{
    m_pending = std::move(query);
    m_showRowsTimer.start();
}

void MainWindow::showPendingRows()
{
    m_showRowsTimer.stop();
    if (!m_pending)
        return;
    const Query query = *std::exchange(m_pending, std::nullopt);
    m_results->setRows(query.rows);
    m_previousRowCount = m_currentRowCount;
    m_currentRowCount = m_results->rowCount();
    endQuery(query.historySaved ? QStringLiteral("查询完毕...") : Texts::historyNotSaved());
    ui->deliveryStatusLabel->setText(
        QueryOutcome::deliveryStatus(m_results->cell(0, ResultModel::progressColumn)));
    showChangeNotice(query);
}

void MainWindow::endQuery(const QString &message, const QString &cause)
{
    setMessageLine(message, cause);
    ui->queryButton->setEnabled(true);
}

void MainWindow::showChangeNotice(const Query &query)
{
    const ChangeNotice notice =
        ChangeNotice::decide(m_previousRowCount, m_currentRowCount, query.byPanel, isActiveWindow());
    ui->changeNoticeLabel->setText(notice.grew ? QStringLiteral("是否更新：有更新")
                                               : QStringLiteral("是否更新：无更新"));
    QPalette palette = ui->changeNoticeLabel->palette();
    palette.setColor(QPalette::WindowText, notice.grew ? QColor(255, 0, 0) : QColor(0, 0, 0));
    ui->changeNoticeLabel->setPalette(palette);
    if (notice.grew)
        playSound(QStringLiteral("ts.mp3"));
    if (notice.notify)
        notifyParcelMoved(query);
}

void MainWindow::notifyParcelMoved(const Query &query)
{
    m_platform.notifier.notify(
        ParcelNotification::forParcel({query.company, HistoryStore::recordedNumber(query.number),
                                       m_results->cell(0, ResultModel::timeColumn),
                                       m_results->cell(0, ResultModel::progressColumn)}),
        this);
}

void MainWindow::playSound(const QString &fileName)
{
    m_platform.sound.play(m_folders.deliveredFile(fileName));
}

void MainWindow::checkForUpdate()
{
    m_updateCheckTimer.stop();
    if (m_guard->putOffWhileBoxOpen(ReentryGuard::Work::UpdateCheck, [this] { checkForUpdate(); }))
        return;
    const auto busy = m_guard->handler();
    const UpdateCheck::Result check = UpdateCheck::evaluate(fetch(UpdateCheck::url(m_endpoints.updateHost)));
    if (check.verdict == UpdateCheck::Verdict::Newer) {
        setMessageLine(QStringLiteral("程序已加载完毕..."));
        m_guard->boxes().show({QStringLiteral("Tiko提示"), UpdateCheck::newerVersionText(check.version),
                               BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
        m_platform.shell.openUrl(m_endpoints.forumUrl);
        m_guard->programEnding();
        m_platform.appExit.exitNow(0);
        return;
    }
    if (check.verdict == UpdateCheck::Verdict::Failed)
        m_guard->boxes().show({Texts::boxTitle(), QStringLiteral("检测更新失败!请您稍后再试,暂时使用原版"),
                               BoxIcon::Exclamation, BoxButton::Ok, BoxButton::NoButton});
    setMessageLine(QStringLiteral("程序已加载完毕..."), check.cause);
    ui->queryButton->setEnabled(true);
    ui->numberBox->setEnabled(true);
    m_updateCheckEnded = true;
    m_refresh->updateCheckEnded();
}

FetchResult MainWindow::fetch(const QUrl &url)
{
    const FetchResult result = m_platform.fetch.get(url);
    m_guard->waited();
    return result;
}

// Each dialog is made when it is shown and gone when it closes, so every opening starts fresh.
void MainWindow::openCompanySearch()
{
    CompanySearchDialog dialog(Catalogue::names(), m_platform.boxes, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const int position : dialog.matches()) {
        ui->companyBox->setCurrentIndex(position);
        if (dialog.typed())
            setMessageLine(QStringLiteral("找到【") + ui->companyBox->currentText() +
                           QStringLiteral("】，是否为您要找的公司?"));
    }
}

void MainWindow::openAbout()
{
    AboutDialog dialog(m_platform.shell, m_endpoints.forumUrl, this);
    dialog.exec();
}

void MainWindow::openOutletLookup()
{
    OutletDialog dialog(m_platform.fetch, m_endpoints.outletHost, m_platform.boxes, this);
    dialog.exec();
}

void MainWindow::exportResults()
{
    const ResultExport::Told told = ResultExport::told(
        ResultExport::write(*m_results, m_folders.dataFile(QStringLiteral("物流信息.txt"))));
    m_guard->boxes().show(
        {Texts::boxTitle(), told.box, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
    setMessageLine(told.messageLine);
}

void MainWindow::openForum()
{
    m_platform.shell.openUrl(m_endpoints.forumUrl);
}

void MainWindow::setInputsLocked(bool locked)
{
    for (QWidget *input :
         {static_cast<QWidget *>(ui->numberBox), static_cast<QWidget *>(ui->companyBox),
          static_cast<QWidget *>(ui->deleteNumberButton), static_cast<QWidget *>(ui->clearHistoryButton),
          static_cast<QWidget *>(ui->companySearchButton)})
        input->setEnabled(!locked);
}

void MainWindow::swapPanels(QWidget *leaving, QWidget *coming)
{
    // The two panels take turns in one place.
    coming->show();
    coming->move(leaving->pos());
    leaving->hide();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_guard->holdClose()) {
        event->ignore();
        return;
    }
    const QString text = QStringLiteral("感谢您对Pell、对Orvo系列的软件的支持!") + QLatin1Char('\n') +
                         QLatin1Char(' ') + QLatin1Char('\n') +
                         QStringLiteral("是否退出并到论坛可以下载更多Orvo系列原创免费软件?");
    const BoxButton answer =
        m_guard->boxes().show({Texts::boxTitle(), text, BoxIcon::Information,
                               BoxButton::Yes | BoxButton::No | BoxButton::Cancel, BoxButton::Yes});
    if (answer == BoxButton::Yes)
        m_platform.shell.openUrl(m_endpoints.forumUrl);
    const bool leaving = answer == BoxButton::Yes || answer == BoxButton::No;
    if (leaving) {
        m_guard->programEnding(); // nothing put off runs then
        if (m_overview)
            m_overview->close(); // it closes with the main window
    }
    event->setAccepted(leaving);
}

void MainWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::pasteNumber()
{
    // Even while the box is disabled; an open list closes, so that Enter cannot pick over the paste.
    ui->numberBox->setEditText(QGuiApplication::clipboard()->text());
    for (QComboBox *list : findChildren<QComboBox *>())
        list->hidePopup();
}
