// What a user feels of a keystroke: from a real key press on an X display
// to the first changed pixels on the screen. Runs two copies of cgcalc side
// by side on an Xvfb display of its own (or on --display), the first with
// What if closed, the second with it open, and types into the kink's
// trailing-edge field (Vk, "-30") of each in turn, in blocks, at a typist's
// pace: BackSpace, 5, BackSpace, 0 (-3, -35, -3, -30), every key a new model.
// Keys go in through XTest, as the server's own keyboard would send them;
// each damage the windows report (XDamage) is checked against the pixels
// before the key (MIT-SHM images), and the time of the first one that
// changed them counts. Reported, as median and 90th percentile:
//   (a) the main window's result side (right of the fields: the result
//       table, the diagram, the status line) with What if closed,
//   (b) the same with What if open,
//   (c) the What-if window (its plot) after the same keys as (b),
// and the ratio (b)/(a) of the same run, so that the load other programs
// put on the cores falls on both alike: of the whole run's medians, and the
// median of the ratios of neighbouring blocks, which a load that comes and
// goes disturbs least.
// Usage: key_to_pixels [--keys N] [--block N] [--pace MIN:MAX] [--display :N] CGCALC
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double kFrameMs = 16;
constexpr double kPlotMedianTarget = 10;
constexpr double kLabelsRatioTarget = 1.2;
// Pixels of the main window left of this column are the dimension sketch
// and its fields (the typed field among them); the results lie right of it.
constexpr int kResultSideLeft = 300;
// Tab presses from the first field (B) to Vk, in the fields' tab order.
constexpr int kTabsToKinkField = 4;
constexpr auto kGiveUp = std::chrono::milliseconds(1000);
constexpr auto kSettle = std::chrono::milliseconds(400);

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "key_to_pixels: %s\n", message.c_str());
  std::exit(2);
}

void Sleep(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one;
  file >> one;
  return one.empty() ? "?" : one;
}

pid_t Spawn(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Qt's and the server's remarks would drown the report.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) Fail("cannot start " + arguments[0]);
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

void Stop(pid_t child) {
  if (child <= 0) return;
  kill(child, SIGTERM);
  for (int i = 0; i < 40; ++i) {
    if (waitpid(child, nullptr, WNOHANG) == child) return;
    Sleep(std::chrono::milliseconds(50));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// An Xvfb of our own on the first free display, wide enough for both
// programs' windows side by side.
struct OwnServer {
  pid_t pid = 0;
  std::string display;
  OwnServer() {
    int number = 70;
    while (access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0 ||
           access(("/tmp/.X11-unix/X" + std::to_string(number)).c_str(), F_OK) == 0)
      ++number;
    display = ":" + std::to_string(number);
    pid = Spawn({"Xvfb", display, "-screen", "0", "2200x1100x24", "-nolisten", "tcp", "-noreset"});
    for (int i = 0; i < 100 && access(("/tmp/.X11-unix/X" + std::to_string(number)).c_str(), F_OK) != 0; ++i)
      Sleep(std::chrono::milliseconds(50));
  }
  ~OwnServer() { Stop(pid); }
};

// A rectangle of a window whose pixels are watched, read through shared
// memory.
class WatchedArea {
 public:
  WatchedArea(Display* display, Window window, int left, int top, int width, int height)
      : display_(display), window_(window), left_(left), top_(top) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    image_ = XShmCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth), ZPixmap, nullptr,
                             &shm_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    shm_.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(image_->bytes_per_line * image_->height), IPC_CREAT | 0600);
    shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    XShmAttach(display, &shm_);
    XSync(display, False);
    shmctl(shm_.shmid, IPC_RMID, nullptr);
  }
  ~WatchedArea() {
    XShmDetach(display_, &shm_);
    XDestroyImage(image_);
    shmdt(shm_.shmaddr);
  }
  WatchedArea(const WatchedArea&) = delete;
  WatchedArea& operator=(const WatchedArea&) = delete;

  Window Of() const { return window_; }
  void TakeBaseline() {
    read();
    baseline_.assign(image_->data, image_->data + bytes());
  }
  bool Changed() {
    read();
    return std::memcmp(baseline_.data(), image_->data, bytes()) != 0;
  }

 private:
  std::size_t bytes() const { return static_cast<std::size_t>(image_->bytes_per_line * image_->height); }
  void read() { XShmGetImage(display_, window_, image_, left_, top_, AllPlanes); }

  Display* display_;
  Window window_;
  int left_, top_;
  XShmSegmentInfo shm_{};
  XImage* image_ = nullptr;
  std::vector<char> baseline_;
};

std::optional<long> WindowPid(Display* display, Window window) {
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::optional<long> pid;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
          Success &&
      data && count == 1)
    pid = *reinterpret_cast<long*>(data);
  if (data) XFree(data);
  return pid;
}

// The viewable windows of process `pid`, at any depth (a window manager
// puts them into frames of its own).
void FindWindows(Display* display, Window parent, long pid, std::vector<Window>& found) {
  Window root, ancestor, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &ancestor, &children, &count)) return;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
    if (attributes.map_state == IsViewable && !attributes.override_redirect && WindowPid(display, children[i]) == pid)
      found.push_back(children[i]);
    else
      FindWindows(display, children[i], pid, found);
  }
  if (children) XFree(children);
}

std::vector<Window> WindowsOf(Display* display, long pid, std::size_t expected) {
  for (int i = 0; i < 200; ++i) {
    std::vector<Window> found;
    FindWindows(display, DefaultRootWindow(display), pid, found);
    if (found.size() >= expected) return found;
    Sleep(std::chrono::milliseconds(50));
  }
  Fail("the program's windows did not appear");
}

void Key(Display* display, KeySym symbol, bool press) {
  XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), press ? True : False, CurrentTime);
  XFlush(display);
}

void Tap(Display* display, KeySym symbol) {
  Key(display, symbol, true);
  Key(display, symbol, false);
  XSync(display, False);
  Sleep(std::chrono::milliseconds(60));
}

// Gives `window` the keyboard: through the window manager where there is one.
void Focus(Display* display, Window window) {
  XRaiseWindow(display, window);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XSync(display, False);
  Sleep(kSettle);
}

void MoveTo(Display* display, Window window, int left, int top) {
  XMoveWindow(display, window, left, top);
  XSync(display, False);
}

Window Other(const std::vector<Window>& windows, Window known) {
  for (Window window : windows)
    if (window != known) return window;
  Fail("no second window");
}

// One program under the keys: its main window, and its What-if window when open.
struct Program {
  pid_t pid = 0;
  Window main = 0;
  Window whatIf = 0;
  std::unique_ptr<WatchedArea> results;
  std::unique_ptr<WatchedArea> plot;
  std::vector<double> resultTimes, plotTimes;
  int missed = 0;
};

std::unique_ptr<WatchedArea> WholeRightOf(Display* display, Window window, int left) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display, window, &attributes);
  return std::make_unique<WatchedArea>(display, window, left, 0, attributes.width - left, attributes.height);
}

void StartProgram(Display* display, const std::string& path, bool whatIf, int left, Program& program) {
  program.pid = Spawn({path});
  program.main = WindowsOf(display, program.pid, 1).front();
  XSelectInput(display, program.main, StructureNotifyMask);
  MoveTo(display, program.main, left, 0);
  Focus(display, program.main);
  if (whatIf) {
    // Tools / What if, by the menus' access keys.
    Key(display, XK_Alt_L, true);
    Tap(display, XK_t);
    Key(display, XK_Alt_L, false);
    Tap(display, XK_w);
    program.whatIf = Other(WindowsOf(display, program.pid, 2), program.main);
    XWindowAttributes mainAttributes;
    XGetWindowAttributes(display, program.main, &mainAttributes);
    MoveTo(display, program.whatIf, left + mainAttributes.width + 20, 0);
    Focus(display, program.main);
  }
  for (int i = 0; i < kTabsToKinkField; ++i) Tap(display, XK_Tab);
  Tap(display, XK_End);
  Sleep(kSettle);
  program.results = WholeRightOf(display, program.main, kResultSideLeft);
  if (program.whatIf) program.plot = WholeRightOf(display, program.whatIf, 0);
  for (Window window : {program.main, program.whatIf})
    if (window) XDamageCreate(display, window, XDamageReportRawRectangles);
}

// Presses `symbol` and waits until the watched areas have changed; their
// times in ms after the press go to the program's lists.
void Measure(Display* display, int damageBase, Program& program, KeySym symbol) {
  struct Pending {
    WatchedArea* area;
    std::vector<double>* times;
  };
  std::vector<Pending> pending = {{program.results.get(), &program.resultTimes}};
  if (program.plot) pending.push_back({program.plot.get(), &program.plotTimes});
  for (const Pending& watched : pending) watched.area->TakeBaseline();
  XSync(display, False);
  while (XPending(display)) {
    XEvent discarded;
    XNextEvent(display, &discarded);
  }
  const Clock::time_point pressed = Clock::now();
  Key(display, symbol, true);
  while (!pending.empty() && Clock::now() - pressed < kGiveUp) {
    pollfd wait = {ConnectionNumber(display), POLLIN, 0};
    if (!XPending(display)) poll(&wait, 1, 5);
    // Each window's first damage in this batch, and when it arrived.
    std::vector<std::pair<Window, Clock::time_point>> damaged;
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != damageBase + XDamageNotify) continue;
      const Window window = reinterpret_cast<XDamageNotifyEvent&>(event).drawable;
      if (std::none_of(damaged.begin(), damaged.end(), [window](const auto& seen) { return seen.first == window; }))
        damaged.emplace_back(window, Clock::now());
    }
    // The damage's arrival counts: the image read after it only confirms it.
    std::erase_if(pending, [&](const Pending& watched) {
      const auto seen = std::find_if(damaged.begin(), damaged.end(),
                                     [&](const auto& entry) { return entry.first == watched.area->Of(); });
      if (seen == damaged.end() || !watched.area->Changed()) return false;
      watched.times->push_back(Milliseconds(seen->second - pressed).count());
      return true;
    });
  }
  program.missed += static_cast<int>(pending.size());
  Key(display, symbol, false);
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double at = fraction * static_cast<double>(values.size() - 1);
  const std::size_t below = static_cast<std::size_t>(at);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

double WithinFrame(const std::vector<double>& values) {
  if (values.empty()) return 0;
  return 100.0 * static_cast<double>(std::count_if(values.begin(), values.end(), [](double v) { return v <= kFrameMs; })) /
         static_cast<double>(values.size());
}

void Report(const char* what, const std::vector<double>& times) {
  std::printf("%-38s %7.2f ms %7.2f ms %6.0f %%   (%zu keys)\n", what, Percentile(times, 0.5), Percentile(times, 0.9),
              WithinFrame(times), times.size());
}

struct Options {
  int keys = 200;
  int block = 20;
  int paceMin = 150, paceMax = 200;
  std::string display;
  std::string program;
};

Options ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool valued = i + 1 < argc;
    if (argument == "--keys" && valued) options.keys = std::max(1, std::atoi(argv[++i]));
    else if (argument == "--block" && valued) options.block = std::max(1, std::atoi(argv[++i]));
    else if (argument == "--pace" && valued && std::sscanf(argv[++i], "%d:%d", &options.paceMin, &options.paceMax) == 2) {}
    else if (argument == "--display" && valued) options.display = argv[++i];
    else if (options.program.empty() && argument.front() != '-') options.program = argument;
    else Fail("usage: key_to_pixels [--keys N] [--block N] [--pace MIN:MAX] [--display :N] CGCALC");
  }
  if (options.program.empty()) Fail("usage: key_to_pixels [--keys N] [--block N] [--pace MIN:MAX] [--display :N] CGCALC");
  if (options.paceMax < options.paceMin) std::swap(options.paceMin, options.paceMax);
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ReadOptions(argc, argv);
  std::unique_ptr<OwnServer> server;
  std::string display = options.display;
  if (display.empty()) {
    server = std::make_unique<OwnServer>();
    display = server->display;
  }
  setenv("DISPLAY", display.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // Settings of their own: remembered balance inputs would add a mark.
  char settings[] = "/tmp/key_to_pixels.XXXXXX";
  if (!mkdtemp(settings)) Fail("cannot make a settings folder");
  setenv("XDG_CONFIG_HOME", settings, 1);
  Display* x = XOpenDisplay(display.c_str());
  if (!x) Fail("cannot open the display " + display);
  int eventBase, errorBase, damageBase, major, minor;
  if (!XTestQueryExtension(x, &eventBase, &errorBase, &major, &minor)) Fail("the display has no XTest");
  if (!XDamageQueryExtension(x, &damageBase, &errorBase)) Fail("the display has no Damage");
  if (!XShmQueryExtension(x)) Fail("the display has no MIT-SHM");

  const std::string loadBefore = LoadAverage();
  Program closed, open;
  StartProgram(x, options.program, false, 0, closed);
  StartProgram(x, options.program, true, 680, open);

  const KeySym cycle[] = {XK_BackSpace, XK_5, XK_BackSpace, XK_0};
  std::mt19937 random(20260101);
  std::uniform_int_distribution<int> pace(options.paceMin, options.paceMax);
  int typed[2] = {0, 0};
  // The ratio (b)/(a) of each pair of neighbouring blocks: the load of the
  // other programs changes from second to second.
  std::vector<double> pairRatios;
  for (int done = 0; done < 2 * options.keys;) {
    double blockMedian[2] = {0, 0};
    for (int which = 0; which < 2; ++which) {
      Program& program = which == 0 ? closed : open;
      Focus(x, program.main);
      const std::size_t first = program.resultTimes.size();
      for (int k = 0; k < options.block && typed[which] < options.keys; ++k, ++done) {
        const Clock::time_point start = Clock::now();
        Measure(x, damageBase, program, cycle[typed[which]++ % 4]);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(pace(random)));
      }
      blockMedian[which] = Percentile({program.resultTimes.begin() + static_cast<std::ptrdiff_t>(first),
                                       program.resultTimes.end()}, 0.5);
    }
    if (blockMedian[0] > 0 && blockMedian[1] > 0) pairRatios.push_back(blockMedian[1] / blockMedian[0]);
  }
  const std::string loadAfter = LoadAverage();

  std::printf("%d keys into each program, %d-%d ms apart, in blocks of %d; load average %s before, %s after\n",
              options.keys, options.paceMin, options.paceMax, options.block, loadBefore.c_str(), loadAfter.c_str());
  std::printf("%-38s %10s %10s %8s\n", "key press to changed pixels", "median", "90th pct", "<=16 ms");
  Report("(a) main window, What if closed", closed.resultTimes);
  Report("(b) main window, What if open", open.resultTimes);
  Report("(c) What-if plot", open.plotTimes);
  const double ratio = Percentile(open.resultTimes, 0.5) / Percentile(closed.resultTimes, 0.5);
  const double pairRatio = Percentile(pairRatios, 0.5);
  std::printf("ratio (b)/(a): %.3f of the medians, %.3f of the 90th percentiles, %.3f the median of %zu block pairs'\n"
              "  (target at most %.1f: %s)\n",
              ratio, Percentile(open.resultTimes, 0.9) / Percentile(closed.resultTimes, 0.9), pairRatio,
              pairRatios.size(), kLabelsRatioTarget, pairRatio <= kLabelsRatioTarget ? "met" : "NOT met");
  const double plotMedian = Percentile(open.plotTimes, 0.5), plot90 = Percentile(open.plotTimes, 0.9);
  std::printf("plot: median %.2f ms (target at most %.0f), 90th percentile %.2f ms (target at most %.0f): %s\n",
              plotMedian, kPlotMedianTarget, plot90, kFrameMs,
              plotMedian <= kPlotMedianTarget && plot90 <= kFrameMs ? "met" : "NOT met");
  if (closed.missed + open.missed > 0)
    std::printf("keys without a change within %lld ms: %d (closed), %d (open)\n",
                static_cast<long long>(kGiveUp.count()), closed.missed, open.missed);

  for (Program* program : {&closed, &open}) {
    program->results.reset();
    program->plot.reset();
  }
  XCloseDisplay(x);
  Stop(closed.pid);
  Stop(open.pid);
  std::filesystem::remove_all(settings);
  return 0;
}
