#pragma once

#include "appexit.h"
#include "clock.h"
#include "messageboxes.h"
#include "shell.h"
#include "skin.h"
#include "sound.h"
#include "webfetch.h"

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
};
