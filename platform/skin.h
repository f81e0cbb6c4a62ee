#pragma once

#include <QString>

// Skin service: attaches a skin file to every window of the program and shifts its colours.
class Skin {
public:
    virtual ~Skin() = default;
    virtual void attach(const QString &path, const QString &password) = 0;
    virtual void adjustHsv(int hue, int saturation, int brightness) = 0;
};
