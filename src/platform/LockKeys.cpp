#include "platform/LockKeys.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(ZELTO_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace zelto {

LockKeyState QueryLockKeys() {
#if defined(Q_OS_WIN)
  // The low bit of a toggle key's state tells whether it is on.
  return LockKeyState{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                      (GetKeyState(VK_SCROLL) & 1) != 0};
#elif defined(ZELTO_HAVE_X11) && QT_CONFIG(xcb)
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (display == nullptr) return {};
  // The indicators are found by name: their bit positions differ between keyboard maps.
  const auto lit = [display](const char* name) -> std::optional<bool> {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return std::nullopt;
    return on != False;
  };
  return LockKeyState{lit("Caps Lock"), lit("Num Lock"), lit("Scroll Lock")};
#else
  return {};
#endif
}

}  // namespace zelto
