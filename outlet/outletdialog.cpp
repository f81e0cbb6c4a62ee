#include "outlet/outletdialog.h"

#include "common/layoutfit.h"
#include "common/textrules.h"
#include "common/texts.h"
#include "platform/messageboxes.h"
#include "platform/webfetch.h"
#include "ui_outletdialog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

namespace {
QString notQueried()
{
    return QCoreApplication::translate("OutletDialog", "未查询");
}
QString notFound()
{
    return QCoreApplication::translate("OutletDialog", "您查询的网点不存在!");
}
// A long pasted name must reach the page whole, not cut at QLineEdit's default of 32767.
constexpr int nameBoxMaxLength = 16 * 1024 * 1024;
} // namespace

OutletDialog::OutletDialog(WebFetch &fetch, const QString &outletHost, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), ui(new Ui::OutletDialog), m_fetch(fetch), m_outletHost(outletHost), m_boxes(boxes)
{
    ui->setupUi(this);
    setFixedSize(size());
    growLabelsToLineHeight(this);
    carryWhole(ui->nameInputCaption, tr("请输入您要查询的网点名称：", "whole caption"));
    carryWhole(ui->noDeliveryCaption, tr("不派送范围：", "whole caption"));
    ui->statusBar->setPanels({{64, tr("提示："), QString(), QStringLiteral("captionPanel")},
                              {0, tr("请输入要查询的网点名称"), QString(), QStringLiteral("messagePanel")}});
    // No icon of its own: an empty pixmap keeps the application's icon off the title bar too.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    connect(ui->lookUpButton, &QPushButton::clicked, this, &OutletDialog::lookUp);
    ui->nameBox->setMaxLength(nameBoxMaxLength);
    ui->areaValue->installEventFilter(this);
}

OutletDialog::~OutletDialog()
{
    // A wait still under way would otherwise run to its deadline for a dialog that is gone.
    if (m_fetching)
        m_fetch.abortResponsive();
    delete ui;
}

QString OutletDialog::fetchPage(const QUrl &url)
{
    // The dialog may be destroyed during the wait, so nothing of it is touched afterwards.
    const FetchResult result = m_fetch.getResponsive(url, {{"If-Modified-Since", "0"}});
    const bool answered =
        result.outcome == FetchResult::Outcome::Ok || result.outcome == FetchResult::Outcome::HttpError;
    return answered ? result.body : QString();
}

void OutletDialog::clearFields()
{
    for (QString &field : m_outletFields)
        field.clear();
}

void OutletDialog::done(int result)
{
    if (m_fetching && !m_abandoned) {
        m_abandoned = true;
        m_fetch.abortResponsive();
    }
    clearFields();
    QDialog::done(result);
}

bool OutletDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->areaValue) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_areaPressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_areaPressed && mouse->button() == Qt::LeftButton &&
                               ui->areaValue->rect().contains(mouse->position().toPoint());
            m_areaPressed = false;
            if (click)
                showWholeArea();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OutletDialog::lookUp()
{
    const QString typed = ui->nameBox->text();
    if (typed.isEmpty()) {
        ui->statusBar->setText(2, tr("请输入您要查询的站点.."));
        return;
    }
    // No second query while this one waits; a closing in between abandons it.
    ui->lookUpButton->setEnabled(false);
    m_fetching = true;
    m_abandoned = false;
    const QPointer<OutletDialog> self(this);
    const QString page = fetchPage(outletQueryUrl(m_outletHost, typed));
    if (!self)
        return;
    m_fetching = false;
    ui->lookUpButton->setEnabled(true);
    if (std::exchange(m_abandoned, false))
        return;

    m_outletFields = parseOutletPage(page);
    QLabel *const valueLabels[6] = {ui->outletNameValue, ui->managerValue, ui->secondNameValue,
                                    ui->phoneValue,      ui->areaValue,    ui->noDeliveryValue};
    for (std::size_t i = 0; i < m_outletFields.size(); ++i)
        valueLabels[i]->setText(cutAtWholeCharacter(m_outletFields[i], shownTextLength));
    if (!m_outletFields[0].isEmpty())
        return; // success leaves the status line as it was
    clearFields();
    for (QLabel *label : valueLabels)
        label->setText(notQueried());
    ui->statusBar->setText(2, notFound());
    m_boxes.show(
        {Texts::boxTitle(), notFound(), BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton, this});
}

void OutletDialog::showWholeArea()
{
    // The stored value, whole up to a length no real delivery area reaches: the label may cut it short.
    const QString area = m_outletFields[4];
    if (!area.isEmpty())
        m_boxes.show({Texts::boxTitle(), cutAtWholeCharacter(area, shownTextLength), BoxIcon::Information,
                      BoxButton::Ok, BoxButton::NoButton, this});
}
