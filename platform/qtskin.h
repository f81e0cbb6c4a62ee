#pragma once

#include "platform/skin.h"

// The skin file is a Qt style sheet that draws with palette colours, so shifting the
// application palette's hue recolours the whole skin.
class QtSkin : public Skin {
public:
    void attach(const QString &path, const QString &password) override;
    void adjustHsv(int hue, int saturation, int brightness) override;
};
