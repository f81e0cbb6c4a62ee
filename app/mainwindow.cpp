#include "app/mainwindow.h"

#include "app/historycontroller.h"
#include "app/monitoringpanels.h"
#include "app/overviewlink.h"
#include "app/queryinputs.h"
#include "app/sidebuttons.h"
#include "app/statusline.h"
#include "app/updatechecker.h"
#include "common/bringtofront.h"
#include "common/firstframe.h"
#include "common/layoutfit.h"
#include "common/texts.h"
#include "monitor/changenotice.h"
#include "monitor/parcelnotification.h"
#include "tracking/companytyping.h"
#include "tracking/queryoutcome.h"
#include "tracking/resultlist.h"
#include "tracking/trackingrequest.h"
#include "tray/traylink.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>

MainWindow::MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
                       QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::MainWindow>()), m_platform(platform), m_endpoints(endpoints),
      m_folders(folders), m_book({folders.historyFile(), folders.earlierHistoryFile(),
                                  folders.dataFile(QLatin1String(ParcelStore::fileName))},
                                 platform.clock),
      m_showRowsTimer(this)
{
    // The skin before the widgets, so that each is polished once, when shown, not again for it.
    m_platform.skin.attach(m_folders.deliveredFile(QStringLiteral("skinh.she")), QString());
    // The colours the program has always worn: every hue of the palette turned back 157°.
    m_platform.skin.adjustHsv(-157, 0, 0);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false); // before the children: it re-parents them
    ui->setupUi(this);
    m_guard = new ReentryGuard(this, platform.boxes, [this] { return busy(); });
    setFixedSize(size());
    growLabelsToLineHeight(this);
    m_statusLine = new StatusLine(ui->statusBar, m_platform.clock, this);
    setupQuery();
    setupInputs();
    setupSideButtons();
    setupPanels();
    setupNotifications();
    setupOverview();
    setupUpdateCheck();
    loadAndGreet();
}

MainWindow::~MainWindow() = default;

void MainWindow::setupQuery()
{
    connect(ui->queryButton, &QPushButton::clicked, this, [this] { startQuery(false); });
    auto *resultList = new ResultList(ui->resultView);
    connect(resultList, &ResultList::clickedNoRow, this,
            [this] { m_statusLine->setMessage(tr("当前没有物流信息")); });
    m_results = &resultList->rows();
    m_showRowsTimer.setObjectName(QStringLiteral("showRowsTimer"));
    m_showRowsTimer.setInterval(100); // the emptied list is seen a moment before the new rows fill it
    connect(&m_showRowsTimer, &QTimer::timeout, this, &MainWindow::showPendingRows);
}

void MainWindow::setupInputs()
{
    m_inputs = new QueryInputs({.frame = ui->inputsFrame,
                                .companyBox = ui->companyBox,
                                .companySearchButton = ui->companySearchButton,
                                .numberBox = ui->numberBox,
                                .deleteNumberButton = ui->deleteNumberButton,
                                .clearHistoryButton = ui->clearHistoryButton},
                               m_book, *m_guard, m_platform.boxes, this);
    connect(m_inputs, &QueryInputs::message, this,
            [this](const QString &text) { m_statusLine->setMessage(text); });
    connect(m_inputs, &QueryInputs::picked, this, &MainWindow::resetRowCounts);
    // A picked parcel's note, where the number box shows it: in its tooltip, until the text is edited.
    connect(m_inputs, &QueryInputs::picked, this, [this] {
        ui->numberBox->setToolTip(
            m_book.board().noteOf({ui->numberBox->currentText(), ui->companyBox->currentText()}));
    });
    connect(ui->numberBox->lineEdit(), &QLineEdit::textEdited, ui->numberBox,
            [box = ui->numberBox] { box->setToolTip(QString()); });
    new CompanyTyping(ui->companyBox, m_platform.clock, this);
}

void MainWindow::setupSideButtons()
{
    auto *buttons = new SideButtons({.exportButton = ui->exportButton,
                                     .aboutButton = ui->aboutButton,
                                     .forumButton = ui->forumButton,
                                     .outletButton = ui->outletButton},
                                    *m_results, *m_guard, m_platform, m_endpoints, m_folders, this);
    connect(buttons, &SideButtons::message, this,
            [this](const QString &text) { m_statusLine->setMessage(text); });
}

void MainWindow::setupPanels()
{
    const QList<QWidget *> inputs{ui->numberBox, ui->companyBox, ui->deleteNumberButton,
                                  ui->clearHistoryButton, ui->companySearchButton};
    m_panels = new MonitoringPanels(
        ui->schedulePanel, ui->loopPanel, *m_guard, m_platform.clock, inputs,
        [this] {
            return !ui->companyBox->currentText().isEmpty() && !ui->numberBox->currentText().isEmpty();
        },
        this);
    connect(m_panels, &MonitoringPanels::queryDue, this, [this] { startQuery(true); });
}

void MainWindow::setupNotifications()
{
    connect(&m_platform.notifier, &Notifier::activated, this, [this](const QString &, QObject *poster) {
        if (poster == this) // not another window's parcel, nor the overview's
            bringToFront(this);
    });
}

void MainWindow::setupOverview()
{
    m_overviewLink = std::make_unique<OverviewLink>(m_book, m_inputs->history(), *m_guard, m_platform,
                                                    m_endpoints.trackingHost, this);
    connect(m_overviewLink.get(), &OverviewLink::openRequested, this, &MainWindow::openParcel);
    connect(ui->overviewButton, &QPushButton::clicked, m_overviewLink.get(), &OverviewLink::showWindow);
    m_trayLink = std::make_unique<TrayLink>(m_book, m_folders.autostart(), m_platform, this);
    connect(m_trayLink.get(), &TrayLink::listAsked, m_overviewLink.get(), &OverviewLink::showWindow);
    connect(m_trayLink.get(), &TrayLink::refreshAsked, m_overviewLink.get(), &OverviewLink::refreshAll);
    connect(m_trayLink.get(), &TrayLink::quitAsked, this, [this] {
        m_quitAsked = true;
        close();
    });
    // Logging off ends the program as it always has, whatever the tray keeps.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_quitAsked = true; });
}

void MainWindow::setupUpdateCheck()
{
    m_updateChecker = new UpdateChecker(*m_guard, m_platform, m_endpoints, this);
    connect(m_updateChecker, &UpdateChecker::waitingChanged, this, &MainWindow::waitChanged);
    // An unreadable history is what the user must know most once the program has loaded.
    connect(m_updateChecker, &UpdateChecker::message, this,
            [this](const QString &text, const QString &cause) {
                m_statusLine->setMessage(m_book.history().unreadable() ? Texts::historyUnreadable() : text,
                                         cause);
            });
    // Qt gives the focus to the first control that takes it, 删 while the number box is locked;
    // once the check unlocks the box, typing goes there, unless the user chose another control.
    m_firstFocusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this && !m_startFocus)
            m_startFocus = now;
    });
    connect(m_updateChecker, &UpdateChecker::ended, this, [this] {
        ui->queryButton->setEnabled(true);
        ui->numberBox->setEnabled(true);
        disconnect(m_firstFocusWatch);
        if (!focusWidget() || focusWidget() == m_startFocus)
            ui->numberBox->setFocus();
        m_overviewLink->updateCheckEnded();
        waitChanged();
    });
}

// What the window does once it is made: the lists filled, the greeting played, the clock started,
// and the update check a second later.
void MainWindow::loadAndGreet()
{
    m_inputs->fill();
    playSound(QStringLiteral("orvo.mp3"));
    m_statusLine->showClock();
    m_updateChecker->startSoon();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Start-up does not wait for the record: it opens once the window is on screen.
    if (!m_book.board().isOpen())
        afterFirstFrame(this, [this] { m_book.openRecord(); });
}

QString MainWindow::whyNoParcelNow() const
{
    return busy() ? tr("主窗口正在查询，请稍后再打开")
           : m_updateChecker->state() != UpdateChecker::State::Ended ? tr("程序检测更新中，请稍后再打开")
           : m_panels->isArmed() ? tr("主窗口正在定时或循环查询，请先停止再打开")
                                 : QString();
}

// A parcel of the list, as a pick from the number box followed by the query; the change notice
// compares with the steps the user has seen of it there.
void MainWindow::openParcel(const ParcelKey &key)
{
    if (const QString refused = whyNoParcelNow(); !refused.isEmpty())
        return m_overviewLink->setStatus(refused);
    const int seenRows = m_book.openedFromList(key);
    m_inputs->selectCompany(key.company);
    ui->numberBox->setEditText(key.number);
    ui->numberBox->setToolTip(m_book.board().noteOf(key));
    m_previousRowCount = seenRows;
    m_currentRowCount = seenRows;
    bringToFront(this);
    startQuery(false);
}

void MainWindow::resetRowCounts()
{
    m_previousRowCount = 0;
    m_currentRowCount = 0;
}

void MainWindow::startQuery(bool byPanel)
{
    if (busy())
        return; // a query or the update check waits for its answer
    Query query{.company = ui->companyBox->currentText(),
                .companyCode = m_inputs->companyCode(),
                .number = ui->numberBox->currentText(),
                .byPanel = byPanel};
    if (!inputsComplete(query))
        return;
    ui->deliveryStatusLabel->setText(tr("快件状态：未查询"));
    ui->queryButton->setEnabled(false);
    m_showRowsTimer.stop(); // rows still waiting from an earlier answer are superseded
    m_pending.reset();
    m_results->clear();
    m_statusLine->setMessage(tr("%1快递查询中...").arg(query.company));
    m_queryState = QueryState::Waiting;
    m_platform.fetch.getInBackground(
        TrackingRequest::url(m_endpoints.trackingHost, query.companyCode, query.number), this,
        [this, query](const FetchResult &answer) { queryAnswered(query, answer); });
    waitChanged();
}

void MainWindow::queryAnswered(Query query, const FetchResult &answer)
{
    m_queryState = QueryState::Idle;
    QueryOutcome outcome = QueryOutcome::read(answer);
    query.historySaved = m_book.recordQuery(query.number, query.company, outcome);
    if (outcome.kind != QueryOutcome::Kind::Answered) {
        if (outcome.emptiesNumber()) {
            ui->numberBox->clearEditText();
            ui->numberBox->setFocus();
        }
        endQuery(outcome.message(), outcome.shownCause());
        return waitChanged();
    }
    query.rows = std::move(outcome.rows);
    if (query.rows.isEmpty())
        endQuery(query.historySaved ? outcome.message() : Texts::historyNotSaved());
    else
        showRowsSoon(std::move(query));
    waitChanged();
}

bool MainWindow::inputsComplete(const Query &query)
{
    // The paste hint is a text for the user, never a number: it counts as an empty box.
    if (query.number.isEmpty() || query.number == QStringLiteral("双击文本可粘贴单号")) {
        ui->numberBox->clearEditText();
        ui->numberBox->setFocus();
        m_statusLine->setMessage(tr("请输入快递单号!"));
        return false;
    }
    if (query.company.isEmpty()) {
        ui->companyBox->setFocus();
        m_statusLine->setMessage(tr("请选择快递公司!"));
        return false;
    }
    return true;
}

void MainWindow::showRowsSoon(Query query)
{
    m_pending = std::move(query);
    m_queryState = QueryState::Showing;
    m_showRowsTimer.start();
}

void MainWindow::showPendingRows()
{
    m_showRowsTimer.stop();
    if (!m_pending)
        return;
    m_queryState = QueryState::Idle;
    const Query query = *std::exchange(m_pending, std::nullopt);
    m_results->setRows(query.rows);
    m_previousRowCount = m_currentRowCount;
    m_currentRowCount = m_results->rowCount();
    endQuery(query.historySaved ? tr("查询完毕...") : Texts::historyNotSaved());
    ui->deliveryStatusLabel->setText(QueryOutcome::deliveryStatus(newestRow(query.rows).progress));
    showChangeNotice(query);
}

void MainWindow::endQuery(const QString &message, const QString &cause)
{
    m_statusLine->setMessage(message, cause);
    ui->queryButton->setEnabled(true);
}

void MainWindow::showChangeNotice(const Query &query)
{
    const ChangeNotice notice =
        ChangeNotice::decide(m_previousRowCount, m_currentRowCount, query.byPanel, isActiveWindow());
    ui->changeNoticeLabel->setText(notice.grew ? tr("是否更新：有更新") : tr("是否更新：无更新"));
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
    const QString number = HistoryStore::recordedNumber(query.number);
    const ResultRow newest = newestRow(query.rows);
    m_platform.notifier.notify(
        ParcelNotification::forParcel({query.company, number, newest.time, newest.progress,
                                       m_book.board().noteOf({number, query.company})}),
        this);
}

void MainWindow::playSound(const QString &fileName)
{
    m_platform.sound.play(m_folders.deliveredFile(fileName));
}

bool MainWindow::startInTray()
{
    if (!m_trayLink->isShown())
        return false;
    QTimer::singleShot(0, this, [this] { m_book.openRecord(); }); // no first frame to wait for
    return true;
}

void MainWindow::showAgain()
{
    bringToFront(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_quitAsked && m_trayLink->keepsRunning()) {
        m_overviewLink->hideWindow(); // the list goes with the window
        m_trayLink->hideWindow();
        event->ignore();
        return;
    }
    if (busy()) {
        m_closeAsked = true; // the farewell question once the answer is in, after its box
        event->ignore();
        return;
    }
    const QString text =
        tr("感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?");
    const BoxButton answer =
        m_guard->show({Texts::boxTitle(), text, BoxIcon::Information,
                       BoxButton::Yes | BoxButton::No | BoxButton::Cancel, BoxButton::Yes});
    if (answer == BoxButton::Yes)
        m_platform.shell.openUrl(m_endpoints.forumUrl);
    const bool leaving = answer == BoxButton::Yes || answer == BoxButton::No;
    m_quitAsked = m_quitAsked && leaving;
    if (leaving) {
        m_guard->programEnding();      // nothing put off runs then
        m_overviewLink->closeWindow(); // it closes with the main window
    }
    // A window hidden in the tray that closes is no last window closed: the program ends here.
    if (leaving && m_trayLink->isShown())
        m_platform.appExit.exitNow(0);
    event->setAccepted(leaving);
}

bool MainWindow::isWaiting() const
{
    return m_queryState == QueryState::Waiting || m_updateChecker->state() == UpdateChecker::State::Waiting;
}

bool MainWindow::busy() const
{
    return isWaiting() || m_updateChecker->state() == UpdateChecker::State::Answered;
}

void MainWindow::waitChanged()
{
    const bool waiting = isWaiting();
    if (waiting)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    m_panels->setHeld(waiting);
    if (busy())
        return;
    if (std::exchange(m_closeAsked, false) && !m_guard->ending())
        QTimer::singleShot(0, this, &QWidget::close);
    m_guard->runPutOffSoon();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Input to this window and its pop-up lists is dropped, typed, committed by an input method,
    // dropped in or a shortcut's alike; it repaints all the same. The program's other windows (the
    // list of every parcel, its dialogs, a file dialog) are children too, and keep working.
    static constexpr QEvent::Type held[] = {QEvent::Shortcut,  QEvent::ShortcutOverride, QEvent::InputMethod,
                                            QEvent::DragEnter, QEvent::DragMove,         QEvent::Drop};
    if (!event->isInputEvent() && std::ranges::find(held, event->type()) == std::end(held))
        return false;
    QObject *owner = watched; // a shortcut's or an action's widget
    while (owner && !owner->isWidgetType())
        owner = owner->parent();
    if (!owner)
        return false;
    const QWidget *window = static_cast<QWidget *>(owner)->window();
    while (window->windowType() == Qt::Popup && window->parentWidget()) // a list's pop-up: the list's window
        window = window->parentWidget()->window();
    return window == this;
}
