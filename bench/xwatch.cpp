// Starts a GUI program on the current X display and watches it from outside:
//
//   lullara_bench_xwatch start --title T [--settle-ms N] -- program [args...]
//       Times from spawning the program until a top-level window titled
//       exactly T is mapped (shown), and until its first complete picture:
//       the moment the drawing reported by the X server's DAMAGE extension
//       since the map covers the whole window. At both moments it reads the
//       CPU time the program has used (all threads, user + system). After N
//       ms more (default 1000), the program's peak and current resident
//       memory. Prints startup_ms=... startup_cpu_ms=... picture_ms=...
//       picture_cpu_ms=... hwm_kb=... rss_kb=... (picture_* -1 when the
//       window was not covered within 10 s)
//
//   lullara_bench_xwatch cpu --title T [--seconds S] [--key KEY] -- program [args...]
//       Once the window is shown and has settled, the program's CPU time per
//       second while idle, over S seconds (default 5); then focuses the window
//       and presses KEY (default F6) with xdotool, waits 1 s and measures
//       again. To tell whether the key started anything, the window's picture
//       is grabbed twice a second during each sample and the distinct
//       pictures are counted. Prints idle_pct=... run_pct=... idle_frames=...
//       run_frames=...
//
// The program is ended with SIGTERM afterwards. Exit status 0 on success.
// Needs a display without a compositing manager (such as a bare Xvfb), where
// drawing into a window is drawing onto the screen.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>

#include <functional>
#include <set>
#include <string>
#include <thread>
#include <chrono>

#include "benchutil.h"

namespace {

int ignoreXErrors(Display *, XErrorEvent *) { return 0; }

std::string windowTitle(Display *dpy, Window w)
{
    static const Atom netWmName = XInternAtom(dpy, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
        return title;
    }
    char *name = nullptr;
    if (XFetchName(dpy, w, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// A cheap fingerprint of the window's current picture.
unsigned long long pictureHash(Display *dpy, Window w)
{
    XWindowAttributes attrs{};
    if (!XGetWindowAttributes(dpy, w, &attrs) || attrs.map_state != IsViewable)
        return 0;
    XImage *img = XGetImage(dpy, w, 0, 0, unsigned(attrs.width), unsigned(attrs.height), AllPlanes, ZPixmap);
    if (!img)
        return 0;
    unsigned long long h = 1469598103934665603ULL;
    const size_t bytes = size_t(img->bytes_per_line) * size_t(img->height);
    for (size_t i = 0; i < bytes; ++i) {
        h ^= static_cast<unsigned char>(img->data[i]);
        h *= 1099511628211ULL;
    }
    XDestroyImage(img);
    return h;
}

struct Options {
    std::string mode;
    std::string title;
    int settleMs = 1000;
    double seconds = 5;
    std::string key = "F6";
    std::vector<std::string> command;
};

int usage()
{
    std::fprintf(stderr,
                 "usage: lullara_bench_xwatch start|cpu --title T [--settle-ms N] [--seconds S] [--key K] -- "
                 "program [args...]\n");
    return 2;
}

void endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    Options opt;
    int i = 1;
    if (i < argc)
        opt.mode = argv[i++];
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            for (++i; i < argc; ++i)
                opt.command.push_back(argv[i]);
            break;
        }
        if (i + 1 >= argc)
            return usage();
        if (a == "--title")
            opt.title = argv[++i];
        else if (a == "--settle-ms")
            opt.settleMs = std::atoi(argv[++i]);
        else if (a == "--seconds")
            opt.seconds = std::atof(argv[++i]);
        else if (a == "--key")
            opt.key = argv[++i];
        else
            return usage();
    }
    if ((opt.mode != "start" && opt.mode != "cpu") || opt.title.empty() || opt.command.empty())
        return usage();

    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "xwatch: cannot open the X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    // All drawing on the screen, as rectangles in root coordinates: damage
    // of the root window includes that of the windows on it.
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "xwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Damage damage = XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);

    const std::int64_t t0 = bench::nowNs();
    const pid_t pid = bench::spawn(opt.command);
    if (pid < 0) {
        std::fprintf(stderr, "xwatch: cannot start %s\n", opt.command[0].c_str());
        return 1;
    }

    // Wait for the window, a top-level window mapped with the wanted title,
    // and then for its first complete picture: the drawing since the map
    // covers the window. (The X server reports events in order, so drawing
    // reported after the MapNotify was done after the map.)
    Window target = None;
    XRectangle area{};
    Region drawn = XCreateRegion();
    double startupMs = -1, startupCpuMs = -1;
    double pictureMs = -1, pictureCpuMs = -1;
    const int fd = ConnectionNumber(dpy);
    for (;;) {
        while (XPending(dpy) && pictureMs < 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (target == None && ev.type == MapNotify && ev.xmap.event == root
                && windowTitle(dpy, ev.xmap.window) == opt.title) {
                startupMs = bench::msSince(t0);
                startupCpuMs = double(bench::processCpuNs(pid)) / 1e6;
                target = ev.xmap.window;
                XWindowAttributes attrs{};
                Window child = None;
                int x = 0, y = 0;
                XGetWindowAttributes(dpy, target, &attrs);
                XTranslateCoordinates(dpy, target, root, 0, 0, &x, &y, &child);
                area = {short(x), short(y), static_cast<unsigned short>(attrs.width),
                        static_cast<unsigned short>(attrs.height)};
            } else if (target != None && ev.type == damageEvent + XDamageNotify) {
                const auto &d = reinterpret_cast<const XDamageNotifyEvent &>(ev);
                XRectangle r = d.area;
                XUnionRectWithRegion(&r, drawn, drawn);
                if (XRectInRegion(drawn, area.x, area.y, area.width, area.height) == RectangleIn) {
                    pictureMs = bench::msSince(t0);
                    pictureCpuMs = double(bench::processCpuNs(pid)) / 1e6;
                }
            }
        }
        if (pictureMs >= 0 || (target != None && bench::msSince(t0) - startupMs > 10000))
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "xwatch: %s ended before showing \"%s\"\n", opt.command[0].c_str(),
                         opt.title.c_str());
            return 1;
        }
        if (bench::msSince(t0) > 60000) {
            std::fprintf(stderr, "xwatch: no window \"%s\" within 60 s\n", opt.title.c_str());
            endProgram(pid);
            return 1;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
    }
    XSelectInput(dpy, root, NoEventMask);
    XDamageDestroy(dpy, damage);
    XDestroyRegion(drawn);
    XSync(dpy, True);

    int rc = 0;
    if (opt.mode == "start") {
        std::this_thread::sleep_for(std::chrono::milliseconds(opt.settleMs));
        const long hwm = bench::procStatusKb(pid, "VmHWM");
        const long rss = bench::procStatusKb(pid, "VmRSS");
        std::printf("startup_ms=%.2f startup_cpu_ms=%.2f picture_ms=%.2f picture_cpu_ms=%.2f hwm_kb=%ld "
                    "rss_kb=%ld\n",
                    startupMs, startupCpuMs, pictureMs, pictureCpuMs, hwm, rss);
    } else {
        // Let start-up work (fonts, first paints, deferred timers) finish.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max(opt.settleMs, 2000)));
        auto sample = [&](int &frames) {
            std::set<unsigned long long> seen;
            const std::int64_t c0 = bench::processCpuNs(pid);
            const std::int64_t w0 = bench::nowNs();
            const std::int64_t end = w0 + std::int64_t(opt.seconds * 1e9);
            while (bench::nowNs() < end) {
                seen.insert(pictureHash(dpy, target));
                const std::int64_t left = end - bench::nowNs();
                std::this_thread::sleep_for(std::chrono::nanoseconds(std::min<std::int64_t>(left, 500000000)));
            }
            const std::int64_t c1 = bench::processCpuNs(pid);
            const std::int64_t w1 = bench::nowNs();
            frames = int(seen.size());
            return 100.0 * double(c1 - c0) / double(w1 - w0);
        };
        int idleFrames = 0, runFrames = 0;
        const double idle = sample(idleFrames);
        char wid[32];
        std::snprintf(wid, sizeof wid, "%lu", static_cast<unsigned long>(target));
        const double keyMs = bench::timeCommand({"xdotool", "windowfocus", "--sync", wid, "key", opt.key});
        if (keyMs < 0) {
            std::fprintf(stderr, "xwatch: xdotool could not press %s\n", opt.key.c_str());
            rc = 1;
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const double run = sample(runFrames);
        std::printf("idle_pct=%.3f run_pct=%.3f idle_frames=%d run_frames=%d\n", idle, run, idleFrames,
                    runFrames);
    }
    std::fflush(stdout);
    endProgram(pid);
    XCloseDisplay(dpy);
    return rc;
}
