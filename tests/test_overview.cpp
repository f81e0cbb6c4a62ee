// The book of parcels: the history and the record of what was learnt (SQLite), and the background
// refresh against the demo service over loopback, with a fake clock and the refresh's timers
// ticked by hand.
#include "common/gbtext.h"
#include "common/savefile.h"
#include "demoservice.h"
#include "fakeplatform.h"
#include "parcels/parcelfile.h"
#include "parcels/parcelwords.h"
#include "parcels/refreshengine.h"
#include "platform/qtwebfetch.h"
#include "steps.h"
#include "table.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <ctime>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestOverview : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir, m_historyDir;
    DemoService m_service;
    QtWebFetch m_fetch{1000, 1024 * 1024};
    FakeSound m_sound;
    FakeMessageBoxes m_boxes;
    FakeShell m_shell;
    FakeClock m_clock;
    FakeSkin m_skin;
    FakeAppExit m_exit;
    FakeNotifier m_notifier;
    FakeFileDialogs m_files;
    FakeTray m_tray;
    const Platform m_platform{m_fetch, m_sound, m_boxes,    m_shell, m_clock,
                              m_skin,  m_exit,  m_notifier, m_files, m_tray};
    // The program's part, made anew by "restart"; the holder holds the file as another program would.
    std::unique_ptr<ParcelStore> m_holder;
    std::unique_ptr<ParcelBook> m_book;
    std::unique_ptr<RefreshEngine> m_engine;
    QStringList m_asked, m_notes;
    QString m_ended, m_progress, m_summary;
    QByteArray m_exported;
    const Verbs m_verbs = overviewVerbs();

    QString file(const QString &name = u"quillon.sqlite"_s) const { return m_dir.filePath(name); }
    QString historyFile() const { return m_historyDir.filePath(u"wlnum.ini"_s); }
    const ParcelBoard &board() const { return m_book->board(); }

    void make()
    {
        m_engine.reset(); // the book outlives the engine
        m_book.reset();
        m_book = std::make_unique<ParcelBook>(
            ParcelBook::Files{
                .history = historyFile(), .earlierHistory = {}, .record = file(), .recordBusyMs = 10},
            m_clock);
        m_book->loadHistory();
        m_engine = std::make_unique<RefreshEngine>(*m_book, m_platform, m_service.hostAndPort());
        connect(&board(), &ParcelBoard::changed, this, [this](const ParcelChange &change) {
            for (int row = change.first; change.kind == ParcelChange::Kind::Changed && row <= change.last;
                 ++row)
                m_asked << board().parcel(row).key.number;
        });
        connect(m_engine.get(), &RefreshEngine::started, this, [this] { m_asked.clear(); });
        connect(m_engine.get(), &RefreshEngine::progressChanged, this,
                [this](int done, int total) { m_progress = RefreshEngine::progressText(done, total); });
        connect(m_engine.get(), &RefreshEngine::ended, this,
                [this](auto ending, const QList<ParcelKey> &grown) {
                    m_ended = RefreshEngine::endingText(ending, grown.size()) +
                              u" [%1]"_s.arg(grown.value(0).number);
                });
    }

    // The steps (see steps.h):
    //   history A,B               wlnum.ini's entries: "|顺丰快递" added where there is no bar,
    //                             "~" a blank line, "#N" N numbers the service does not know;
    //   history ! A,B             a folder in its place, and A and B this run's, each answered
    //                             without steps in the main window
    //   open | close | restart    the book opens the record; the program's part made anew, closed
    //                             or opened
    //   spoil HOW                 the file: newer (a version above ours), version2 (the last
    //                             release's, the state in words), version1 (an earlier one's,
    //                             without notes), corrupt (table pages), text (and
    //                             its -wal, -shm, -journal), folder (in its place), immutable (the
    //                             folder), held (by another store), full (files cannot grow)
    //   grow M | serve BEHAVIOUR  7770001 has 2 + M steps; every tracking answer misbehaves so
    //   all | stop | abort        全部查询; 停止; the outlet dialog's abort of its waits
    //   answer | next             waits for the request in flight; the pause's tick (and a second
    //                             on the clock), then that
    //   auto M | checked | due    自动查询 every M minutes; the update check ended; its timer ticks
    //   at HH:MM                  the clock
    //   note NUMBER=TEXT          the note of NUMBER's parcel
    //   export | wipe             the list exported; the record deleted, the history kept
    //   import TEXT|exported      a file imported, as a yes to its summary does
    //   archive DAYS | back NUMBER the 归档 setting; 取消归档 on NUMBER's parcel
    //   zone TZ                   the machine's time zone (a POSIX TZ), the clock's local time as it is
    //   show WHAT,WHAT            notes what shown() names
    QString run(const QString &steps)
    {
        m_notes.clear();
        for (const QString &step : stepsOf(steps))
            perform(step);
        return m_notes.join(u" | "_s);
    }

    void perform(const QString &step)
    {
        if (!::perform(m_verbs, step))
            m_notes << u"cannot "_s + step;
    }

    Verbs overviewVerbs()
    {
        const auto remake = [this](const Step &step) {
            if (step.verb != u"open")
                make();
            if (step.verb != u"close")
                m_book->openRecord();
        };
        const auto await = [this](const Step &step) { awaitAnswer(step.verb == u"next", step); };
        return {
            {u"history"_s, [this](const Step &step) { writeHistory(step.arg); }},
            {u"open"_s, remake},
            {u"close"_s, remake},
            {u"restart"_s, remake},
            {u"spoil"_s, [this](const Step &step) { spoil(step.arg); }},
            {u"grow"_s,
             [this](const Step &step) {
                 m_service.setStartTime(QDateTime::currentDateTime().addSecs(-60 * step.arg.toInt() - 30));
             }},
            {u"serve"_s,
             [this](const Step &step) {
                 if (const auto behaviour = DemoService::behaviourNamed(step.arg))
                     m_service.setTrackingBehaviour(*behaviour);
                 else
                     m_notes << u"no such behaviour: "_s + step.arg;
             }},
            {u"all"_s,
             [this](const Step &) {
                 if (!m_engine->refreshAll())
                     m_notes << u"all refused"_s;
             }},
            {u"stop"_s, [this](const Step &) { m_engine->stop(); }},
            {u"abort"_s, [this](const Step &) { m_fetch.abortResponsive(); }},
            {u"next"_s, await},
            {u"answer"_s, await},
            {u"auto"_s, [this](const Step &step) { m_engine->setAutomaticMinutes(step.arg.toInt()); }},
            {u"checked"_s, [this](const Step &) { m_engine->updateCheckEnded(); }},
            {u"due"_s,
             [this](const Step &) {
                 QMetaObject::invokeMethod(m_engine->findChild<QTimer *>(u"automaticRefreshTimer"_s),
                                           "timeout");
             }},
            {u"at"_s,
             [this](const Step &step) {
                 m_clock.passTo(QDateTime(m_clock.current.date(), QTime::fromString(step.arg, u"H:mm"_s)));
             }},
            {u"archive"_s, // the 归档 setting's days
             [this](const Step &step) { m_book->setSetting(&ListSettings::archiveDays, step.arg.toInt()); }},
            {u"back"_s, // 取消归档 on NUMBER's parcel
             [this](const Step &step) {
                 m_book->setArchive({step.arg, u"顺丰快递"_s}, ParcelRecord::Archive::Back);
             }},
            {u"note"_s, // "note NUMBER=TEXT", the parcel of 顺丰快递
             [this](const Step &step) {
                 m_book->setNote({step.key, u"顺丰快递"_s}, step.value);
             }},
            {u"export"_s, [this](const Step &) { m_exported = ParcelFile::write(board().oldestFirst()); }},
            {u"wipe"_s, // the record deleted, the history kept
             [this](const Step &) {
                 m_engine.reset();
                 m_book.reset();
                 for (const QString &name : {u""_s, u"-wal"_s, u"-shm"_s})
                     QFile::remove(file() + name);
                 make();
             }},
            {u"import"_s, // the file's text, or "exported"; what a yes to its summary does
             [this](const Step &step) {
                 const QByteArray bytes = step.arg == u"exported" ? m_exported : step.arg.toUtf8();
                 const ParcelFile::Import import = ParcelFile::plan(ParcelFile::read(bytes), board());
                 m_summary = import.summary();
                 if (!m_book->applyImport(import))
                     m_notes << u"import: the history not written"_s;
             }},
            {u"shift"_s, // the clock set forward or back by so many days
             [this](const Step &step) { m_clock.current = m_clock.current.addDays(step.arg.toInt()); }},
            {u"zone"_s, // the machine's time zone, as POSIX writes it
             [](const Step &step) {
                 qputenv("TZ", step.arg.toLatin1());
                 tzset();
             }},
            {u"show"_s,
             [this](const Step &step) {
                 for (const QString &what : step.arg.split(u','))
                     m_notes << what + u'=' + shown(what);
             }},
        };
    }

    // "answer": the request in flight answered; "next": the pause's tick (and a second on the clock),
    // then that. The fetch's own deadline ends a request that hangs.
    void awaitAnswer(bool next, const Step &step)
    {
        QTimer *pause = m_engine->findChild<QTimer *>(u"refreshPauseTimer"_s);
        if (next != pause->isActive())
            return void(m_notes << u"cannot "_s + step.verb);
        if (next) { // as the single shot does when it fires, a second later
            pause->stop();
            m_clock.passTo(m_clock.current.addSecs(1));
            QMetaObject::invokeMethod(pause, "timeout");
        }
        QEventLoop loop;
        connect(m_engine.get(), &RefreshEngine::progressChanged, &loop, &QEventLoop::quit);
        if (m_engine->isRunning() && !pause->isActive())
            loop.exec();
        else
            m_notes << u"no request in flight"_s;
    }

    void writeHistory(const QString &arg)
    {
        const bool unreadable = arg.startsWith(u"! "_s);
        QStringList entries;
        for (const QString &entry : arg.sliced(unreadable ? 2 : 0).split(u',')) {
            for (int i = entry.startsWith(u'#') ? entry.sliced(1).toInt() : 0; i > 0; --i)
                entries << QString::number(100000001 + entries.size()) + u"|顺丰快递"_s;
            if (!entry.startsWith(u'#'))
                entries << (entry == u"~" ? u""_s : entry.contains(u'|') ? entry : entry + u"|顺丰快递"_s);
        }
        QFile::remove(historyFile());
        QDir(historyFile()).removeRecursively();
        if (unreadable)
            QDir().mkpath(historyFile());
        else if (!saveWholeFile(historyFile(), *GbText::encode(entries.join(u"\r\n"_s) + u"\r\n"_s)))
            m_notes << u"cannot write the history"_s;
        m_book->loadHistory();
        for (const QString &entry : unreadable ? entries : QStringList()) {
            const ParcelKey key = HistoryStore::keyOf(entry);
            m_book->recordQuery(key.number, key.company,
                                QueryOutcome{.kind = QueryOutcome::Kind::Answered, .rows = {}, .cause = {}});
        }
    }

    // The file as an earlier release wrote it, with what it holds: the state as the words shown
    // (version 2), and no notes nor archiving (version 1).
    void writeEarlierSchema(int version)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"earlier"_s);
            db.setDatabaseName(file());
            QList<QStringList> words;
            QSqlQuery query(db);
            bool done =
                db.open() && query.exec(u"SELECT number, company, outcome, delivery, reason FROM parcels"_s);
            while (done && query.next()) {
                const ParcelState state{ParcelState::Outcome(query.value(2).toInt()),
                                        ParcelState::Delivery(query.value(3).toInt()),
                                        query.value(4).toString()};
                words.append({ParcelWords::status(state), ParcelWords::delivery(state.delivery), state.reason,
                              query.value(0).toString(), query.value(1).toString()});
            }
            QStringList sql{u"ALTER TABLE parcels ADD COLUMN status TEXT"_s,
                            u"ALTER TABLE parcels ADD COLUMN good_status TEXT"_s,
                            u"ALTER TABLE parcels ADD COLUMN failure TEXT"_s};
            for (const QStringList &row : words)
                sql << u"UPDATE parcels SET status = '%1', good_status = '%2', failure = '%3' "
                       "WHERE number = '%4' AND company = '%5'"_s.arg(
                           QString(row[0]).replace(u'\'', u"''"_s), row[1],
                           QString(row[2]).replace(u'\'', u"''"_s), row[3], row[4]);
            for (const QString &column :
                 QStringList{u"outcome"_s, u"delivery"_s, u"reason"_s} +
                     (version == 1 ? QStringList{u"note"_s, u"signed_at"_s, u"archive"_s} : QStringList()))
                sql << u"ALTER TABLE parcels DROP COLUMN "_s + column;
            sql << u"PRAGMA user_version = %1"_s.arg(version);
            for (const QString &statement : sql)
                done = done && query.exec(statement);
            if (!done)
                m_notes << u"cannot make a version %1 file: "_s.arg(version) + query.lastError().text();
        }
        QSqlDatabase::removeDatabase(u"earlier"_s);
    }

    void spoil(const QString &how)
    {
        const qint64 at = how == u"newer" ? 60 : how == u"corrupt" ? 4096 : 0;
        const QByteArray bytes = how == u"newer"
                                     ? QByteArray::fromHex("000000") + char(ParcelStore::schemaVersion + 1)
                                 : how == u"corrupt" ? QByteArray(3 * 4096, '\xFF')
                                                     : QByteArray("Quillon");
        for (const QString &name : how == u"text" ? QStringList{u""_s, u"-wal"_s, u"-shm"_s, u"-journal"_s}
                                   : at           ? QStringList{u""_s}
                                                  : QStringList()) {
            QFile spoilt(file() + name);
            if (!spoilt.open(QIODevice::ReadWrite) || !spoilt.seek(at) || spoilt.write(bytes) != bytes.size())
                m_notes << u"cannot spoil "_s + name;
        }
        if (how == u"version1" || how == u"version2")
            writeEarlierSchema(how.back().digitValue());
        if (how == u"folder")
            QDir().mkpath(file());
        // As root, only an immutable folder refuses new files.
        if (how == u"immutable" && QProcess::execute(u"chattr"_s, {u"+i"_s, m_dir.path()}) != 0)
            m_notes << u"skip: chattr +i is not available here"_s;
        if (how == u"held") {
            m_holder = std::make_unique<ParcelStore>(file(), m_clock, 10);
            m_holder->open();
        }
        std::signal(SIGXFSZ, SIG_IGN); // an oversized write fails, as on a full disk
        const rlimit limit{how == u"full" ? 100 : RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    }

    QString shown(const QString &what) const
    {
        const QTimer *pause = m_engine->findChild<QTimer *>(u"refreshPauseTimer"_s);
        QStringList parcels, missed;
        for (int row = 0; row < board().count(); ++row) {
            const ParcelRecord &parcel = board().parcel(row);
            const ParcelState &state = parcel.state;
            const QString failure =
                u'(' + state.reason + u"; "_s + ParcelWords::delivery(state.delivery) + u')';
            parcels << parcel.key.number + (parcel.note.isEmpty() ? u""_s : u'[' + parcel.note + u']') +
                           u'=' + ParcelWords::status(state) + u'/' + QString::number(parcel.stepCount) +
                           (parcel.marked ? u"*"_s : u""_s) + (state.reason.isEmpty() ? u""_s : failure);
            if (!m_asked.contains(parcel.key.number))
                missed << parcel.key.number;
        }
        const QHash<QString, QString> notes{
            {u"parcels"_s, parcels.join(u", "_s)},
            {u"asked"_s, m_asked.join(u", "_s)}, // in the latest refresh
            {u"missed"_s, missed.join(u", "_s)}, // by the latest refresh
            {u"state"_s, !m_engine->isRunning() ? u"idle"_s
                         : pause->isActive()    ? u"pausing"_s
                                                : u"asking"_s},
            {u"ended"_s, m_ended}, // the latest refresh, and the first parcel that grew
            {u"progress"_s, m_progress},
            {u"summary"_s, m_summary}, // of the latest import
            {u"history"_s, m_book->history().entries().join(u", "_s)},
            {u"status"_s, board().storeStatus()}, // what the status line says about the record
            {u"cause"_s, board().storeCause()},   // and its tooltip
            {u"steps"_s, QString::number(board().count() ? board().steps(board().parcel(0).key).size() : -1)},
            {u"files"_s, QDir(m_dir.path())
                             .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                             .join(u", "_s)},
        };
        return notes.value(what, u"(unknown)"_s);
    }

private slots:
    void initTestCase()
    {
        // Without the driver every store would say it cannot open: the build is broken, not the file.
        QVERIFY2(QSqlDatabase::isDriverAvailable(u"QSQLITE"_s), "Qt's QSQLITE driver is missing");
        QVERIFY(m_service.listen() != 0);
    }

    void init()
    {
        qputenv("TZ", "UTC0");
        tzset();
        spoil(u"nothing"_s);
        m_holder.reset();
        QProcess::execute(u"chattr"_s, {u"-i"_s, m_dir.path()});
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_service.setTrackingBehaviour(DemoService::Behaviour::Normal);
        m_service.setStartTime(QDateTime::currentDateTime().addSecs(-30));
        m_clock.current = QDateTime(QDate(2026, 12, 6), QTime(14, 5));
        QFile::remove(historyFile());
        QDir(historyFile()).removeRecursively();
        m_progress.clear();
        make();
    }

    void scenarios_data()
    {
        tableRows(R"(
new, version 0: open ; close ; open ; show status,files => status= | files=quillon.sqlite, quillon.sqlite-wal
the last release's file upgraded in place, the state kept: history 5550001111,000,7770001 ; open ; all ; answer ; next ;
  next ; serve e500 ; all ; answer ; stop ; close ; spoil version2 ; open ; show parcels,status =>
  parcels=7770001=查询失败/2(服务器返回HTTP错误500; 运送中), 000=单号格式错误!请检查!/0(单号格式错误!请检查!; ), 5550001111=运送中/3 | status=
an earlier release's file upgraded in place, notes kept: history 7770001 ; open ; all ; answer ; close ; spoil version1 ; open
  ; note 7770001=新手机\r\n盒 ; restart ; show parcels,steps,status => parcels=7770001[新手机 盒]=运送中/2 | steps=2 | status=
newer left alone: open ; close ; spoil newer ; open ; auto 30 ; show status,files ; close ; open ; show status =>
  status=快件记录由更新版本的程序写成，本次仅保存在内存中 | files=quillon.sqlite | status=快件记录由更新版本的程序写成，本次仅保存在内存中
not a database: spoil text ; open ; show status,files => status=快件记录已损坏，已移至quillon.sqlite.broken-20261206-140500并新建 |
  files=quillon.sqlite, quillon.sqlite-wal, quillon.sqlite.broken-20261206-140500, quillon.sqlite.broken-20261206-140500-journal,
  quillon.sqlite.broken-20261206-140500-shm, quillon.sqlite.broken-20261206-140500-wal
corrupt: open ; close ; spoil corrupt ; open ; show files => files=quillon.sqlite, quillon.sqlite-wal,
  quillon.sqlite.broken-20261206-140500, quillon.sqlite.broken-20261206-140500-wal
folder in its place, from memory: spoil folder ; history 7770001 ; open ; all ; answer ; show parcels,steps,status ; restart ;
  show parcels => parcels=7770001=运送中/2 | steps=2 | status=快件记录的位置是一个文件夹，本次仅保存在内存中 | parcels=7770001=未查询/0
folder takes no files: spoil immutable ; open ; show status,files => status=快件记录没有读写权限，本次仅保存在内存中 | files=
held by another: spoil held ; open ; show status,cause => status=快件记录正被另一个程序使用，本次仅保存在内存中
  | cause=database is locked Unable to execute statement
full disk, the steps written still shown: history 7770001 ; open ; all ; answer ; restart ; spoil full ; auto 30
  ; show status,steps => status=快件记录无法写入，本次仅保存在内存中 | steps=2
one at a time, a pause between: history 1234567890,cut,hang,404404,7770001 ; open ; all ; abort ; answer ; show state ; next ;
  next ; stop ; show asked,parcels,ended,progress => state=pausing | asked=7770001, 404404, hang | parcels=7770001=运送中/2,
  404404=单号不存在!请检查!/0(单号不存在!请检查!; ), hang=查询失败/0(服务器未在1秒内完成应答; ), cut=未查询/0, 1234567890=未查询/0
  | ended=查询已停止 [] | progress=已查询 3/5
to the end, companies the catalogue lacks never asked: history 1234567890,cut,9|无名快递,~,5550001111|中通快递 ; open ; all ;
  answer ; next x2 ; show asked,parcels,ended => asked=5550001111, cut, 1234567890 | parcels=5550001111=运送中/3,
  9=系统问题,暂不支持当前快递公司!/0, cut=查询失败/0(连接在应答中途断开; ), 1234567890=已签收/7 | ended=查询完毕 []
a failure keeps the last good state, the mark only above 0: history 7770001 ; open ; all ; answer ; grow 2 ; all ; answer ;
  show parcels,ended ; serve e500 ; all ; answer ; restart ; show parcels,steps ; history 1 ; restart ; history 7770001 ;
  restart ; show parcels => parcels=7770001=运送中/4* | ended=查询完毕，1件有更新 [7770001]
  | parcels=7770001=查询失败/4*(服务器返回HTTP错误500; 运送中) | steps=4 | parcels=7770001=未查询/0
an unreadable history removes no record: history 7770001,5550001111 ; open ; all ; answer ; next ; restart ; history ! 9 ;
  restart ; show parcels,steps ; history ! 9,1 ; show parcels => parcels=5550001111=运送中/3, 7770001=运送中/2, 9=暂无物流信息/0
  | steps=3 | parcels=1=暂无物流信息/0, 9=暂无物流信息/0, 5550001111=运送中/3, 7770001=运送中/2
archived a week after the step that says signed, once seen in a round, then never asked, 取消归档 brings one back: history 5550001111,1234567890
  ; open ; all ; answer ; next ; archive 7 ; all ; answer ; next
  ; all ; answer ; show asked ; back 1234567890 ; restart ; all ; answer ; next ; show asked
  => asked=5550001111 | asked=1234567890, 5550001111
exported, the record lost, imported, everything back: history 7770001,5550001111|中通快递,1234567890 ; open ; all ; answer
  ; next x2 ; note 7770001=新手机, "大" ; show parcels ; export ; wipe ; open ; import exported ; restart ; show parcels,summary
  => parcels=1234567890=已签收/7, 5550001111=运送中/3, 7770001[新手机, "大"]=运送中/2
  | parcels=1234567890=已签收/7, 5550001111=运送中/3, 7770001[新手机, "大"]=运送中/2 | summary=将新增 0 件，补充查询结果 3 件，跳过 0 件。
an import held against the list: history 7770001,5555,6666|中通快递 ; open ; note 5555=旧 ; import
  7770001,顺丰快递,新手机\n5555,顺丰快递,新\n5550001111,韵达快递\nx y\nSF1234567890123\n1234567890\n9999,无名快递\n8888,顺丰快递\n8888,中通快递\n6666,顺丰快递
  ; restart ; show summary,parcels => summary=将新增 3 件，补充备注 1 件，跳过 6 件：\n第2行 5555：已在列表中\n第4行 x y：不是单号\n第6行
  1234567890：未注明快递公司\n第7行 9999：无此快递公司「无名快递」\n第9行 8888：文件中重复\n第10行 6666：已在列表中（中通快递） | parcels=8888=未查询/0, SF1234567890123=未查询/0,
  5550001111=未查询/0, 6666=未查询/0, 5555[旧]=未查询/0, 7770001[新手机]=未查询/0
a number without a company takes the courier its shape surely names, not a likely one: history 1234567890 ; open
  ; import 75123456789012\nSF1234567890123 ; show summary,history => summary=将新增 1 件，跳过 1 件：\n第1行 75123456789012：未注明快递公司
  | history=1234567890|顺丰快递, SF1234567890123|顺丰快递
companies written as lists kept by hand write them: history 1234567890 ; open
  ; import 7770001,顺丰\n5550001111,yto\n7771111,db\n7772222,zt\n7773333,无名\n7774444,sfkd ; show summary,history
  => summary=将新增 4 件，跳过 2 件：\n第4行 7772222：快递公司「zt」可指多家\n第5行 7773333：无此快递公司「无名」
  | history=1234567890|顺丰快递, 7770001|顺丰快递, 5550001111|圆通快递, 7771111|德邦物流, 7774444|顺丰快递
automatic only after the update check, at once the first time: history 7770001 ; open ; auto 30 ; due ; show state ;
  checked ; show state ; answer ; show ended => state=idle | state=asking | ended=查询完毕 []
automatic an interval after the last, skipped while one runs: history 7770001,5550001111 ; open ; all ; answer ; auto 60 ;
  restart ; checked ; at 15:04 ; due ; show state ; at 15:05 ; due ; show state ; answer ; all ; at 16:06 ; due ; stop ;
  at 16:30 ; due ; show state,ended ; at 17:06 ; due ; show state
  => state=idle | state=asking | all refused | state=idle | ended=查询已停止 [] | state=asking
automatic an interval after the last, the machine's zone changed between: zone CST-8 ; history 7770001 ; open ; auto 30 ; checked
  ; answer ; zone UTC0 ; at 6:20 ; restart ; checked ; due ; show state ; at 6:36 ; due ; show state => state=idle | state=asking
automatic on time with the clock set back a day: history 7770001 ; open ; auto 30 ; checked ; answer ; shift -1 ; at 14:30 ; due
  ; show state ; at 14:36 ; due ; show state => state=idle | state=asking
a refresh recorded a year ahead counts as now: history #51,7770001 ; open ; all ; answer ; next x51 ; shift 365 ; all ; answer
  ; stop ; shift -365 ; auto 30 ; restart ; checked ; show state ; at 14:40 ; due ; answer ; next x49 ; at 15:15 ; due ; answer
  ; next x49 ; show missed => state=idle | missed=100000003, 100000002
automatic skips signed, at most 50, longest ago first: history #25,1234567890,#26 ; open ; all ; answer ; next x51 ; all ;
  answer ; stop ; history #25,1234567890,#26,#1 ; auto 30 ; checked ; at 15:00 ; due ; answer ; next x49 ; show missed,ended,progress
  => missed=100000052, 1234567890, 100000001 | ended=查询完毕 [] | progress=已查询 50/50
a page without steps keeps them, fails, and news still counts:
  history 8880001,7770001|中通快递,7770001|圆通快递,5550001111,9876543210,7770001 ; open ; all ; answer ; next x5 ; serve maintenance ; auto 30 ; checked
  ; at 15:00 ; due ; answer ; next x4 ; show parcels,steps,ended
  ; grow 1 ; serve normal ; all ; answer ; show parcels => parcels=7770001=查询失败/2(答案中没有物流信息; 运送中),
  9876543210=查询失败/4(答案中没有物流信息; 派件中), 5550001111=查询失败/3(答案中没有物流信息; 运送中),
  7770001=查询失败/2(答案中没有物流信息; 运送中), 7770001=查询失败/2(答案中没有物流信息; 运送中), 8880001=暂无物流信息/0
  | steps=2 | ended=自动查询连续5次失败，已停止 [] | parcels=7770001=运送中/3*, 9876543210=查询失败/4(答案中没有物流信息; 派件中),
  5550001111=查询失败/3(答案中没有物流信息; 运送中), 7770001=查询失败/2(答案中没有物流信息; 运送中),
  7770001=查询失败/2(答案中没有物流信息; 运送中), 8880001=暂无物流信息/0
automatic stops after 5 failures in a row: history 5550001111,e404,e500,cut,empty,huge,7770001 ; open ; auto 30 ; checked ;
  answer ; next x5 ; show asked,ended => asked=7770001, huge, empty, cut, e500, e404 | ended=自动查询连续5次失败，已停止 []
)");
    }
    void scenarios()
    {
        QFETCH(QString, input);
        const QString result = run(input);
        if (result.startsWith(u"skip: "))
            QSKIP(qPrintable(result));
        QFETCH(QString, expected);
        COMPARE_NOTES(result, expected);
    }
};

QTEST_GUILESS_MAIN(TestOverview)
#include "test_overview.moc"
