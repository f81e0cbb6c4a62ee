#include "about/aboutdialog.h"

#include "about/appinfo.h"
#include "common/layoutfit.h"
#include "common/version.h"
#include "platform/shell.h"
#include "ui_aboutdialog.h"

#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {
void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

AboutDialog::AboutDialog(Shell &shell, const QUrl &forumUrl, QWidget *parent)
    : QDialog(parent), ui(new Ui::AboutDialog), m_shell(shell), m_forumUrl(forumUrl)
{
    // The logo lives in the ui library, which is static: its resources must be pulled in by name.
    Q_INIT_RESOURCE(resources);

    ui->setupUi(this);
    setFixedSize(size());

    setTextColour(ui->wrongNumberNote, QColor(255, 0, 0));
    setTextColour(ui->outOfStepNote, QColor(255, 0, 0));
    setTextColour(ui->wrongNumberReason, QColor(0, 0, 255));
    setTextColour(ui->outOfStepReason, QColor(0, 0, 255));

    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    for (QLabel *link : {ui->qqLink, ui->emailLink, ui->forumLink})
        link->installEventFilter(this);

    fillLabels();
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::fillLabels()
{
    // QPixmap does not look for the @2x file by itself; the reader marks that one as twice as dense.
    ui->logo->setPixmap(
        QPixmap(devicePixelRatioF() > 1 ? QStringLiteral(":/logo@2x.png") : QStringLiteral(":/logo.png")));
    ui->productLabel->setText(AppInfo::productName() + QStringLiteral("\n\n") + AppInfo::rightsLine());
    ui->versionLabel->setText(tr("版本号：%1").arg(Version::text()));
    ui->creditsLabel->setText(tr("Banner设计：\n感谢 %1 设计横幅 商务联系：%2\n\n"
                                 "程序设计:\n%3\n\n"
                                 "音频提供:\n感谢 %4 提供音效\n\n"
                                 "相关问题：")
                                  .arg(AppInfo::bannerStudio(), AppInfo::bannerContact(),
                                       AppInfo::rightsLine(), AppInfo::soundProvider()));
    ui->voiceContact->setText(tr("%1：%2").arg(AppInfo::voiceService(), AppInfo::voiceAccount()));
    ui->qqLink->setText(tr("QQ：%1").arg(AppInfo::qqAccount()));
    ui->emailLink->setText(tr("E-mail：%1").arg(AppInfo::emailAddress()));
    ui->forumLink->setText(m_forumUrl.toString());
    fitLabelsToText();
}

// The positions were measured for a smaller font. A label whose text is wider grows to the right,
// where each has room; one whose text is taller grows around its centre, except the credits: their
// last line heads the notes just below, so they grow upwards, beside the foot of the logo.
void AboutDialog::fitLabelsToText()
{
    growLabelsToLineHeight(this);
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label == ui->logo)
            continue;
        const QSize needed = label->sizeHint();
        QRect geometry = label->geometry();
        geometry.setWidth(std::max(geometry.width(), needed.width()));
        if (needed.height() > geometry.height()) {
            const int bottom = geometry.bottom();
            const int centre2 = 2 * geometry.top() + geometry.height();
            geometry.setHeight(needed.height());
            if (label == ui->creditsLabel)
                geometry.moveBottom(bottom);
            else
                geometry.moveTop((centre2 - needed.height()) / 2);
        }
        label->setGeometry(geometry);
    }
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = static_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a release of the left button over the label, as with a button.
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (label == ui->qqLink)
                openQqChat();
            else if (label == ui->emailLink)
                writeEmail();
            else if (label == ui->forumLink)
                openForum();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::openQqChat()
{
    m_shell.openUrl(QUrl(QStringLiteral("tencent://message/?uin=") + AppInfo::qqAccount()));
}

void AboutDialog::writeEmail()
{
    m_shell.openUrl(QUrl(QStringLiteral("mailto:") + AppInfo::emailAddress()));
}

void AboutDialog::openForum()
{
    m_shell.openUrl(m_forumUrl);
}
