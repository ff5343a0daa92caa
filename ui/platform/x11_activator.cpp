#include "ui/platform/x11_activator.h"

// Qt first: Xlib's macros (Status, Bool, None) clash with Qt's headers.
#include <QGuiApplication>
#include <QString>
#include <optional>
#include <vector>

// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
// clang-format on
#include <unistd.h>

namespace dru::ui {
namespace {

// One property of a window as 32-bit items (Xlib hands them out as longs).
std::vector<unsigned long> LongProperty(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actualType, &format,
                         &count, &remaining, &data) == Success &&
      data != nullptr) {
    if (format == 32) {
      const auto* items = reinterpret_cast<unsigned long*>(data);
      values.assign(items, items + count);
    }
    XFree(data);
  }
  return values;
}

std::optional<QString> Caption(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, netName, 0, 4096, False, utf8, &actualType, &format,
                         &count, &remaining, &data) == Success &&
      data != nullptr) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<char*>(data), static_cast<qsizetype>(count));
    XFree(data);
    if (format == 8) return name;
  }
  char* plain = nullptr;
  if (XFetchName(display, window, &plain) != 0 && plain != nullptr) {
    const QString name = QString::fromLatin1(plain);
    XFree(plain);
    return name;
  }
  return std::nullopt;
}

std::vector<Window> TopLevelWindows(Display* display, Window root, bool& managed) {
  const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
  const auto clients = LongProperty(display, root, clientList, XA_WINDOW);
  managed = !clients.empty();
  if (managed) return {clients.begin(), clients.end()};
  Window rootReturn = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> windows;
  if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) != 0) {
    windows.assign(children, children + count);
    if (children != nullptr) XFree(children);
  }
  return windows;
}

bool IsMinimised(Display* display, Window window) {
  const Atom wmState = XInternAtom(display, "WM_STATE", False);
  const auto state = LongProperty(display, window, wmState, wmState);
  if (!state.empty() && state.front() == IconicState) return true;
  const Atom netState = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom hidden = XInternAtom(display, "_NET_WM_STATE_HIDDEN", False);
  for (unsigned long atom : LongProperty(display, window, netState, XA_ATOM)) {
    if (atom == hidden) return true;
  }
  return false;
}

void Activate(Display* display, Window root, Window window, bool managed) {
  if (IsMinimised(display, window)) XMapRaised(display, window);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 2;  // the request comes from a tool acting for the user
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  if (!managed) {
    // Without a window manager nobody answers the message above.
    XRaiseWindow(display, window);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
  }
}

}  // namespace

void X11Activator::ActivateWindowByCaption(const std::string& caption) {
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) return;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  const Window root = DefaultRootWindow(display);
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  const QString wanted = QString::fromUtf8(caption);
  bool managed = false;
  for (Window window : TopLevelWindows(display, root, managed)) {
    const auto pid = LongProperty(display, window, pidAtom, XA_CARDINAL);
    if (!pid.empty() && static_cast<pid_t>(pid.front()) == getpid()) continue;  // our own
    const auto name = Caption(display, window);
    if (name && name->compare(wanted, Qt::CaseInsensitive) == 0) {
      Activate(display, root, window, managed);
      break;
    }
  }
  XFlush(display);
  XCloseDisplay(display);
}

void ActivateX11Window(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  const Window root = DefaultRootWindow(display);
  bool managed = false;
  TopLevelWindows(display, root, managed);
  Activate(display, root, static_cast<Window>(window), managed);
  XFlush(display);
  XCloseDisplay(display);
}

}  // namespace dru::ui
