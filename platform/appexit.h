#pragma once

// Ends the program at once, without asking the windows whether they may close.
class AppExit {
public:
    virtual ~AppExit() = default;
    virtual void exitNow(int code) = 0;
};
