#pragma once

#include "platform/appexit.h"
#include "platform/clock.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"
#include "platform/notifier.h"
#include "platform/shell.h"
#include "platform/skin.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/webfetch.h"

// Everything the program asks of the outside world, handed to the windows in one bundle.
// main.cpp builds the real services; tests build fakes.
struct Platform {
    WebFetch &fetch;
    Sound &sound;
    MessageBoxes &boxes;
    Shell &shell;
    Clock &clock;
    Skin &skin;
    AppExit &appExit;
    Notifier &notifier;
    FileDialogs &files;
    Tray &tray;
};
