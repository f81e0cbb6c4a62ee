#pragma once

#include "quillon_build_config.h"

#include <QString>

// Who made the program, as the about box names them: build settings (see CMakeLists.txt), so
// that a packager can name the real people and addresses.
namespace AppInfo {

inline QString productName()
{
    return QStringLiteral("Quillon");
}
inline QString rightsLine()
{
    return QStringLiteral(QUILLON_RIGHTS);
}
inline QString voiceService()
{
    return QStringLiteral(QUILLON_VOICE_SERVICE);
}
inline QString voiceAccount()
{
    return QStringLiteral(QUILLON_CONTACT_VOICE);
}
inline QString qqAccount()
{
    return QStringLiteral(QUILLON_CONTACT_QQ);
}
inline QString emailAddress()
{
    return QStringLiteral(QUILLON_CONTACT_EMAIL);
}
inline QString bannerStudio()
{
    return QStringLiteral(QUILLON_CREDIT_BANNER);
}
inline QString bannerContact()
{
    return QStringLiteral(QUILLON_CREDIT_BANNER_CONTACT);
}
inline QString soundProvider()
{
    return QStringLiteral(QUILLON_CREDIT_SOUND);
}

} // namespace AppInfo
