#include "overview/addnumbersdialog.h"

#include "parcels/batchmodel.h"
#include "tracking/companydelegate.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

AddNumbersDialog::AddNumbersDialog(QStringList historyNumbers, const Clock &clock, QWidget *parent)
    : QDialog(parent), m_lines(new BatchModel(std::move(historyNumbers), this)),
      m_text(new QPlainTextEdit(this)), m_table(new QTableView(this)),
      m_add(new QPushButton(tr("添加"), this)), m_summary(new QLabel(this)), m_readTimer(this)
{
    setObjectName(QStringLiteral("addNumbersDialog"));
    setWindowTitle(tr("添加单号"));
    m_text->setObjectName(QStringLiteral("numbersText"));
    m_text->setAccessibleName(tr("单号，每行一个"));
    m_text->setPlaceholderText(tr("粘贴单号，每行一个，或以空格、逗号、顿号分开"));
    m_text->setTabChangesFocus(true);
    m_table->setObjectName(QStringLiteral("numbersTable"));
    m_table->setAccessibleName(tr("待添加的单号"));
    m_table->setModel(m_lines);
    m_table->setItemDelegateForColumn(BatchModel::Company,
                                      new CompanyDelegate(clock, BatchModel::Number, m_table));
    m_table->setTabKeyNavigation(false); // Tab goes on to 添加, not through every cell
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(BatchModel::Number, 150);
    m_table->setColumnWidth(BatchModel::Company, 130);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    m_add->setDefault(true); // Enter adds, Esc closes
    m_summary->setObjectName(QStringLiteral("addSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    // Each key would read every line again: the text is read once typing pauses.
    m_readTimer.setObjectName(QStringLiteral("readNumbersTimer"));
    m_readTimer.setSingleShot(true);
    m_readTimer.setInterval(300);
    connect(&m_readTimer, &QTimer::timeout, this, &AddNumbersDialog::readNumbers);
    connect(m_text, &QPlainTextEdit::textChanged, &m_readTimer, qOverload<>(&QTimer::start));
    connect(m_text, &QPlainTextEdit::textChanged, this, &AddNumbersDialog::updateAddButton);
    connect(m_lines, &QAbstractItemModel::dataChanged, this, &AddNumbersDialog::updateAddButton);
    connect(m_lines, &QAbstractItemModel::modelReset, this, &AddNumbersDialog::updateAddButton);
    connect(m_add, &QPushButton::clicked, this, &AddNumbersDialog::add);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_table, 2);
    layout->addWidget(m_summary);
    auto *close = new QPushButton(tr("关闭"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(480, 420);
}

// An editor open as the dialog goes commits its company when it loses the focus, after this
// dialog's own members are gone.
AddNumbersDialog::~AddNumbersDialog()
{
    disconnect(m_lines, nullptr, this, nullptr);
}

void AddNumbersDialog::setRunning(bool running)
{
    m_running = running;
    updateAddButton();
}

// 添加 is there for the text as it will be read: a pause that has not come yet still counts.
void AddNumbersDialog::updateAddButton()
{
    m_add->setEnabled(!m_running && (m_readTimer.isActive() ||
                                     std::ranges::any_of(m_lines->lines(), [](const NumberBatch::Line &line) {
                                         return line.skip == NumberBatch::Skip::None;
                                     })));
}

void AddNumbersDialog::setSummary(const QString &text)
{
    m_summary->setText(text);
}

void AddNumbersDialog::setOutcome(const QString &number, const QString &failure)
{
    m_lines->setOutcome(number, failure);
}

void AddNumbersDialog::readNumbers()
{
    m_readTimer.stop();
    m_lines->setText(m_text->toPlainText());
}

void AddNumbersDialog::add()
{
    if (m_readTimer.isActive()) // typed just now: what was typed counts
        readNumbers();
    QList<ParcelKey> parcels;
    for (const NumberBatch::Line &line : m_lines->lines()) {
        if (line.skip == NumberBatch::Skip::None)
            parcels.append({line.number, line.company});
    }
    if (!parcels.isEmpty())
        emit addRequested(parcels);
}
