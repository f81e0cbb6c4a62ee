#include "overview/addnumbersdialog.h"

#include "tracking/catalogue.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

AddNumbersDialog::AddNumbersDialog(QStringList historyNumbers, QWidget *parent)
    : QDialog(parent), m_historyNumbers(std::move(historyNumbers)), m_text(new QPlainTextEdit(this)),
      m_table(new QTableWidget(0, 3, this)), m_add(new QPushButton(QStringLiteral("添加"), this)),
      m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("addNumbersDialog"));
    setWindowTitle(QStringLiteral("添加单号"));
    m_text->setObjectName(QStringLiteral("numbersText"));
    m_text->setAccessibleName(QStringLiteral("单号，每行一个"));
    m_text->setPlaceholderText(QStringLiteral("粘贴单号，每行一个，或以空格、逗号、顿号分开"));
    m_text->setTabChangesFocus(true);
    m_table->setObjectName(QStringLiteral("numbersTable"));
    m_table->setAccessibleName(QStringLiteral("待添加的单号"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("单号"), QStringLiteral("快递公司"), QStringLiteral("说明")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 150);
    m_table->setColumnWidth(1, 130);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    m_summary->setObjectName(QStringLiteral("addSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    connect(m_text, &QPlainTextEdit::textChanged, this, &AddNumbersDialog::readNumbers);
    connect(m_add, &QPushButton::clicked, this, &AddNumbersDialog::add);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_table, 2);
    layout->addWidget(m_summary);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_add);
    layout->addLayout(buttons);
    resize(480, 420);
}

void AddNumbersDialog::setRunning(bool running)
{
    m_running = running;
    updateAddButton();
}

void AddNumbersDialog::updateAddButton()
{
    m_add->setEnabled(!m_running && std::ranges::any_of(m_lines, [](const NumberBatch::Line &line) {
        return line.skip == NumberBatch::Skip::None;
    }));
}

void AddNumbersDialog::setSummary(const QString &text)
{
    m_summary->setText(text);
}

void AddNumbersDialog::readNumbers()
{
    m_lines = NumberBatch::read(m_text->toPlainText(), m_historyNumbers, m_chosen);
    m_table->clearContents();
    m_table->setRowCount(int(m_lines.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const NumberBatch::Line &line = m_lines.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(line.number));
        auto *company = new QComboBox(m_table);
        company->setAccessibleName(QStringLiteral("%1的快递公司").arg(line.number));
        company->addItem(QString());
        company->addItems(Catalogue::names());
        company->setCurrentText(line.company);
        connect(company, &QComboBox::currentTextChanged, this,
                [this, number = line.number](const QString &name) {
                    m_chosen.insert(number, name);
                    // It changes what is left out, not the lines: their lists stay as they are.
                    m_lines = NumberBatch::read(m_text->toPlainText(), m_historyNumbers, m_chosen);
                    showNotes();
                });
        m_table->setCellWidget(row, 1, company);
    }
    showNotes();
}

void AddNumbersDialog::showNotes()
{
    for (int row = 0; row < m_lines.size(); ++row)
        m_table->setItem(row, 2, new QTableWidgetItem(NumberBatch::skipText(m_lines.at(row).skip)));
    updateAddButton();
}

void AddNumbersDialog::add()
{
    QList<ParcelKey> parcels;
    for (const NumberBatch::Line &line : std::as_const(m_lines)) {
        if (line.skip == NumberBatch::Skip::None)
            parcels.append({line.number, line.company});
    }
    emit addRequested(parcels);
}
