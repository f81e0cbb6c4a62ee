#include "platform/autostart.h"

#include "common/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString Autostart::fileName = QStringLiteral("org.example.Quillon.desktop");

Autostart::Autostart(QString folder, QString program, bool installed)
    : m_folder(std::move(folder)), m_program(std::move(program)), m_installed(installed)
{
}

QString Autostart::userFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base =
        QDir::isAbsolutePath(config) ? config : QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString Autostart::path() const
{
    return QDir(m_folder).filePath(fileName);
}

QString Autostart::command() const
{
    return m_installed ? QFileInfo(m_program).fileName() : m_program;
}

QByteArray Autostart::entry() const
{
    // TryExec: a copy that is gone (uninstalled, moved) is not started, and not complained of.
    QString tryExec = command();
    const QString lines[] = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Quillon"),
        QStringLiteral("Comment=Track parcels of courier companies in mainland China"),
        QStringLiteral("Comment[zh_CN]=查询国内快递公司的物流信息"),
        QStringLiteral("Exec=") + quoted(command()) + QStringLiteral(" --hidden"),
        QStringLiteral("TryExec=") + tryExec.replace(u'\\', QStringLiteral("\\\\")),
        QStringLiteral("Icon=org.example.Quillon"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text.toUtf8();
}

QString Autostart::quoted(const QString &argument)
{
    // Characters that make an argument need quotes, and those that are escaped inside them.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escaped = QStringLiteral("\"`$\\");
    QString text = argument;
    text.replace(u'%', QStringLiteral("%%")); // a field code otherwise
    if (!argument.isEmpty() && std::ranges::none_of(argument, [](QChar c) { return reserved.contains(c); }))
        return text;
    QString inQuotes;
    for (const QChar c : text) {
        if (escaped.contains(c))
            inQuotes += u'\\';
        inQuotes += c;
    }
    // A string value escapes its backslashes again, and has no line ends of its own.
    inQuotes.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    return u'"' + inQuotes + u'"';
}

QStringList Autostart::arguments(const QString &exec)
{
    // The string value's escapes first, then the quoting rule.
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const qsizetype code =
            exec[i] == u'\\' && i + 1 < exec.size() ? QStringView(u"sntr\\").indexOf(exec[i + 1]) : -1;
        value += code < 0 ? exec[i] : QStringView(u" \n\t\r\\")[code];
        i += code < 0 ? 0 : 1;
    }
    QStringList arguments;
    QString argument;
    bool inQuotes = false, started = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (inQuotes && c == u'\\' && i + 1 < value.size()) {
            argument += value[++i];
        } else if (c == u'"') {
            inQuotes = !inQuotes;
            started = true;
        } else if (c == u' ' && !inQuotes) {
            if (started)
                arguments.append(std::exchange(argument, QString()));
            started = false;
        } else if (c == u'%' && i + 1 < value.size() && value[i + 1] == u'%') {
            argument += value[++i];
            started = true;
        } else {
            argument += c;
            started = true;
        }
    }
    if (inQuotes)
        return {};
    if (started)
        arguments.append(argument);
    return arguments;
}

bool Autostart::isOn() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool hidden = false, inEntry = false;
    QStringList exec;
    for (const QByteArray &bytes : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]";
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed(), value = line.sliced(equals + 1).trimmed();
        if (key == u"Hidden")
            hidden = value == u"true";
        else if (key == u"Exec")
            exec = arguments(value);
    }
    return !hidden && exec.size() >= 1 && exec.first() == command();
}

QString Autostart::setOn(bool on) const
{
    if (!on) {
        QFile file(path());
        return !file.exists() || file.remove() ? QString() : file.errorString();
    }
    if (!QDir().mkpath(m_folder))
        return QCoreApplication::translate("Autostart", "无法建立文件夹 %1")
            .arg(QDir::toNativeSeparators(m_folder));
    QString cause;
    return saveWholeFile(path(), entry(), &cause) ? QString() : cause;
}
