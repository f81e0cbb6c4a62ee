#pragma once

#include <QString>
#include <QStringList>

// Quillon's entry in the user's autostart folder ($XDG_CONFIG_HOME/autostart), which desktops read
// at login: a desktop entry that starts the program with --hidden.
class Autostart {
public:
    static const QString fileName;

    // `folder`: the autostart folder. `program`: the executable's path; `installed`: it is the
    // installed program, which the entry names as the command on the search path.
    Autostart(QString folder, QString program, bool installed);
    // $XDG_CONFIG_HOME/autostart, ~/.config/autostart when that is unset or not absolute.
    static QString userFolder();

    // An entry that starts this program, and that the desktop does not skip (Hidden).
    bool isOn() const;
    // Writes or removes the entry; the cause when that failed, else empty.
    QString setOn(bool on) const;

    QByteArray entry() const; // what setOn(true) writes
    // One argument of an Exec key as desktops read it: in double quotes when it holds a blank or a
    // character a shell would read, with ", `, $ and \ escaped there, % doubled, and a desktop
    // file's string escapes on top; as it stands when it needs no quotes.
    static QString quoted(const QString &argument);
    // An Exec value's arguments, quotes and escapes undone; empty for one that is not well formed.
    static QStringList arguments(const QString &exec);

private:
    QString path() const;
    QString command() const; // what Exec names: the installed command, or this copy's path

    QString m_folder;
    QString m_program;
    bool m_installed;
};
