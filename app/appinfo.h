#pragma once

#include "quillon_build_config.h"

#include <QString>

// Who and what the program is. The version comes from the project; the people and
// addresses are build settings (see CMakeLists.txt) so a packager can name the real ones.
namespace AppInfo {

inline constexpr int versionMajor = QUILLON_VERSION_MAJOR;
inline constexpr int versionMinor = QUILLON_VERSION_MINOR;
inline constexpr int versionRevision = QUILLON_VERSION_REVISION;

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
