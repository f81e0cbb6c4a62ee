#pragma once

#include <QUrl>

// Hands a web address or a link (mailto:, tencent:) to the handler the desktop has registered.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QUrl &url) = 0;
};
