#pragma once

#include <QString>
#include <QUrl>

// The servers the program talks to. The defaults are build settings (see CMakeLists.txt).
struct Endpoints {
    QString trackingHost; // host or host:port of the tracking service
    QString outletHost;   // host or host:port of the outlet query page
    QString updateHost;   // host or host:port of the update server
    QUrl forumUrl;        // the maker's forum page

    static Endpoints fromBuild();
};
