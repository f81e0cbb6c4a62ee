// Starts a program and prints the milliseconds until its main window is mapped and until the
// first frame is painted into it, as "map MS frame MS", then ends the program. For startup.sh.
//
// Usage: quillon_bench_firstframe TITLE PROGRAM [ARGUMENT...]
// The main window is the first top-level window, neither a menu nor a tooltip, whose title begins
// with TITLE. A frame is painted when the program draws into the window: the X server reports it
// through the DAMAGE extension. Windows are watched from their creation, so no drawing is missed;
// the program's windows have no background of their own, so a map alone draws nothing.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string titleOf(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char *>(data), count);
        XFree(data);
    }
    char *name = nullptr;
    if (title.empty() && XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// A window may be gone before a request about it arrives; that is no reason to stop.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "firstframe: no X display with the DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror("firstframe: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("firstframe: fork");
        return 1;
    }

    double mapMs = -1, frameMs = -1;
    const int connection = ConnectionNumber(display);
    while (frameMs < 0) {
        if (!XPending(display)) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(connection, &readable);
            timeval limit{30, 0};
            if (select(connection + 1, &readable, nullptr, nullptr, &limit) <= 0) {
                std::fprintf(stderr, "firstframe: no frame from %s within 30 s\n", argv[2]);
                break;
            }
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !event.xmap.override_redirect && mapMs < 0 &&
                   titleOf(display, event.xmap.window).rfind(wanted, 0) == 0) {
            mapMs = msSince(start);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (titleOf(display, damage.drawable).rfind(wanted, 0) == 0)
                frameMs = msSince(start);
            XDamageSubtract(display, damage.damage, None, None);
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (frameMs < 0)
        return 1;
    std::printf("map %.0f frame %.0f\n", mapMs, frameMs);
    return 0;
}
