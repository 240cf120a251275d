// Times start-up from the outside, on an X display: from exec to the mapping of the window titled
// «Загрузка» (the start screen), for each program given and for a bare Qt window, in turn, at each
// pixel ratio. Prints the medians and the median of each program's run-by-run ratio to the bare window.
// Usage: liorna-start-bench [-n runs] PROGRAM...   (DISPLAY must name a display without a desktop
// session of its own, such as Xvfb; each program is ended once its window has mapped)

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const TITLE = "Загрузка";

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

class Display {
public:
    Display()
    {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        netWmName_ = atom("_NET_WM_NAME");
        utf8_ = atom("UTF8_STRING");
        xcb_flush(c_);
    }
    ~Display() { xcb_disconnect(c_); }
    bool ok() const { return !xcb_connection_has_error(c_); }

    // Milliseconds from now until a window titled TITLE maps, or nothing after `limitMs`.
    std::optional<double> waitForMap(double start, double limitMs)
    {
        const int fd = xcb_get_file_descriptor(c_);
        while (nowMs() - start < limitMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
                const bool map = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window =
                    map ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
                std::free(event);
                if (map) {
                    const double at = nowMs();
                    if (titled(window))
                        return at - start;
                }
            }
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval wait{0, 20000};
            select(fd + 1, &read, nullptr, nullptr, &wait);
        }
        return std::nullopt;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    }

    bool titled(xcb_window_t window)
    {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, netWmName_, utf8_, 0, 256), nullptr);
        if (!reply)
            return false;
        const std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                               std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
        return name == TITLE;
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
    xcb_atom_t utf8_ = XCB_ATOM_NONE;
};

// One start: exec to the window mapped, then the program is ended.
std::optional<double> startOnce(Display& display, const std::string& program, const char* ratio)
{
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_SCALE_FACTOR", ratio, 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    const std::optional<double> mapped = display.waitForMap(start, 10000);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    // What the program left on the display is gone before the next start.
    usleep(100000);
    return mapped;
}

std::string besideMe(const char* argv0, const char* name)
{
    std::string self(argv0);
    const std::size_t slash = self.rfind('/');
    return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/" + name;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 11;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: %s [-n runs] PROGRAM...\n", argv[0]);
        return 2;
    }
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    const std::string bare = besideMe(argv[0], "liorna-bare-window");
    for (const char* ratio : {"1", "2"}) {
        std::vector<std::vector<double>> times(programs.size());
        std::vector<std::vector<double>> ratios(programs.size());
        std::vector<double> bareTimes;
        for (int run = 0; run < runs; ++run) {
            // The bare window between every two programs, first and last in turn.
            for (std::size_t p = 0; p < programs.size(); ++p) {
                const std::size_t which = run % 2 ? programs.size() - 1 - p : p;
                const std::optional<double> b = startOnce(display, bare, ratio);
                const std::optional<double> t = startOnce(display, programs[which], ratio);
                if (!b || !t) {
                    std::fprintf(stderr, "%s: no window titled %s from %s\n", argv[0], TITLE,
                                 (!b ? bare : programs[which]).c_str());
                    return 1;
                }
                bareTimes.push_back(*b);
                times[which].push_back(*t);
                ratios[which].push_back(*t / *b);
            }
        }
        std::printf("ratio %s  bare Qt window %6.1f ms\n", ratio, median(bareTimes));
        for (std::size_t p = 0; p < programs.size(); ++p)
            std::printf("ratio %s  %-40s %6.1f ms   %.2fx the bare window\n", ratio, programs[p].c_str(),
                        median(times[p]), median(ratios[p]));
        std::fflush(stdout);
    }
    return 0;
}
