// Times start-up from the outside, on an X display: from exec to the mapping of the window titled
// «Загрузка» (the start screen), and to the first pixels drawn into it, for each program given and for a
// bare Qt window, in turn, at each pixel ratio. Each program first starts once untimed and runs a moment,
// so what it keeps between starts is in place. Prints the medians and the median of each program's
// run-by-run ratio to the bare window.
// Usage: liorna-start-bench [-n runs] PROGRAM...   (DISPLAY must name a display without a desktop
// session of its own, such as Xvfb; each program is ended once its window has mapped)

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
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
        // Every new top-level window is watched for drawing from its creation, so its first pixels are
        // seen however soon after its mapping they come.
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c_, &xcb_damage_id);
        if (damage && damage->present) {
            damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
            std::free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
        }
        netWmName_ = atom("_NET_WM_NAME");
        utf8_ = atom("UTF8_STRING");
        xcb_flush(c_);
    }
    ~Display() { xcb_disconnect(c_); }
    bool ok() const { return !xcb_connection_has_error(c_); }

    struct Times {
        double mapped = 0;
        double painted = 0;
    };

    // Milliseconds from `start` until a window titled TITLE maps and until it is first drawn into, or
    // nothing after `limitMs`.
    std::optional<Times> waitForMap(double start, double limitMs)
    {
        const int fd = xcb_get_file_descriptor(c_);
        std::map<xcb_window_t, double> drawn;
        std::map<xcb_damage_damage_t, xcb_window_t> damages;
        std::optional<xcb_window_t> shown;
        Times times;
        while (nowMs() - start < limitMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
                const double at = nowMs();
                const int type = event->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY && damageEvent_) {
                    const xcb_window_t window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                    const xcb_damage_damage_t damage = xcb_generate_id(c_);
                    xcb_damage_create(c_, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    damages[damage] = window;
                    xcb_flush(c_);
                } else if (damageEvent_ && type == damageEvent_) {
                    const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                    const auto found = damages.find(notify->damage);
                    if (found != damages.end() && !drawn.count(found->second))
                        drawn[found->second] = at - start;
                } else if (type == XCB_MAP_NOTIFY && !shown) {
                    const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                    if (titled(window)) {
                        shown = window;
                        times.mapped = at - start;
                    }
                }
                std::free(event);
            }
            if (shown && (!damageEvent_ || drawn.count(*shown))) {
                times.painted = damageEvent_ ? drawn[*shown] : times.mapped;
                for (const auto& d : damages)
                    xcb_damage_destroy(c_, d.first);
                xcb_flush(c_);
                return times;
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
    int damageEvent_ = 0;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
    xcb_atom_t utf8_ = XCB_ATOM_NONE;
};

// One start: exec to the window mapped and drawn, then, `lingerMs` later, the program is ended.
std::optional<Display::Times> startOnce(Display& display, const std::string& program, const char* ratio,
                                        int lingerMs = 0)
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
    const std::optional<Display::Times> mapped = display.waitForMap(start, 10000);
    if (lingerMs > 0)
        usleep(static_cast<useconds_t>(lingerMs) * 1000);
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
        // Per program, and for the bare window: mapped and painted times, and their run-by-run ratios.
        struct Series {
            std::vector<double> mapped, painted, mappedRatio, paintedRatio;
        };
        std::vector<Series> series(programs.size());
        Series bareSeries;
        // A first start, untimed, that runs a moment: what a program keeps between starts is in place
        // for the timed ones, as it is for every start of a player's but the first.
        for (const std::string& program : programs)
            (void)startOnce(display, program, ratio, 1500);
        for (int run = 0; run < runs; ++run) {
            // The bare window between every two programs, first and last in turn.
            for (std::size_t p = 0; p < programs.size(); ++p) {
                const std::size_t which = run % 2 ? programs.size() - 1 - p : p;
                const std::optional<Display::Times> b = startOnce(display, bare, ratio);
                const std::optional<Display::Times> t = startOnce(display, programs[which], ratio);
                if (!b || !t) {
                    std::fprintf(stderr, "%s: no window titled %s from %s\n", argv[0], TITLE,
                                 (!b ? bare : programs[which]).c_str());
                    return 1;
                }
                bareSeries.mapped.push_back(b->mapped);
                bareSeries.painted.push_back(b->painted);
                Series& s = series[which];
                s.mapped.push_back(t->mapped);
                s.painted.push_back(t->painted);
                s.mappedRatio.push_back(t->mapped / b->mapped);
                s.paintedRatio.push_back(t->painted / b->painted);
            }
        }
        std::printf("ratio %s  %-40s mapped %6.1f ms          painted %6.1f ms\n", ratio, "bare Qt window",
                    median(bareSeries.mapped), median(bareSeries.painted));
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Series& s = series[p];
            std::printf("ratio %s  %-40s mapped %6.1f ms  %.2fx   painted %6.1f ms  %.2fx\n", ratio,
                        programs[p].c_str(), median(s.mapped), median(s.mappedRatio), median(s.painted),
                        median(s.paintedRatio));
        }
        std::fflush(stdout);
    }
    return 0;
}
