#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys, where the window system tells
// it (Windows, or an X11 display); elsewhere (Wayland, offscreen) nothing is known.
#include <optional>

namespace zelto {

struct LockKeyState {
  bool capsLock = false;
  bool numLock = false;
  bool scrollLock = false;
};

std::optional<LockKeyState> QueryLockKeys();

}  // namespace zelto
