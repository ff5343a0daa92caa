// Starts a program and prints, in seconds, how long its first top-level
// window took to show painted, then its peak resident memory in kB, and
// ends it. Painted: a pixel of the window no longer the black that Xvfb
// leaves under a new window without a compositor. With --settle MS the
// memory is read MS milliseconds after the paint, once the program has
// done what it does after showing its window. With --ready the time is
// taken when dru's sentence display first holds ink: its file is read and
// a sentence shown.
// Usage: dru_first_paint [--settle MS] [--ready] FOLDER PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long PeakResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

bool Painted(Display* display, Window window) {
  XImage* image = XGetImage(display, window, 4, 4, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return pixel != 0;
}

// Dark pixels in the sentence display, below the menu bar.
bool SentenceShown(Display* display, Window window) {
  XImage* image = XGetImage(display, window, 12, 32, 320, 24, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  bool ink = false;
  for (int y = 0; y < image->height && !ink; ++y) {
    for (int x = 0; x < image->width && !ink; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      ink = ((pixel >> 16) & 0xFF) < 0x60 && ((pixel >> 8) & 0xFF) < 0x60 && (pixel & 0xFF) < 0x60;
    }
  }
  XDestroyImage(image);
  return ink;
}

int Ignore(Display*, XErrorEvent*) {
  return 0;  // a window gone while looked at
}

}  // namespace

int main(int argc, char** argv) {
  int settleMs = 0;
  bool ready = false;
  for (;;) {
    if (argc > 2 && std::string(argv[1]) == "--settle") {
      settleMs = std::atoi(argv[2]);
      argc -= 2;
      argv += 2;
    } else if (argc > 1 && std::string(argv[1]) == "--ready") {
      ready = true;
      --argc;
      ++argv;
    } else {
      break;
    }
  }
  if (argc < 3) {
    std::fputs("Usage: dru_first_paint [--settle MS] [--ready] FOLDER PROGRAM [ARGUMENTS...]\n",
               stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("no display\n", stderr);
    return 1;
  }
  XSetErrorHandler(Ignore);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(argv[1]) != 0) _exit(127);
    freopen("/dev/null", "w", stderr);
    execv(argv[2], argv + 2);
    _exit(127);
  }
  Window shown = 0;
  while (shown == 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root) shown = event.xmap.window;
  }
  while (!Painted(display, shown))
    usleep(200);
  while (ready && !SentenceShown(display, shown))
    usleep(200);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (settleMs > 0) usleep(static_cast<useconds_t>(settleMs) * 1000);
  std::printf("%.4f %ld\n", seconds, PeakResidentKb(child));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
