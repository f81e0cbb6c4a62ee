#include "platform/qttray.h"

#include <QAction>
#include <QPainter>

QtTray::QtTray(const QIcon &icon, QObject *parent) : Tray(parent), m_icon(icon), m_trayIcon(icon)
{
    m_menu.setObjectName(QStringLiteral("trayMenu"));
    m_trayIcon.setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon.setContextMenu(&m_menu);
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit clicked();
    });
}

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::show(const QList<Item> &menu)
{
    for (const Item &item : menu) {
        if (item.text.isEmpty()) {
            m_menu.addSeparator();
            continue;
        }
        QAction *action = m_menu.addAction(item.text);
        action->setObjectName(item.name);
        action->setCheckable(item.checkable);
        connect(action, &QAction::triggered, this,
                [this, name = item.name](bool checked) { emit chosen(name, checked); });
    }
    m_trayIcon.show();
}

void QtTray::setToolTip(const QString &text)
{
    m_trayIcon.setToolTip(text);
}

void QtTray::setMarked(bool marked)
{
    if (marked && m_marked.isNull()) // drawn when first needed, not at start-up
        m_marked = markedIcon(m_icon);
    m_trayIcon.setIcon(marked ? m_marked : m_icon);
}

void QtTray::setChecked(const QString &name, bool checked)
{
    if (QAction *action = m_menu.findChild<QAction *>(name))
        action->setChecked(checked);
}

QIcon QtTray::markedIcon(const QIcon &icon)
{
    QIcon marked;
    for (const QSize &size : icon.availableSizes()) {
        QPixmap pixmap = icon.pixmap(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal dot = size.width() * 0.42;
        painter.setPen(QPen(Qt::white, std::max(1.0, size.width() / 16.0)));
        painter.setBrush(QColor(230, 0, 0));
        painter.drawEllipse(QRectF(size.width() - dot - 0.5, 0.5, dot, dot));
        painter.end();
        marked.addPixmap(pixmap);
    }
    return marked;
}
