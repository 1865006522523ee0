// Times a key as the person sees it: from the key press sent through the X server (XTest) to the last repaint of
// the window it causes (X Damage reports every rectangle the program puts on the window). A repaint ends when
// no rectangle has come for QUIET milliseconds.
//   xseen WINDOW KEY PRESSES [QUIET]     KEY is an X key name: space, Right, Down
// Prints one line per press (milliseconds to the last repaint, and the rectangles and pixels repainted), then the
// median and the 90th percentile.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <vector>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

struct Repaint
{
    double lastMs = -1; // after the press; -1: nothing was repainted
    int rectangles = 0;
    long pixels = 0;
};

// Waits for the repaints that follow one press; gives up two seconds after it.
Repaint collect(Display* display, int damageEvent, double pressedAt, int quietMs)
{
    Repaint seen;
    const int fd = ConnectionNumber(display);
    double lastEvent = pressedAt;
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
                lastEvent = nowMs();
                seen.lastMs = lastEvent - pressedAt;
                ++seen.rectangles;
                seen.pixels += long(damage->area.width) * damage->area.height;
            }
        }
        const double now = nowMs();
        const double waitFrom = seen.rectangles > 0 ? lastEvent : pressedAt;
        const double limit = seen.rectangles > 0 ? quietMs : 2000;
        if (now - waitFrom >= limit)
            return seen;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, int(limit - (now - waitFrom)) + 1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: xseen WINDOW KEY PRESSES [QUIET]\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int presses = std::atoi(argv[3]);
    const int quietMs = argc > 4 ? std::atoi(argv[4]) : 150;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xseen: no X display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0, xtestEvent = 0, xtestError = 0, major = 0, minor = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &xtestEvent, &xtestError, &major, &minor)) {
        std::fprintf(stderr, "xseen: the X server has no DAMAGE or XTEST\n");
        return 1;
    }
    const KeySym sym = XStringToKeysym(argv[2]);
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
    if (code == 0) {
        std::fprintf(stderr, "xseen: no key %s\n", argv[2]);
        return 2;
    }
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    collect(display, damageEvent, nowMs(), quietMs); // whatever was still being painted

    std::vector<double> times;
    for (int i = 0; i < presses; ++i) {
        const double pressedAt = nowMs();
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
        const Repaint seen = collect(display, damageEvent, pressedAt, quietMs);
        std::printf("press %d: %.2f ms, %d rectangles, %ld pixels\n", i + 1, seen.lastMs, seen.rectangles, seen.pixels);
        if (seen.lastMs >= 0)
            times.push_back(seen.lastMs);
    }
    if (times.empty()) {
        std::printf("no repaint seen\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p90 = times[std::min(times.size() - 1, times.size() * 9 / 10)];
    std::printf("median %.2f ms, 90th percentile %.2f ms, %zu of %d presses repainted\n", median, p90, times.size(),
                presses);
    XCloseDisplay(display);
    return 0;
}
