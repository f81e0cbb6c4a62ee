#pragma once

#include "platform/shell.h"

class QtShell : public Shell {
public:
    void openUrl(const QUrl &url) override;
};
