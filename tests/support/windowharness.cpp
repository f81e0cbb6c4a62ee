#include "windowharness.h"

#include "platform/qtwebfetch.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QTreeView>

WindowHarness::WindowHarness() : WindowHarness(Options()) {}

WindowHarness::WindowHarness(const Options &options) : m_options(options)
{
    if (!options.scriptedFetch) {
        if (m_service.listen() == 0)
            qFatal("demo service could not listen");
        m_fetch = std::make_unique<QtWebFetch>(options.deadlineMs, options.maxBytes);
    }
    const QString host = options.scriptedFetch ? QStringLiteral("tracking.invalid") : m_service.hostAndPort();
    endpoints = Endpoints{host, host, host, QUrl(QStringLiteral("http://forum.invalid/bbs/"))};
}

WindowHarness::~WindowHarness() = default;

Form1 &WindowHarness::start()
{
    WebFetch &fetch = m_options.fetch           ? *m_options.fetch
                      : m_options.scriptedFetch ? static_cast<WebFetch &>(m_scripted)
                                                : *m_fetch;
    const Platform platform{fetch, sound, boxes, shell, clock, skin, appExit};
    const ProgramFolders folders = m_options.folders ? *m_options.folders : ProgramFolders(m_dir.path());
    m_window = std::make_unique<Form1>(platform, endpoints, folders);
    return *m_window;
}

Form1 &WindowHarness::startReady()
{
    start();
    if (m_options.scriptedFetch)
        m_scripted.answers.prepend(okAnswer(QStringLiteral("V3.0")));
    m_window->timer3Tick();
    return *m_window;
}

void WindowHarness::selectCompany(int position)
{
    find<QComboBox>("Combo1")->setCurrentIndex(position);
}

void WindowHarness::typeNumber(const QString &number)
{
    find<QComboBox>("Text1")->setEditText(number);
}

void WindowHarness::query(int position, const QString &number)
{
    selectCompany(position);
    typeNumber(number);
    m_window->command1Click();
    finishParse();
}

bool WindowHarness::finishParse()
{
    auto *timer1 = find<QTimer>("Timer1");
    if (!timer1->isActive())
        return false;
    m_window->timer1Tick();
    return true;
}

QString WindowHarness::historyPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("wlnum.ini"));
}

QByteArray WindowHarness::historyBytes() const
{
    QFile file(historyPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(missing)");
    return file.readAll();
}

void WindowHarness::writeHistory(const QByteArray &bytes) const
{
    QFile file(historyPath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the history file");
    file.write(bytes);
}

int WindowHarness::rowCount() const
{
    return find<QTreeView>("ListView1")->model()->rowCount();
}

QString WindowHarness::cell(int row, int column) const
{
    return cellData(row, column, Qt::DisplayRole).toString();
}

QVariant WindowHarness::cellData(int row, int column, int role) const
{
    const QAbstractItemModel *model = find<QTreeView>("ListView1")->model();
    return model->index(row, column).data(role);
}
