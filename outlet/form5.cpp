#include "outlet/form5.h"

#include "common/layoutfit.h"
#include "common/textrules.h"
#include "common/texts.h"
#include "platform/messageboxes.h"
#include "platform/webfetch.h"
#include "ui_form5.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

namespace {
const QString notQueried = QStringLiteral("未查询");
const QString notFound = QStringLiteral("您查询的网点不存在!");
// A long pasted name must reach the page whole, not cut at QLineEdit's default of 32767.
constexpr int nameBoxMaxLength = 16 * 1024 * 1024;
} // namespace

Form5::Form5(WebFetch &fetch, const QString &outletHost, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), ui(new Ui::Form5), m_fetch(fetch), m_outletHost(outletHost), m_boxes(boxes)
{
    ui->setupUi(this);
    setFixedSize(size());
    growLabelsToLineHeight(this);
    ui->S1->setPanels({{64, QStringLiteral("提示："), QString()},
                       {0, QStringLiteral("请输入要查询的网点名称"), QString()}});
    // No icon of its own: an empty pixmap keeps the application's icon off the title bar too.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    connect(ui->Command1, &QPushButton::clicked, this, &Form5::command1Click);
    ui->Text1->setMaxLength(nameBoxMaxLength);
    ui->Label10->installEventFilter(this);
}

Form5::~Form5()
{
    // A wait still under way would otherwise run to its deadline for a dialog that is gone.
    if (m_fetching)
        m_fetch.abortResponsive();
    delete ui;
}

QString Form5::GetBody(const QUrl &url)
{
    // The dialog may be destroyed during the wait, so nothing of it is touched afterwards.
    const FetchResult result = m_fetch.getResponsive(url, {{"If-Modified-Since", "0"}});
    const bool answered =
        result.outcome == FetchResult::Outcome::Ok || result.outcome == FetchResult::Outcome::HttpError;
    return answered ? result.body : QString();
}

void Form5::csh()
{
    for (QString &field : m_outletFields)
        field.clear();
}

void Form5::done(int result)
{
    if (m_fetching && !m_abandoned) {
        m_abandoned = true;
        m_fetch.abortResponsive();
    }
    csh();
    QDialog::done(result);
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label10) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_label10Pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_label10Pressed && mouse->button() == Qt::LeftButton &&
                               ui->Label10->rect().contains(mouse->position().toPoint());
            m_label10Pressed = false;
            if (click)
                label10Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form5::command1Click()
{
    const QString typed = ui->Text1->text();
    if (typed.isEmpty()) {
        ui->S1->setText(2, QStringLiteral("请输入您要查询的站点.."));
        return;
    }
    // No second query while this one waits; a closing in between abandons it.
    ui->Command1->setEnabled(false);
    m_fetching = true;
    m_abandoned = false;
    const QPointer<Form5> self(this);
    const QString page = GetBody(outletQueryUrl(m_outletHost, typed));
    if (!self)
        return;
    m_fetching = false;
    ui->Command1->setEnabled(true);
    if (std::exchange(m_abandoned, false))
        return;

    m_outletFields = parseOutletPage(page);
    QLabel *const valueLabels[6] = {ui->Label2, ui->Label4, ui->Label6, ui->Label8, ui->Label10, ui->Label12};
    for (std::size_t i = 0; i < m_outletFields.size(); ++i)
        valueLabels[i]->setText(cutAtWholeCharacter(m_outletFields[i], shownTextLength));
    if (!m_outletFields[0].isEmpty())
        return; // success leaves the status line as it was
    csh();
    for (QLabel *label : valueLabels)
        label->setText(notQueried);
    ui->S1->setText(2, notFound);
    m_boxes.show({Texts::boxTitle(), notFound, BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton});
}

void Form5::label10Click()
{
    // The stored value, whole up to a length no real delivery area reaches: the label may cut it short.
    const QString area = m_outletFields[4];
    if (!area.isEmpty())
        m_boxes.show({Texts::boxTitle(), cutAtWholeCharacter(area, shownTextLength), BoxIcon::Information,
                      BoxButton::Ok, BoxButton::NoButton});
}
