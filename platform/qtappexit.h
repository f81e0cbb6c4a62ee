#pragma once

#include "platform/appexit.h"

class QtAppExit : public AppExit {
public:
    void exitNow(int code) override;
};
