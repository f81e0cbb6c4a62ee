#include "app/queryinputs.h"

#include "app/historycontroller.h"
#include "search/companysearchdialog.h"
#include "tracking/catalogue.h"
#include "tracking/couriersuggestion.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
// Long pasted text must fit in the number box whole.
constexpr int numberBoxMaxLength = 16 * 1024 * 1024;
} // namespace

QueryInputs::QueryInputs(Controls controls, ParcelBook &book, MessageBoxes &windowBoxes,
                         MessageBoxes &dialogBoxes, QWidget *window)
    : QObject(window), m_ui(controls), m_dialogBoxes(dialogBoxes), m_window(window),
      m_historyController(new HistoryController(controls.numberBox, book, windowBoxes, this)),
      m_suggestion(new CourierSuggestion(controls.numberBox, controls.companyBox, window))
{
    // The number sent is exactly what was typed: no completion from the history.
    m_ui.numberBox->setCompleter(nullptr);
    m_ui.numberBox->lineEdit()->setMaxLength(numberBoxMaxLength);
    connect(m_ui.companyBox, &QComboBox::currentIndexChanged, this, &QueryInputs::companyChosen);
    connect(m_ui.companySearchButton, &QPushButton::clicked, this, &QueryInputs::openCompanySearch);
    connect(m_ui.deleteNumberButton, &QPushButton::clicked, m_historyController,
            &HistoryController::deleteTypedNumber);
    connect(m_ui.clearHistoryButton, &QPushButton::clicked, m_historyController,
            &HistoryController::clearAll);
    connect(m_historyController, &HistoryController::message, this, &QueryInputs::message);
    connect(m_historyController, &HistoryController::picked, this, [this](const QString &company) {
        m_suggestion->hide(); // a history entry brings its own company
        selectCompany(company);
        emit picked();
    });
    connect(m_ui.numberBox->lineEdit(), &QLineEdit::textEdited, m_suggestion, &CourierSuggestion::offerFor);
    connect(m_suggestion, &CourierSuggestion::chosen, this, &QueryInputs::selectCompany);
    setupPaste(window);
}

void QueryInputs::setupPaste(QWidget *window)
{
    // F8, with any modifier, pastes from anywhere in the window, an open drop-down list included;
    // a modal dialog in front keeps it.
    static_assert(Qt::ShiftModifier == 1 << 25 && Qt::ControlModifier == 1 << 26 &&
                  Qt::AltModifier == 1 << 27 && Qt::MetaModifier == 1 << 28);
    QList<QKeySequence> f8;
    for (int held = 0; held < 16; ++held) // every combination of the four
        f8.append(QKeySequence(QKeyCombination(Qt::KeyboardModifiers(held << 25), Qt::Key_F8)));
    auto *paste = new QShortcut(window);
    paste->setKeys(f8);
    paste->setContext(Qt::ApplicationShortcut);
    connect(paste, &QShortcut::activated, this, &QueryInputs::pasteNumber);
}

void QueryInputs::fill()
{
    {
        // Filling a combo box selects its first entry; the user has picked nothing yet, so no
        // company code may follow from the filling.
        const QSignalBlocker blocker(m_ui.companyBox);
        m_ui.companyBox->addItems(Catalogue::names());
        m_ui.companyBox->setCurrentIndex(-1);
    }
    m_ui.frame->setTitle(tr("物流信息 [当前支持:%1家物流公司]F8快捷粘贴单号").arg(m_ui.companyBox->count()));
    m_historyController->loadAndShow();
}

void QueryInputs::selectCompany(const QString &company)
{
    const int position = m_ui.companyBox->findText(company, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position >= 0)
        m_ui.companyBox->setCurrentIndex(position);
}

void QueryInputs::companyChosen(int index)
{
    const QString code = Catalogue::code(index);
    if (!code.isEmpty())
        m_companyCode = code;
}

// The dialog is made when it is shown and gone when it closes, so every opening starts fresh.
void QueryInputs::openCompanySearch()
{
    CompanySearchDialog dialog(Catalogue::names(), m_dialogBoxes, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const int position : dialog.matches()) {
        m_ui.companyBox->setCurrentIndex(position);
        if (dialog.typed())
            emit message(tr("找到【%1】，是否为您要找的公司?").arg(m_ui.companyBox->currentText()));
    }
}

void QueryInputs::pasteNumber()
{
    // Even while the box is disabled; an open list closes, so that Enter cannot pick over the paste.
    m_ui.numberBox->setEditText(QGuiApplication::clipboard()->text());
    m_suggestion->offerFor(m_ui.numberBox->currentText());
    for (QComboBox *list : m_window->findChildren<QComboBox *>())
        list->hidePopup();
}
