#include "windowharness.h"

#include "common/gbtext.h"
#include "common/layoutfit.h"
#include "common/savefile.h"
#include "common/statusbar.h"
#include "overview/parcelmodel.h"
#include "parcels/refreshengine.h"
#include "tracking/resultmodel.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>
#include <QTreeWidget>
#include <csignal>
#include <qpa/qwindowsysteminterface.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

WindowHarness::WindowHarness() : m_fetch(1000, 16 * 1024 * 1024)
{
    if (m_service.listen() == 0)
        m_failure = u"the demo service could not listen"_s;
    const QString host = m_service.hostAndPort();
    m_endpoints = Endpoints{host, host, host, QUrl(u"http://forum.invalid/bbs/"_s)};
    boxes.whileOpen = [this] {
        m_mostOpen = std::max(m_mostOpen, ++m_open);
        QDialog box(m_window.get()); // blocks the window beneath, as a real one does
        box.open();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        guarded([this] {
            for (const QString &step : std::exchange(m_inside, {}))
                perform(step);
        });
        --m_open;
    };
}

WindowHarness::~WindowHarness()
{
    const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &none);
}

void WindowHarness::tick(const char *timer)
{
    if (find<QTimer>(timer)->isActive()) // a stopped timer never ticks
        QMetaObject::invokeMethod(find<QTimer>(timer), "timeout");
}

// Opens the dialog of `button`, acts in it from inside its modal run, and closes it if it stayed.
void WindowHarness::inDialog(const char *button, const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        guarded([&] { act(dialog); });
        if (dialog->isVisible()) {
            m_notes << dialog->windowTitle() + u" stayed"_s;
            dialog->close();
        }
    });
    find<QPushButton>(button)->click();
}

void WindowHarness::guarded(const std::function<void()> &steps)
{
    try {
        steps();
    } catch (const Unknown &unknown) {
        if (m_failure.isEmpty())
            m_failure = unknown.what;
    }
}

QString WindowHarness::run(const QString &steps)
{
    m_notes.clear();
    if (!m_failure.isEmpty())
        return QString();
    guarded([&] {
        for (const QString &step : stepsOf(steps))
            if (m_failure.isEmpty()) { // a box's step that failed ends the scenario
                watchModels();
                perform(step);
            }
    });
    return m_notes.join(u" | "_s);
}

// The window's result and parcel models each under a tester from the step after they are made, so
// that a step that breaks a model's signals fails its row.
void WindowHarness::watchModels()
{
    for (QAbstractItemModel *model :
         m_window ? m_window->findChildren<QAbstractItemModel *>() : QList<QAbstractItemModel *>())
        if ((qobject_cast<ResultModel *>(model) || qobject_cast<ParcelModel *>(model)) &&
            !model->findChild<QAbstractItemModelTester *>(QString(), Qt::FindDirectChildrenOnly))
            new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                         model);
}

void WindowHarness::perform(const QString &step)
{
    act(step);
    if (!m_window || !m_window->isWaiting())
        return;
    for (const QString &during : std::exchange(m_during, {})) // while the answer is awaited
        act(during);
    if (!QTest::qWaitFor([this] { return !m_window->isWaiting(); }, 20000))
        throw Unknown{u"no answer came to "_s + step};
}

// A refresh runs to its end, each answer awaited and each pause ticked through.
void WindowHarness::awaitRefresh()
{
    auto *engine = find<RefreshEngine>("refreshEngine");
    while (engine->isRunning()) {
        if (!QTest::qWaitFor(
                [&] { return !engine->isRunning() || find<QTimer>("refreshPauseTimer")->isActive(); }))
            throw Unknown{u"the refresh got no answer"_s};
        auto *pause = find<QTimer>("refreshPauseTimer");
        if (pause->isActive()) { // a single shot, over once it has ticked
            pause->stop();
            QMetaObject::invokeMethod(pause, "timeout");
        }
    }
}

// What each step does to the window, the service or the fakes around them.
Verbs WindowHarness::windowVerbs()
{
    const auto startOrReady = [this](const Step &step) {
        m_window.reset(); // a restart: the one before lets go of its files first
        m_window = std::make_unique<MainWindow>(
            Platform{m_fetch, sound, boxes, shell, clock, skin, appExit, notifier, files, tray}, m_endpoints,
            ProgramFolders(m_dir.path()));
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            throw Unknown{u"the window did not become active"_s};
        if (step.verb == u"ready")
            tick("updateCheckTimer");
    };
    const auto putOrBlock = [this](const Step &step) {
        if (step.verb == u"put" ? !saveWholeFile(path(step.key), GbText::encode(step.value).value())
                                : !QDir().mkdir(path(step.arg)))
            throw Unknown{u"cannot make "_s + step.arg};
    };
    const auto searchCompany = [this](const Step &step) {
        inDialog("companySearchButton", [&](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(u"keywordBox"_s)->setText(step.arg);
            dialog->findChild<QPushButton *>(step.verb == u"search" ? u"searchButton"_s : step.arg)->click();
        });
    };
    const auto noteOrTyping = [this](const Step &step) {
        // F2 on row N of the overview, TEXT pasted, Enter
        auto *table = find<QTableView>("parcelView");
        table->setCurrentIndex(table->model()->index(step.key.toInt(), ParcelModel::Status));
        QApplication::setActiveWindow(table->window());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!editor)
            throw Unknown{u"no note editor after F2"_s};
        editor->insert(step.value); // as a paste: keyClicks types ASCII alone
        if (step.verb == u"note")
            QTest::keyClick(editor, Qt::Key_Return);
    };
    return {
        {u"start"_s, startOrReady},
        {u"ready"_s, startOrReady},
        {u"put"_s, putOrBlock},
        {u"block"_s, putOrBlock},
        {u"answer"_s,
         [this](const Step &step) {
             if (step.value.startsWith(u"rows:")) {
                 QString table = u"<table>"_s;
                 for (int row = 1; row <= step.value.sliced(5).toInt(); ++row)
                     table += u"<tr><td>T%1</td><td>P%1</td></tr>"_s.arg(row);
                 m_service.setTrackingAnswer(step.key, table + u"</table>"_s);
             } else {
                 m_service.setTrackingAnswer(step.key, step.value);
             }
         }},
        {u"update"_s, [this](const Step &step) { m_service.setUpdateAnswer(step.arg.toUtf8()); }},
        {u"serve"_s, // "drip": a byte every 50 ms
         [this](const Step &step) {
             // "drip": a byte every 50 ms
             const std::optional<DemoService::Behaviour> behaviour = DemoService::behaviourNamed(step.value);
             const QStringList routes{u"tracking"_s, u"update"_s, u"outlet"_s};
             if (!behaviour || !routes.contains(step.key))
                 throw Unknown{u"no route or behaviour: "_s + step.arg};
             m_service.setDripInterval(50);
             step.key == u"tracking" ? m_service.setTrackingBehaviour(*behaviour)
             : step.key == u"update" ? m_service.setUpdateBehaviour(*behaviour)
                                     : m_service.setOutletBehaviour(*behaviour);
         }},
        {u"query"_s,
         [this](const Step &step) {
             perform(u"pick "_s + step.arg.section(u' ', 0, 0));
             perform(u"type "_s + step.arg.section(u' ', 1));
             perform(u"click queryButton"_s);
             tick("showRowsTimer");
         }},
        {u"pick"_s,
         [this](const Step &step) {
             auto *companies = find<QComboBox>("companyBox");
             const int position = step.arg == u"-" ? -1 : companies->findText(step.arg, Qt::MatchExactly);
             if (position < 0 && step.arg != u"-")
                 throw Unknown{u"no company named "_s + step.arg};
             companies->setCurrentIndex(position);
         }},
        {u"type"_s, [this](const Step &step) { find<QComboBox>("numberBox")->setEditText(step.arg); }},
        {u"mnemonic"_s, // as a platform theme may mark one in a caption
         [this](const Step &step) {
             // as a platform theme may mark one in a caption
             auto *button = find<QPushButton>(qPrintable(step.arg));
             button->setText(u'&' + button->text());
         }},
        {u"click"_s, [this](const Step &step) { find<QAbstractButton>(qPrintable(step.arg))->click(); }},
        {u"select"_s,
         [this](const Step &step) {
             find<QComboBox>(step.key.toLatin1().constData())->setCurrentIndex(step.value.toInt());
         }},
        {u"at"_s,
         [this](const Step &step) {
             clock.passTo(
                 QDateTime(clock.current.date(),
                           QTime::fromString(step.arg, step.arg.size() > 5 ? u"H:mm:ss"_s : u"H:mm"_s)));
         }},
        {u"tick"_s, [this](const Step &step) { tick(qPrintable(step.arg)); }},
        {u"reply"_s, // Ok, Yes, No or Cancel: the bits of BoxButton in turn
         [this](const Step &step) {
             // Ok, Yes, No or Cancel: the bits of BoxButton in turn
             const qsizetype bit = QStringList{u"Ok"_s, u"Yes"_s, u"No"_s, u"Cancel"_s}.indexOf(step.arg);
             if (bit < 0)
                 throw Unknown{u"no button "_s + step.arg};
             boxes.answers << BoxButton(1 << bit);
         }},
        {u"focus"_s, [this](const Step &step) { find(qPrintable(step.arg))->setFocus(); }},
        {u"open"_s,
         [this](const Step &step) {
             find<QComboBox>(qPrintable(step.arg))->showPopup();
             QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 1000);
         }},
        {u"key"_s,
         [this](const Step &step) {
             // As the application delivers keys: to the open popup's focus, else to the window's.
             QWidget *popup = QApplication::activePopupWidget(), *target = QApplication::focusWidget();
             if (popup)
                 target = popup->focusWidget() ? popup->focusWidget() : popup;
             if (!target)
                 throw Unknown{u"no window takes the keys "_s + step.arg};
             const QKeyCombination keys = QKeySequence::fromString(step.arg)[0];
             QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
         }},
        {u"keys"_s, // typed into the control with the focus
         [this](const Step &step) {
             // typed into the control with the focus
             if (!QApplication::focusWidget())
                 throw Unknown{u"no control takes the keys "_s + step.arg};
             QTest::keyClicks(QApplication::focusWidget(), step.arg);
         }},
        {u"press"_s, // a click where a control's centre is, on whatever lies on top there
         [this](const Step &step) {
             // a click where a control's centre is, on whatever lies on top there
             QWidget *control = find(qPrintable(step.arg));
             const QPoint at = control->mapTo(m_window.get(), control->rect().center());
             QWidget *top = m_window->childAt(at);
             QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(m_window.get(), at));
         }},
        {u"typein"_s, // TEXT typed into a control, then committed by an input method
         [this](const Step &step) {
             // TEXT typed into a control, then committed by an input method
             QTest::keyClicks(find(step.key.toLatin1().constData()), step.value);
             QInputMethodEvent commit;
             commit.setCommitString(step.value);
             QApplication::sendEvent(find(step.key.toLatin1().constData()), &commit);
         }},
        {u"copy"_s, [this](const Step &step) { QGuiApplication::clipboard()->setText(step.arg); }},
        {u"close"_s,
         [this](const Step &step) {
             step.arg == u"overview" ? void(find("overviewWindow")->close()) : void(m_window->close());
         }},
        {u"closing"_s, // while a fetch waits: from the window system, or by code
         [this](const Step &step) {
             QTimer::singleShot(20, m_window.get(), [this, arg = step.arg] {
                 arg == u"window"_s ? void(QWindowSystemInterface::handleCloseEvent(m_window->windowHandle()))
                                    : void(m_window->close());
             });
         }},
        {u"inside"_s, [this](const Step &step) { m_inside << step.arg; }},
        {u"during"_s, [this](const Step &step) { m_during << step.arg; }},
        {u"elsewhere"_s,
         [this](const Step &) {
             m_elsewhere.show();
             m_elsewhere.activateWindow();
             QTRY_VERIFY(m_elsewhere.isActiveWindow());
         }},
        {u"minimize"_s, [this](const Step &) { m_window->showMinimized(); }},
        {u"activate"_s, // the main window's notification (or another window's), or the refresh's last
         [this](const Step &step) {
             if (step.arg.isEmpty() || step.arg == u"other") {
                 emit notifier.activated(u"1\n顺丰快递"_s,
                                         step.arg.isEmpty() ? m_window.get() : &m_elsewhere);
                 if (step.arg.isEmpty())
                     QTRY_VERIFY(m_window->isActiveWindow());
             } else if (step.arg == u"refresh") {
                 // the notification the refresh posted last
                 if (notifier.posted.isEmpty())
                     throw Unknown{u"no notification to activate"_s};
                 const QString &last = notifier.posted.constLast();
                 emit notifier.activated(last.sliced(1, last.indexOf(u"] "_s) - 1),
                                         find<RefreshEngine>("refreshEngine"));
             } else
                 throw Unknown{u"unknown step: "_s + step.verb + u' ' + step.arg};
         }},
        {u"events"_s,
         [this](const Step &) {
             for (int round = 0; round < 3; ++round) // posted ones run: a close asked for meanwhile
                 QCoreApplication::processEvents();
         }},
        {u"about"_s,
         [this](const Step &) {
             inDialog("aboutButton", [&](QWidget *dialog) {
                 const auto label = [&](const char *name) {
                     return dialog->findChild<QLabel *>(QLatin1String(name));
                 };
                 QString note = dialog->windowTitle() + u'=' + label("versionLabel")->text();
                 for (const char *name :
                      {"wrongNumberNote", "wrongNumberReason", "outOfStepNote", "outOfStepReason"})
                     note += u' ' + label(name)->palette().color(QPalette::WindowText).name();
                 m_notes << note;
                 for (const char *name : {"voiceContact", "qqLink", "emailLink", "forumLink",
                                          "qqLink"}) // links open at each left click
                     QTest::mouseClick(label(name), Qt::LeftButton);
                 QTest::mouseClick(label("forumLink"), Qt::RightButton);
                 QTest::mousePress(label("emailLink"), Qt::LeftButton); // and not at a release beside them
                 QTest::mouseRelease(label("emailLink"), Qt::LeftButton, {},
                                     QPoint(label("emailLink")->width() + 5, 3));
                 dialog->close();
             });
         }},
        {u"row"_s,
         [this](const Step &step) {
             auto *list = find<QTreeView>("resultView");
             const QModelIndex index = list->model()->index(step.arg.toInt(), 1);
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               index.isValid() ? list->visualRect(index).center()
                                               : QPoint(20, list->viewport()->height() - 5));
         }},
        {u"resize"_s,
         [this](const Step &) {
             auto *list = find<QTreeView>("resultView");
             QWidget *header = list->header()->viewport();
             const QPoint divider(list->header()->sectionViewportPosition(1) - 1, header->height() / 2);
             QTest::mousePress(header, Qt::LeftButton, {}, divider);
             QTest::mouseMove(header, divider + QPoint(60, 0));
             QTest::mouseRelease(header, Qt::LeftButton, {}, divider + QPoint(60, 0));
             QTest::mouseDClick(header, Qt::LeftButton, {}, divider);
         }},
        {u"search"_s, searchCompany},
        {u"popular"_s, searchCompany},
        {u"outlet"_s,
         [this](const Step &step) {
             inDialog("outletButton", [&](QWidget *dialog) {
                 const bool leaving =
                     step.arg.startsWith(u'!'); // the dialog closes while its page is awaited
                 auto *query = dialog->findChild<QPushButton *>(u"lookUpButton"_s);
                 dialog->findChild<QLineEdit *>(u"nameBox"_s)->setText(step.arg.sliced(leaving));
                 if (leaving)
                     QTimer::singleShot(0, dialog, [&, dialog] {
                         m_notes << (query->isEnabled() ? u"查询 enabled"_s : u"查询 disabled"_s);
                         dialog->close();
                     });
                 query->click();
                 QStringList values;
                 for (const char *label : {"outletNameValue", "managerValue", "secondNameValue", "phoneValue",
                                           "areaValue", "noDeliveryValue"})
                     values << dialog->findChild<QLabel *>(QLatin1String(label))->text();
                 m_notes << dialog->windowTitle() + u'=' + values.join(u',') + u" / "_s +
                                dialog->findChild<StatusBar *>()->text(2);
                 QTest::mouseClick(dialog->findChild<QLabel *>(u"areaValue"_s), Qt::LeftButton);
                 dialog->close();
             });
         }},
        {u"limit"_s,
         [this](const Step &step) {
             std::signal(SIGXFSZ, SIG_IGN); // an oversized write() then fails with EFBIG
             const rlimit limit{step.arg == u"0" ? RLIM_INFINITY : step.arg.toULong(), RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &limit);
         }},
        {u"batch"_s, // 添加单号 opened, the numbers pasted, the pause after them
         [this](const Step &step) {
             if (step.key == u"company") { // line N's company: "batch company=N=NAME", or letters typed
                 auto *table = find<QTableView>("numbersTable");
                 const QModelIndex company = table->model()->index(step.value.section(u'=', 0, 0).toInt(), 1);
                 table->setCurrentIndex(company);
                 QTest::keyClick(table, Qt::Key_F2);
                 auto *list = qobject_cast<QComboBox *>(table->indexWidget(company));
                 const QString chosen = step.value.section(u'=', 1);
                 if (list && chosen.front().isLower()) // letters typed to the closed list
                     QTest::keyClicks(list, chosen);
                 else if (list && list->findText(chosen) >= 0)
                     list->setCurrentIndex(list->findText(chosen));
                 else
                     throw Unknown{u"no line or company "_s + step.value};
             } else {
                 // 添加单号 opened, the numbers pasted, the pause after them
                 find<QPushButton>("addNumbersButton")->click();
                 QApplication::setActiveWindow(find("addNumbersDialog")); // as the window system would
                 find<QPlainTextEdit>("numbersText")->setPlainText(step.arg);
                 tick("readNumbersTimer");
             }
         }},
        {u"refresh"_s, // 全部查询 (or 添加 of 添加单号), each answer awaited and each pause
         [this](const Step &step) {
             // 全部查询 (or 添加 of 添加单号), each answer awaited and each pause
             // ticked through
             find<QPushButton>(step.arg == u"add" ? "addButton" : "refreshAllButton")->click();
             if (step.arg == u"stop") // while the first request is in flight
                 find<QPushButton>("stopButton")->click();
             awaitRefresh();
         }},
        {u"tray"_s, // on: the next start finds a tray; click: its icon; else the item of that text
         [this](const Step &step) {
             if (step.arg == u"on")
                 tray.available = true;
             else if (step.arg == u"click")
                 emit tray.clicked();
             else if (!tray.choose(step.arg))
                 throw Unknown{u"no tray item "_s + step.arg};
             if (step.arg == u"全部查询")
                 awaitRefresh();
         }},
        {u"again"_s, [this](const Step &) { m_window->showAgain(); }},
        {u"english"_s, [this](const Step &) { m_english.emplace(); }},
        {u"clipped"_s,
         [this](const Step &step) {
             const auto note = [this](const QWidget *window) {
                 const QStringList clipped = clippedTexts(window);
                 m_notes << window->windowTitle() + u" clipped "_s +
                                (clipped.isEmpty() ? u"none"_s : clipped.join(u", "_s));
             };
             if (!step.arg.isEmpty())
                 return inDialog(qPrintable(step.arg),
                                 [&](QWidget *dialog) { note(dialog), dialog->close(); });
             QWidgetList windows = QApplication::topLevelWidgets(); // in no set order
             std::ranges::sort(windows, {}, &QWidget::windowTitle);
             for (const QWidget *window : windows)
                 if (window->isVisible() && window != &m_elsewhere)
                     note(window);
         }},
        {u"sort"_s, // a click on the title of the overview's column N
         [this](const Step &step) {
             // a click on the title of the overview's column N
             QHeaderView *header = find<QTableView>("parcelView")->horizontalHeader();
             QTest::mouseClick(
                 header->viewport(), Qt::LeftButton, {},
                 QPoint(header->sectionViewportPosition(step.arg.toInt()) + 5, header->height() / 2));
         }},
        {u"widen"_s, // the overview N px wider: what its newest step and filter gained
         [this](const Step &step) {
             // the overview N px wider: what its newest step and filter gained
             auto *overview = find("overviewWindow");
             auto *header = find<QTableView>("parcelView")->horizontalHeader();
             const int newest = header->sectionSize(ParcelModel::Newest), filter = find("filterBox")->width();
             overview->resize(overview->width() + step.arg.toInt(), overview->height());
             QCoreApplication::processEvents();
             m_notes << u"newest +%1, filter +%2, narrowest %3 px"_s
                            .arg(header->sectionSize(ParcelModel::Newest) - newest)
                            .arg(find("filterBox")->width() - filter)
                            .arg(overview->minimumSizeHint().width() <= 660 ? u"≤ 660"_s : u"> 660"_s);
         }},
        {u"filter"_s, [this](const Step &step) { find<QLineEdit>("filterBox")->setText(step.arg); }},
        {u"note"_s, noteOrTyping},
        {u"typing"_s, noteOrTyping},
        {u"list"_s, // "list export NAME" (Ctrl+E), "list import NAME" (Ctrl+I): NAME picked
         [this](const Step &step) {
             // "list export NAME" (Ctrl+E), "list import NAME" (Ctrl+I): NAME picked
             files.paths.enqueue(path(step.arg.section(u' ', 1)));
             auto *overview = find<QWidget>("overviewWindow");
             QApplication::setActiveWindow(overview); // the keys belong to the window that has them
             QTest::keyClick(overview->focusWidget() ? overview->focusWidget() : overview,
                             step.arg.startsWith(u"export "_s) ? Qt::Key_E : Qt::Key_I, Qt::ControlModifier);
             if (!files.paths.isEmpty())
                 throw Unknown{u"no file dialog after the keys of "_s + step.arg};
         }},
        {u"enter"_s,
         [this](const Step &step) {
             auto *table = find<QTableView>("parcelView");
             table->setCurrentIndex(table->model()->index(step.arg.toInt(), 0));
             QTest::keyClick(table, Qt::Key_Return);
         }},
        {u"menu"_s,
         [this](const Step &step) {
             auto *table = find<QTableView>("parcelView");
             const QModelIndex index = table->model()->index(step.key.toInt(), 0);
             bool chosen = false;
             QTimer::singleShot(0, table, [&] {
                 auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                 for (QAction *action : menu ? menu->actions() : QList<QAction *>())
                     if (action->text() == step.value && !std::exchange(chosen, true)) {
                         menu->close();
                         action->trigger();
                     }
                 if (menu)
                     menu->close();
             });
             if (index.isValid())
                 emit table->customContextMenuRequested(table->visualRect(index).center());
             if (!chosen)
                 throw Unknown{u"no menu item "_s + step.arg};
         }},
        {u"show"_s,
         [this](const Step &step) {
             for (const QString &what : step.arg.split(u','))
                 m_notes << what.trimmed() + u'=' + shown(what.trimmed());
         }},
    };
}

void WindowHarness::act(const QString &step)
{
    if (!::perform(m_verbs, step))
        throw Unknown{u"unknown step: "_s + step};
}

// What the window shows: the message line (statusBar: every panel); how many rows, the top and the bottom
// row, the colours of the first two; the number box's entries; the boxes shown so far, or the last
// one whole or the window it belongs to; a file; the request the service received last, its company code, how
// many; the sounds, the skin, the forum pages opened, the exit codes; the locked controls; the focus; the
// balloon; whether a list's popup, the window or a selection is there; the monitoring panel in
// view; the columns' widths; a list's entries, first to last; the overview's rows or column titles, or what
// it has selected (closed when it is not open), or whether its columns fit; the tray (its tooltip, mark and
// menu, "none" without one) and whether a login entry starts the program; or a control by name: a timer on or
// off, a list's text, a label's text (changeNoticeLabel with its colour), a frame's title, a button's
// caption, a progress bar's text.
QString WindowHarness::shown(const QString &what) const
{
    auto *list = find<QTreeView>("resultView");
    const QAbstractItemModel *model = list->model();
    const auto row = [&](int r) {
        return QStringList{model->index(r, 0).data().toString(), model->index(r, 1).data().toString(),
                           model->index(r, 2).data().toString()}
            .join(u'|');
    };
    QStringList parts;
    if (what == u"message" || what == u"statusBar") {
        for (int panel = what == u"statusBar" ? 1 : 2; panel <= (what == u"statusBar" ? 4 : 2); ++panel)
            parts << find<StatusBar>("statusBar")->text(panel);
    } else if (what == u"rows" || what == u"top" || what == u"bottom")
        parts << (what == u"rows" ? QString::number(model->rowCount())
                                  : row(what == u"top" ? 0 : model->rowCount() - 1));
    else if (what == u"colours") { // only the top row's time and progress are red
        for (int cell = 0; cell < 6; ++cell) {
            const QVariant colour = model->index(cell / 3, cell % 3).data(Qt::ForegroundRole);
            parts << (colour.value<QBrush>().color() == Qt::red ? u"red"_s : u"-"_s);
        }
        return parts.join(u' ');
    } else if (what == u"entries") {
        for (int i = 0; i < find<QComboBox>("numberBox")->count(); ++i)
            parts << find<QComboBox>("numberBox")->itemText(i);
    } else if (what == u"tray")
        return tray.shown();
    else if (what == u"autostart") // an entry that starts the program at login
        return ProgramFolders(m_dir.path()).autostart().isOn() ? u"on"_s : u"off"_s;
    else if (what == u"boxes" || what == u"notified") {
        for (const BoxRequest &box : boxes.shown)
            parts << box.text;
        return (what == u"boxes" ? parts : notifier.posted).join(u'/');
    } else if (what.startsWith(u"tip:"))
        return find(what.sliced(4).toLatin1().constData())->toolTip();
    else if (what == u"nested") // the most boxes open at once
        return QString::number(m_mostOpen);
    else if (what == u"box" || what == u"boxOwner") {
        const BoxRequest box = boxes.shown.value(boxes.shown.size() - 1);
        if (what == u"boxOwner") // the window the box belongs to
            return box.window ? box.window->objectName() : u"none"_s;
        return u"%1: %2 [icon %3, buttons %4, default %5]"_s.arg(box.title, box.text)
            .arg(int(box.icon))
            .arg(box.buttons)
            .arg(int(box.defaultButton));
    } else if (what.startsWith(u"file:")) {
        QFile file(path(what.sliced(5)));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (!file.isOpen())
            return u"(none)"_s;
        return bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes) : GbText::decode(bytes);
    } else if (what == u"sent" || what == u"code" || what == u"requests") {
        const QString target = QString::fromUtf8(m_service.lastRequestTarget());
        return what == u"sent"   ? target
               : what == u"code" ? target.section(u"com="_s, 1).section(u'&', 0, 0)
                                 : QString::number(m_service.requestCount());
    } else if (what == u"sounds" || what == u"skin") {
        for (const QString &file : what == u"sounds" ? sound.played : QStringList{skin.attached})
            parts << QFileInfo(file).fileName();
        return parts.join(u',') + (what == u"skin" ? u' ' + QString::number(skin.hue) : QString());
    } else if (what == u"forum" || what == u"exit") {
        for (const QUrl &url : shell.opened)
            parts << (what == u"forum" ? url.toString() : QString());
        for (int code : appExit.codes)
            parts << (what == u"exit" ? QString::number(code) : QString());
        parts.removeAll(QString());
    } else if (what == u"locked") {
        for (const char *name : {"numberBox", "companyBox", "deleteNumberButton", "clearHistoryButton",
                                 "companySearchButton", "hourBox", "minuteBox", "intervalBox", "queryButton"})
            if (!find(name)->isEnabled())
                parts << QString::fromLatin1(name);
    } else if (what == u"focus")
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    else if (what == u"tooltip") {
        QTextDocument balloon;
        balloon.setHtml(list->toolTip());
        return balloon.toPlainText().replace(u'\n', u'/');
    } else if (what == u"popup" || what == u"window" || what == u"selection" || what == u"minimized")
        return (what == u"popup"       ? QApplication::activePopupWidget() != nullptr
                : what == u"window"    ? m_window->isVisible()
                : what == u"minimized" ? m_window->isMinimized()
                                       : list->selectionModel()->hasSelection())
                   ? u"yes"_s
                   : u"no"_s;
    else if (what == u"onscreen") { // the overview whole on the main window's screen
        const QWidget *overview = find("overviewWindow");
        return m_window->screen()->availableGeometry().contains(overview->geometry()) ? u"yes"_s : u"no"_s;
    } else if (what == u"fits") { // every column of the overview in view
        const auto *view = find<QTableView>("parcelView");
        return view->horizontalHeader()->length() <= view->viewport()->width() ? u"yes"_s : u"no"_s;
    } else if (what == u"headers") { // the overview's column titles
        const QAbstractItemModel *parcels = find<QTableView>("parcelView")->model();
        for (int column = 0; column < parcels->columnCount(); ++column)
            parts << parcels->headerData(column, Qt::Horizontal).toString();
    } else if (what == u"parcels") { // the overview's rows as shown: number, status, steps, mark
        const QAbstractItemModel *parcels = find<QTableView>("parcelView")->model();
        for (int r = 0; r < parcels->rowCount(); ++r)
            parts << QStringList{parcels->index(r, ParcelModel::Number).data().toString(),
                                 parcels->index(r, ParcelModel::Status).data().toString(),
                                 parcels->index(r, ParcelModel::Steps).data().toString(),
                                 parcels->index(r, ParcelModel::Marked).data().toString()}
                         .join(u' ')
                         .trimmed();
    } else if (what == u"suggestions") { // the couriers offered under the number box, each [why]
        const auto *offered =
            m_window->findChild<QListWidget *>(u"courierSuggestions"_s); // made when first shown
        for (int line = 0; offered && offered->isVisible() && line < offered->count(); ++line)
            parts << offered->item(line)->text() + u'[' + offered->item(line)->toolTip() + u']';
        return parts.isEmpty() ? u"none"_s : parts.join(u',');
    } else if (what == u"batch") { // the lines of 添加单号: number, company, note
        const QAbstractItemModel *lines = find<QTableView>("numbersTable")->model();
        for (int row = 0; row < lines->rowCount(); ++row) {
            QStringList cells{lines->index(row, 0).data().toString(), lines->index(row, 1).data().toString(),
                              lines->index(row, 2).data().toString()};
            cells.removeAll(QString());
            parts << cells.join(u' ');
        }
    } else if (what.startsWith(u"parcel:")) { // row N of the overview, every column, the status's tooltip
        const QAbstractItemModel *parcels = find<QTableView>("parcelView")->model();
        const int row = what.sliced(7).toInt();
        for (int column = 0; column < parcels->columnCount(); ++column)
            parts << parcels->index(row, column).data().toString();
        return parts.join(u'/') + u" ~ "_s +
               parcels->index(row, ParcelModel::Status).data(Qt::ToolTipRole).toString();
    } else if (what == u"overview") { // closed, or the number selected and the newest step below
        const auto *overview = m_window->findChild<QWidget *>(u"overviewWindow"_s);
        if (!overview || !overview->isVisible())
            return u"closed"_s;
        const auto *table = find<QTableView>("parcelView");
        const QTreeWidgetItem *newest = find<QTreeWidget>("stepsView")->topLevelItem(0);
        return table->currentIndex().siblingAtColumn(0).data().toString() + u' ' +
               (newest ? newest->text(1) : u"-"_s);
    } else if (what == u"panel") {
        const QWidget *panel = find("schedulePanel")->isVisible() ? find("schedulePanel") : find("loopPanel");
        return u"%1 at %2,%3"_s.arg(panel->objectName()).arg(panel->x()).arg(panel->y());
    } else if (what == u"columns") {
        for (int column = 0; column < 3; ++column)
            parts << QString::number(list->header()->sectionSize(column));
    } else if (what.startsWith(u"range:")) {
        const auto *box = find<QComboBox>(what.sliced(6).toLatin1().constData());
        return u"%1..%2 (%3)"_s.arg(box->itemText(0), box->itemText(box->count() - 1)).arg(box->count());
    } else {
        QObject *control = find<QObject>(what.toLatin1().constData());
        if (auto *timer = qobject_cast<QTimer *>(control))
            return timer->isActive() ? u"on"_s : u"off"_s;
        if (auto *combo = qobject_cast<QComboBox *>(control))
            return combo->currentText();
        if (auto *field = qobject_cast<QLineEdit *>(control))
            return field->text();
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text() + (what == u"changeNoticeLabel"
                                        ? u' ' + label->palette().color(QPalette::WindowText).name()
                                        : QString());
        if (auto *frame = qobject_cast<QGroupBox *>(control))
            return frame->title();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->text();
        if (auto *progress = qobject_cast<QProgressBar *>(control))
            return progress->text();
        throw Unknown{u"nothing to show of "_s + what};
    }
    return parts.join(u',');
}
