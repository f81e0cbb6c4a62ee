#pragma once

#include "platform/messageboxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    BoxButton show(const BoxRequest &request) override;
};
