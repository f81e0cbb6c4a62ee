#pragma once

#include <QString>

// Sound service: plays a file once in the background.
// A new request replaces what is playing; a missing or unreadable file plays nothing.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString &path) = 0;
};
