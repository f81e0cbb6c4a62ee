#include "tray/traylink.h"

#include "common/bringtofront.h"
#include "common/texts.h"
#include "parcels/parcelbook.h"

#include <QWidget>

namespace {
const QString showWindowItem = QStringLiteral("trayShowWindow");
const QString overviewItem = QStringLiteral("trayOverview");
const QString refreshItem = QStringLiteral("trayRefreshAll");
const QString stayItem = QStringLiteral("trayStayInTray");
const QString loginItem = QStringLiteral("trayStartAtLogin");
const QString quitItem = QStringLiteral("trayQuit");
} // namespace

TrayLink::TrayLink(ParcelBook &book, const Autostart &autostart, const Platform &platform, QWidget *window)
    : m_book(book), m_autostart(autostart), m_platform(platform), m_window(window)
{
    Tray &tray = platform.tray;
    if (!tray.isAvailable())
        return;
    m_shown = true;
    tray.show(menu());
    tray.setToolTip(toolTip(0));
    // An entry the user removed by hand, or one for another copy, leaves the item unchecked.
    tray.setChecked(loginItem, m_autostart.isOn());
    connect(&tray, &Tray::clicked, this, [this] { bringToFront(m_window); });
    connect(&tray, &Tray::chosen, this, &TrayLink::chosen);
    connect(&book.board(), &ParcelBoard::changed, this, &TrayLink::boardChanged);
    connect(&platform.notifier, &Notifier::activated, this, [this](const QString &, QObject *poster) {
        if (poster == this)
            bringToFront(m_window);
    });
}

bool TrayLink::keepsRunning() const
{
    return m_shown && m_book.settings().stayInTray;
}

void TrayLink::hideWindow()
{
    m_window->hide();
    if (std::exchange(m_toldOnce, true))
        return;
    m_platform.notifier.notify({QStringLiteral("tray"),
                                tr("Quillon 仍在托盘中运行"),
                                tr("单击托盘图标可显示窗口，在它的菜单中选择“退出”结束程序。"),
                                {}},
                               this);
}

QList<Tray::Item> TrayLink::menu()
{
    return {{showWindowItem, tr("显示主窗口")},
            {overviewItem, tr("全部快件")},
            {refreshItem, tr("全部查询")},
            {},
            {stayItem, tr("关闭窗口时留在托盘"), true},
            {loginItem, tr("登录时启动"), true},
            {},
            {quitItem, tr("退出")}};
}

QString TrayLink::toolTip(int marked)
{
    return marked > 0 ? tr("Quillon\n%n件快件有更新", nullptr, marked) : QStringLiteral("Quillon");
}

void TrayLink::chosen(const QString &name, bool checked)
{
    if (name == showWindowItem)
        bringToFront(m_window);
    else if (name == overviewItem)
        emit listAsked();
    else if (name == refreshItem)
        emit refreshAsked();
    else if (name == stayItem) {
        m_book.openRecord(); // where the setting is kept
        m_book.setSetting(&ListSettings::stayInTray, checked);
    } else if (name == loginItem)
        setStartAtLogin(checked);
    else if (name == quitItem)
        emit quitAsked();
}

void TrayLink::boardChanged(const ParcelChange &change)
{
    const ParcelBoard &board = m_book.board();
    int marked = 0;
    for (int row = 0; row < board.count(); ++row)
        marked += board.parcel(row).marked ? 1 : 0;
    m_platform.tray.setToolTip(toolTip(marked));
    m_platform.tray.setMarked(marked > 0);
    if (change.kind == ParcelChange::Kind::Reset) // the record opened: its settings with it
        m_platform.tray.setChecked(stayItem, m_book.settings().stayInTray);
}

void TrayLink::setStartAtLogin(bool on)
{
    const QString cause = m_autostart.setOn(on);
    if (cause.isEmpty())
        return;
    m_platform.tray.setChecked(loginItem, !on);
    m_platform.boxes.show({Texts::boxTitle(),
                           (on ? tr("无法写入登录时启动的设置：") : tr("无法取消登录时启动：")) + cause,
                           BoxIcon::Exclamation});
}
