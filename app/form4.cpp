#include "app/form4.h"

#include "app/appinfo.h"
#include "common/layoutfit.h"
#include "common/version.h"
#include "platform/shell.h"
#include "ui_form4.h"

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

Form4::Form4(Shell &shell, const QUrl &forumUrl, QWidget *parent)
    : QDialog(parent), ui(new Ui::Form4), m_shell(shell), m_forumUrl(forumUrl)
{
    // The logo lives in the ui library, which is static: its resources must be pulled in by name.
    Q_INIT_RESOURCE(resources);

    ui->setupUi(this);
    setFixedSize(size());

    setTextColour(ui->Label2, QColor(255, 0, 0));
    setTextColour(ui->Label12, QColor(255, 0, 0));
    setTextColour(ui->Label11, QColor(0, 0, 255));
    setTextColour(ui->Label13, QColor(0, 0, 255));

    connect(ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    for (QLabel *link : {ui->Label5, ui->Label6, ui->Label8})
        link->installEventFilter(this);

    formLoad();
}

Form4::~Form4()
{
    delete ui;
}

void Form4::formLoad()
{
    // QPixmap does not look for the @2x file by itself; the reader marks that one as twice as dense.
    ui->aicAlphaImage1->setPixmap(
        QPixmap(devicePixelRatioF() > 1 ? QStringLiteral(":/logo@2x.png") : QStringLiteral(":/logo.png")));
    ui->Label9->setText(AppInfo::productName() + QStringLiteral("\n\n") + AppInfo::rightsLine());
    ui->Label10->setText(QStringLiteral("版本号：") + Version::text());
    ui->Label1->setText(QStringLiteral("Banner设计：\n感谢 %1 设计横幅 商务联系：%2\n\n"
                                       "程序设计:\n%3\n\n"
                                       "音频提供:\n感谢 %4 提供音效\n\n"
                                       "相关问题：")
                            .arg(AppInfo::bannerStudio(), AppInfo::bannerContact(), AppInfo::rightsLine(),
                                 AppInfo::soundProvider()));
    ui->Label4->setText(AppInfo::voiceService() + QStringLiteral("：") + AppInfo::voiceAccount());
    ui->Label5->setText(QStringLiteral("QQ：") + AppInfo::qqAccount());
    ui->Label6->setText(QStringLiteral("E-mail：") + AppInfo::emailAddress());
    ui->Label8->setText(m_forumUrl.toString());
    fitLabelsToText();
}

// The positions were measured for a smaller font. A label whose text is wider grows to the right,
// where each has room; one whose text is taller grows around its centre, except the credits: their
// last line heads the notes just below, so they grow upwards, beside the foot of the logo.
void Form4::fitLabelsToText()
{
    growLabelsToLineHeight(this);
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label == ui->aicAlphaImage1)
            continue;
        const QSize needed = label->sizeHint();
        QRect geometry = label->geometry();
        geometry.setWidth(std::max(geometry.width(), needed.width()));
        if (needed.height() > geometry.height()) {
            const int bottom = geometry.bottom();
            const int centre2 = 2 * geometry.top() + geometry.height();
            geometry.setHeight(needed.height());
            if (label == ui->Label1)
                geometry.moveBottom(bottom);
            else
                geometry.moveTop((centre2 - needed.height()) / 2);
        }
        label->setGeometry(geometry);
    }
}

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = static_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a release of the left button over the label, as with a button.
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (label == ui->Label5)
                label5Click();
            else if (label == ui->Label6)
                label6Click();
            else if (label == ui->Label8)
                label8Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form4::label5Click()
{
    m_shell.openUrl(QUrl(QStringLiteral("tencent://message/?uin=") + AppInfo::qqAccount()));
}

void Form4::label6Click()
{
    m_shell.openUrl(QUrl(QStringLiteral("mailto:") + AppInfo::emailAddress()));
}

void Form4::label8Click()
{
    m_shell.openUrl(m_forumUrl);
}
