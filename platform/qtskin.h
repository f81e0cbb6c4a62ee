#pragma once

#include "platform/skin.h"

// The skin file names the skin on its first line; the program draws that skin itself (SkinStyle)
// with the application palette's colours, so shifting the palette's hue recolours the whole skin.
class QtSkin : public Skin {
public:
    void attach(const QString &path, const QString &password) override;
    void adjustHsv(int hue, int saturation, int brightness) override;
};
