#include "overview/overviewwindow.h"

#include "common/cuttextdelegate.h"
#include "common/savefile.h"
#include "common/textrules.h"
#include "common/texts.h"
#include "overview/addnumbersdialog.h"
#include "overview/parcelfilter.h"
#include "overview/parcelmodel.h"
#include "parcels/parcelbook.h"
#include "parcels/refreshengine.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <span>

namespace {
QString csvFilter()
{
    return QCoreApplication::translate("OverviewWindow", "CSV 文件 (*.csv);;文本文件 (*.txt);;所有文件 (*)");
}
// A list to import is as often a text file as a CSV one: the first choice shows both.
QString listFilter()
{
    return QCoreApplication::translate("OverviewWindow", "CSV 或文本文件 (*.csv *.txt);;") + csvFilter();
}

} // namespace

OverviewWindow::OverviewWindow(ParcelBook &book, RefreshEngine &refresh, MessageBoxes &boxes,
                               FileDialogs &files, const Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_refresh(refresh), m_boxes(boxes), m_files(files),
      m_clock(clock), m_model(new ParcelModel(book.board(), this)), m_proxy(new ParcelFilter(this))
{
    setObjectName(QStringLiteral("overviewWindow"));
    setWindowTitle(tr("全部快件"));
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(ParcelModel::sortRole);
    m_proxy->setFilterRole(ParcelModel::filterRole);
    m_proxy->setFilterKeyColumn(ParcelModel::Number);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    buildControls();
    buildSettings();
    buildTable();
    followArchive();
    followRefresh();
    layOut();
    restoreLayout();
    countArchived();
    setStatus(QString());
    connect(m_model, &ParcelModel::noteEdited, &book, &ParcelBook::setNote);
    connect(&book.board(), &ParcelBoard::storeStatusChanged, this, [this] { setStatus(QString()); });
}

namespace {
QWidget *named(QWidget *widget, const char *name, const QString &accessible = QString())
{
    widget->setObjectName(QLatin1String(name));
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}
} // namespace

void OverviewWindow::buildControls()
{
    m_filter = new QLineEdit(this);
    named(m_filter, "filterBox", tr("筛选"));
    m_filter->setPlaceholderText(tr("按单号、备注或快递公司筛选"));
    m_filter->setClearButtonEnabled(true);
    // Wide enough for its hint, however wide the window: the table takes the rest.
    m_filter->setFixedWidth(m_filter->fontMetrics().horizontalAdvance(m_filter->placeholderText()) +
                            4 * m_filter->fontMetrics().averageCharWidth());
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    m_refreshAll = new QPushButton(tr("全部查询"), this);
    named(m_refreshAll, "refreshAllButton");
    m_stop = new QPushButton(tr("停止"), this);
    named(m_stop, "stopButton");
    m_stop->setEnabled(false);
    m_addNumbers = new QPushButton(tr("添加单号"), this);
    named(m_addNumbers, "addNumbersButton");
    connect(m_addNumbers, &QPushButton::clicked, this, &OverviewWindow::openAddNumbers);
    m_listFile = new QPushButton(tr("导入/导出"), this);
    named(m_listFile, "listFileButton", tr("导入导出"));
    m_listFile->setMenu(new QMenu(m_listFile));
    const auto addListAction = [&](const char *name, const QString &text, QKeySequence keys, auto act) {
        QAction *action = m_listFile->menu()->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, act);
        addAction(action); // its keys work anywhere in the window
    };
    addListAction("exportListAction", tr("导出列表…"), QKeySequence(Qt::CTRL | Qt::Key_E),
                  &OverviewWindow::exportList);
    addListAction("importListAction", tr("导入列表…"), QKeySequence(Qt::CTRL | Qt::Key_I),
                  &OverviewWindow::importList);
}

void OverviewWindow::buildSettings()
{
    m_progress = new QProgressBar(this);
    named(m_progress, "refreshProgress", tr("查询进度"));
    m_progress->setTextVisible(true);
    m_progress->setFormat(tr("未查询")); // not an empty field waiting for text
    m_progress->setValue(0);
    m_automatic = new QComboBox(this);
    named(m_automatic, "automaticBox", tr("自动查询"));
    m_automatic->addItems({tr("不自动"), tr("每30分钟"), tr("每1小时"), tr("每2小时"), tr("每4小时")});
    const auto choices = std::span(ListSettings::automaticChoices);
    m_automatic->setCurrentIndex(
        int(std::ranges::find(choices, m_refresh.automaticMinutes()) - choices.begin()));
    connect(m_automatic, &QComboBox::currentIndexChanged, this,
            [this, choices](int index) { m_refresh.setAutomaticMinutes(choices[index]); });
    m_archiveAfter = new QComboBox(this);
    named(m_archiveAfter, "archiveBox", tr("归档"));
    m_archiveAfter->setToolTip(tr("签收后多久从列表中归档"));
    m_archiveAfter->addItems({tr("立即"), tr("1天"), tr("3天"), tr("7天"), tr("从不")});
    const auto after = std::span(ListSettings::archiveChoices);
    m_archiveAfter->setCurrentIndex(
        int(std::ranges::find(after, m_book.settings().archiveDays) - after.begin()));
    connect(m_archiveAfter, &QComboBox::currentIndexChanged, this, [this, after](int index) {
        m_book.setSetting(&ListSettings::archiveDays, after[index]);
        lookAgain();
        m_view->viewport()->update(); // the archived rows' grey
    });
    m_showArchived = new QCheckBox(tr("显示已归档"), this);
    named(m_showArchived, "showArchivedBox", tr("显示已归档"));
    m_showArchived->setChecked(m_book.settings().showArchived);
    m_proxy->setShowArchived(m_showArchived->isChecked());
    connect(m_showArchived, &QCheckBox::toggled, this, [this](bool show) {
        m_book.setSetting(&ListSettings::showArchived, show);
        m_proxy->setShowArchived(show);
    });
}

// The toggle counts what it would show, as parcels come, go, change and age.
void OverviewWindow::followArchive()
{
    connect(m_model, &QAbstractItemModel::dataChanged, this, &OverviewWindow::countArchived);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &OverviewWindow::countArchived);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &OverviewWindow::countArchived);
    connect(m_model, &QAbstractItemModel::modelReset, this, &OverviewWindow::countArchived);
    // Parcels signed for a while ago move into the archive as time passes.
    auto *archiveLook = new QTimer(this);
    archiveLook->setInterval(60 * 1000);
    connect(archiveLook, &QTimer::timeout, this, &OverviewWindow::lookAgain);
    archiveLook->start();
}

void OverviewWindow::followRefresh()
{
    connect(m_refreshAll, &QPushButton::clicked, &m_refresh, &RefreshEngine::refreshAll);
    connect(m_stop, &QPushButton::clicked, &m_refresh, &RefreshEngine::stop);
    connect(&m_refresh, &RefreshEngine::newNumberAnswered, this,
            [this](const ParcelKey &key, const QueryOutcome &outcome) {
                if (m_addDialog)
                    m_addDialog->setOutcome(key.number, outcome.kind == QueryOutcome::Kind::Answered
                                                            ? QString()
                                                            : outcome.message());
            });
    connect(&m_refresh, &RefreshEngine::newNumbersEnded, this, [this](const QString &summary) {
        if (m_addDialog)
            m_addDialog->setSummary(summary);
    });
    showRunning(m_refresh.isRunning());
    connect(&m_refresh, &RefreshEngine::started, this, [this] {
        showRunning(true);
        setStatus(QString());
    });
    connect(&m_refresh, &RefreshEngine::progressChanged, this, [this](int done, int total) {
        m_progress->setMaximum(qMax(total, 1));
        m_progress->setValue(done);
        m_progress->setFormat(RefreshEngine::progressText(done, total));
    });
    connect(&m_refresh, &RefreshEngine::ended, this,
            [this](RefreshEngine::Ending ending, const QList<ParcelKey> &grown) {
                showRunning(false);
                lookAgain(); // parcels kept in view until now may be archived
                setStatus(RefreshEngine::endingText(ending, grown.size()));
            });
}

void OverviewWindow::showRunning(bool running)
{
    m_refreshAll->setEnabled(!running);
    m_stop->setEnabled(running);
    if (m_addDialog)
        m_addDialog->setRunning(running);
}

void OverviewWindow::buildTable()
{
    m_view = new QTableView(this);
    named(m_view, "parcelView", tr("全部快件"));
    m_view->setModel(m_proxy);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only the note is editable: a double-click there edits it, elsewhere it opens the parcel.
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked);
    auto *editNote = new QShortcut(QKeySequence(Qt::Key_F2), m_view);
    editNote->setContext(Qt::WidgetShortcut);
    connect(editNote, &QShortcut::activated, this, &OverviewWindow::editNote);
    auto *remove = new QShortcut(QKeySequence(QKeySequence::Delete), m_view);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] {
        if (const ParcelKey key = selectedKey(); !key.number.isEmpty())
            emit deleteRequested(key);
    });
    // What passes a note's length is cut off as it is typed or pasted, and said.
    m_view->setItemDelegateForColumn(
        ParcelModel::Note,
        new CutTextDelegate(
            &ParcelRecord::noteFrom, ParcelRecord::noteLength,
            [this] { setStatus(tr("备注最多%1个字，多出的部分未保留").arg(ParcelRecord::noteLength)); },
            m_view));
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSortIndicatorClearable(true);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QTableView::activated, this,
            [this](const QModelIndex &index) { emit openRequested(keyAt(index)); });
    connect(m_view, &QTableView::customContextMenuRequested, this, &OverviewWindow::showContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &OverviewWindow::showSteps);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &OverviewWindow::showSteps);
    m_steps = new QTreeWidget(this);
    named(m_steps, "stepsView", tr("物流跟踪"));
    m_steps->setHeaderLabels({tr("时间"), tr("物流进度")});
    m_steps->setRootIsDecorated(false);
    m_steps->setColumnWidth(0, 140);
}

// Two rows of controls, so that the window narrows to about that of the main window; the table over
// the steps; the status line.
void OverviewWindow::layOut()
{
    m_status = new QLabel(this);
    named(m_status, "overviewStatus");
    auto *controls = new QHBoxLayout, *settings = new QHBoxLayout;
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_filter, m_refreshAll, m_stop, m_addNumbers, m_listFile})
        controls->addWidget(control);
    controls->addStretch();
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_progress, new QLabel(tr("自动查询"), this), m_automatic,
                                          new QLabel(tr("归档"), this), m_archiveAfter, m_showArchived})
        settings->addWidget(control);
    settings->addStretch();
    m_split = new QSplitter(Qt::Vertical, this);
    named(m_split, "overviewSplit");
    m_split->addWidget(m_view);
    m_split->addWidget(m_steps);
    m_split->setStretchFactor(0, 3);
    m_split->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(settings);
    layout->addWidget(m_split, 1);
    layout->addWidget(m_status);
}

// The stored layout, else each column as wide as its title or a typical value, the newest step
// wider, the window as wide as every column with a scroll bar beside them, and no sort.
void OverviewWindow::restoreLayout()
{
    ensurePolished(); // the skin's fonts and frames
    const QStringList typical{QStringLiteral("123456789012345"),
                              QStringLiteral("妈妈的茶叶"),
                              QStringLiteral("宅急送快递"),
                              QStringLiteral("暂无物流信息"),
                              {},
                              {},
                              QStringLiteral("12-31 23:59"),
                              {}};
    const QFontMetrics metrics = m_view->fontMetrics();
    for (int column = 0; column < ParcelModel::ColumnCount; ++column)
        m_view->setColumnWidth(
            column, column == ParcelModel::Newest
                        ? 300
                        : qMax(m_view->horizontalHeader()->sectionSizeHint(column),
                               metrics.horizontalAdvance(typical[column]) + 2 * metrics.averageCharWidth()));
    const QMargins margins = layout()->contentsMargins();
    const auto fitting = [&] { // the window's width with every column in view and a scroll bar
        return m_view->horizontalHeader()->length() + 2 * m_view->frameWidth() +
               m_view->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    };
    // The newest step takes whatever more the controls above the table need.
    if (const int spare = layout()->minimumSize().width() - fitting(); spare > 0)
        m_view->setColumnWidth(ParcelModel::Newest, m_view->columnWidth(ParcelModel::Newest) + spare);
    restoreColumns();
    const int width = fitting();
    // A wider window widens the newest step, the one column that is often cut.
    m_view->horizontalHeader()->setSectionResizeMode(ParcelModel::Newest, QHeaderView::Stretch);
    const ListSettings &settings = m_book.settings();
    if (settings.geometry.isEmpty() || !restoreGeometry(settings.geometry)) {
        // Whole on the screen that shows the main window, with room for the window manager's frame.
        const QRect screen =
            (parentWidget() ? parentWidget()->screen() : this->screen())->availableGeometry();
        const QSize frame(16, 48);
        resize((settings.earlier.size.isValid() ? settings.earlier.size : QSize(width, 520))
                   .boundedTo(screen.size() - frame));
        move(screen.x() + (screen.width() - this->width() - frame.width()) / 2,
             screen.y() + (screen.height() - height() - frame.height()) / 2);
    }
    m_split->restoreState(settings.split);
    // A new sort is kept at once, as the window may not be closed before the program ends.
    connect(m_view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this] { m_book.setSetting(&ListSettings::header, m_view->horizontalHeader()->saveState()); });
}

// The header's stored state, else the widths and sort an earlier version kept.
void OverviewWindow::restoreColumns()
{
    const ListSettings &settings = m_book.settings();
    if (!settings.header.isEmpty()) {
        m_view->horizontalHeader()->restoreState(settings.header);
        return;
    }
    // Widths stored for other columns (before the notes came) are not these columns' widths.
    const QList<int> &widths = settings.earlier.columnWidths;
    for (int column = 0; widths.size() == ParcelModel::ColumnCount && column < widths.size(); ++column)
        m_view->setColumnWidth(column, widths[column]);
    if (const QList<int> &sort = settings.earlier.sort; sort.size() == 2)
        m_view->sortByColumn(sort[0], Qt::SortOrder(sort[1]));
}

void OverviewWindow::lookAgain()
{
    m_proxy->lookAgain();
    countArchived();
}

void OverviewWindow::countArchived()
{
    const int archived = m_book.board().archivedCount();
    m_showArchived->setText(archived ? tr("显示已归档（%1）").arg(archived) : tr("显示已归档"));
}

// The window's, the table's and the split's layout is kept as the window closes.
void OverviewWindow::closeEvent(QCloseEvent *event)
{
    ListSettings settings = m_book.settings();
    settings.geometry = saveGeometry();
    settings.header = m_view->horizontalHeader()->saveState();
    settings.split = m_split->saveState();
    m_book.setSettings(settings);
    QWidget::closeEvent(event);
}

// No text: what the record came to, and why in the tooltip.
void OverviewWindow::setStatus(const QString &text, const QString &why)
{
    m_status->setText(text.isEmpty() ? m_book.board().storeStatus() : text);
    m_status->setToolTip(text.isEmpty() ? m_book.board().storeCause() : why);
}

void OverviewWindow::selectParcel(const ParcelKey &key)
{
    const int row = m_book.board().rowOf(key);
    if (row < 0)
        return;
    m_filter->clear(); // a row hidden by the filter could not be selected
    const QModelIndex index = m_proxy->mapFromSource(m_model->index(row, 0));
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

ParcelKey OverviewWindow::keyAt(const QModelIndex &index) const
{
    const int row = m_proxy->mapToSource(index).row();
    return row >= 0 && row < m_book.board().count() ? m_book.board().parcel(row).key : ParcelKey{};
}

ParcelKey OverviewWindow::selectedKey() const
{
    return keyAt(m_view->currentIndex());
}

void OverviewWindow::showContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    if (!index.isValid())
        return;
    m_view->setCurrentIndex(index);
    const ParcelKey key = keyAt(index);
    QMenu menu(this);
    // Each item shows the key that does the same on the row.
    const auto item = [&menu](const QString &text, QKeySequence keys = QKeySequence()) {
        QAction *action = menu.addAction(text);
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        return action;
    };
    connect(item(tr("查看"), QKeySequence(Qt::Key_Return)), &QAction::triggered, this,
            [&] { emit openRequested(key); });
    connect(item(tr("编辑备注"), QKeySequence(Qt::Key_F2)), &QAction::triggered, this,
            &OverviewWindow::editNote);
    const bool archived = m_proxy->mapToSource(index).data(ParcelModel::archivedRole).toBool();
    connect(item(archived ? tr("取消归档") : tr("归档")), &QAction::triggered, this, [&] {
        m_book.setArchive(key, archived ? ParcelRecord::Archive::Back : ParcelRecord::Archive::ByHand);
        if (!archived)
            setStatus(tr("已归档 1 件，勾选 显示已归档 可见"));
    });
    connect(item(tr("标记为已读")), &QAction::triggered, this, [&] { m_book.clearMark(key); });
    connect(item(tr("删除"), QKeySequence(QKeySequence::Delete)), &QAction::triggered, this,
            [&] { emit deleteRequested(key); });
    menu.exec(m_view->viewport()->mapToGlobal(position));
}

// The current row's note, whichever of its cells has the focus.
void OverviewWindow::editNote()
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid())
        m_view->edit(current.siblingAtColumn(ParcelModel::Note));
}

void OverviewWindow::openAddNumbers()
{
    if (!m_addDialog) {
        QStringList known;
        for (int row = 0; row < m_book.board().count(); ++row)
            known.append(m_book.board().parcel(row).key.number);
        m_addDialog = new AddNumbersDialog(known, m_clock, this);
        m_addDialog->setAttribute(Qt::WA_DeleteOnClose);
        m_addDialog->setRunning(m_refresh.isRunning());
        connect(m_addDialog, &AddNumbersDialog::addRequested, this, &OverviewWindow::addNumbers);
    }
    m_addDialog->show();
    m_addDialog->raise();
    m_addDialog->activateWindow();
}

void OverviewWindow::addNumbers(const QList<ParcelKey> &parcels)
{
    m_addDialog->setSummary(m_refresh.askNewNumbers(parcels)
                                ? tr("正在查询 %n 个单号...", nullptr, int(parcels.size()))
                                : tr("正在查询，请稍后再添加"));
}

void OverviewWindow::showSteps()
{
    m_steps->clear();
    const ParcelKey key = selectedKey();
    if (key.number.isEmpty())
        return;
    const QList<ResultRow> steps = m_book.board().steps(key);
    QList<QTreeWidgetItem *> items;
    for (auto step = steps.crbegin(); step != steps.crend(); ++step) // the newest on top
        items.append(new QTreeWidgetItem(
            QStringList{cutAtWholeCharacter(step->time, shownTextLength),
                        plainText(cutAtWholeCharacter(step->progress, shownTextLength))}));
    m_steps->addTopLevelItems(items);
}

void OverviewWindow::warn(const QString &text)
{
    m_boxes.show({Texts::boxTitle(), text, BoxIcon::Exclamation, BoxButton::Ok, BoxButton::NoButton, this});
}

// Every parcel, archived ones too.
void OverviewWindow::exportList()
{
    const QString path = m_files.saveFileName(
        this, tr("导出列表"), QDir::home().filePath(ParcelFile::suggestedName(m_clock.now().date())),
        csvFilter());
    if (path.isEmpty())
        return;
    const QList<ParcelRecord> parcels = m_book.board().oldestFirst();
    if (!saveWholeFile(path, ParcelFile::write(parcels)))
        return warn(tr("导出失败，文件无法写入：") + QFileInfo(path).fileName());
    setStatus(tr("已导出 %n 件到 %1", nullptr, int(parcels.size())).arg(QFileInfo(path).fileName()));
}

// Nothing changes until the user has read what the file would add and said yes.
void OverviewWindow::importList()
{
    const QString path = m_files.openFileName(this, tr("导入列表"), QDir::homePath(), listFilter());
    if (path.isEmpty())
        return;
    ParcelFile::Reading reading = ParcelFile::readFile(path);
    if (reading.problem != ParcelFile::Reading::Problem::None)
        return warn(ParcelFile::problemText(reading.problem, QFileInfo(path).fileName()));
    const ParcelFile::Import import = ParcelFile::plan(std::move(reading), m_book.board());
    if (import.count() == 0)
        return warn(import.summary()); // nothing to import: every line refused
    const BoxButton answer =
        m_boxes.show({Texts::boxTitle(), import.summary() + tr("\n\n确定导入吗？"), BoxIcon::Information,
                      BoxButton::Yes | BoxButton::No, BoxButton::Yes, this});
    if (answer == BoxButton::Yes)
        applyImport(import);
}

void OverviewWindow::applyImport(const ParcelFile::Import &import)
{
    if (!m_book.applyImport(import))
        return setStatus(tr("单号记录保存失败，未导入任何快件"));
    const QString imported = tr("已%1").arg(import.done());
    const QString record = m_book.board().storeStatus(); // the import lives in memory only
    setStatus(record.isEmpty() ? imported : tr("%1；%2").arg(imported, record), m_book.board().storeCause());
}
