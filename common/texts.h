#pragma once

#include <QCoreApplication>
#include <QString>

// Texts that several windows show.
namespace Texts {

// The title of the program's message boxes.
inline QString boxTitle()
{
    return QCoreApplication::translate("Texts", "Orvo系列软件");
}

// The message line when wlnum.ini could not be written.
inline QString historyNotSaved()
{
    return QCoreApplication::translate("Texts", "单号记录保存失败!");
}

// The message line when wlnum.ini exists but could not be read: it is left as it is.
inline QString historyUnreadable()
{
    return QCoreApplication::translate("Texts", "单号记录无法读取,本次不保存!");
}

} // namespace Texts
