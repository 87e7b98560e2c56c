#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys, where the window system tells
// it (Windows, or an X11 display); elsewhere (Wayland, offscreen) nothing is known.
#include <optional>

namespace zelto {

// Each key's state, where the window system tells it; nothing where it does not.
struct LockKeyState {
  std::optional<bool> capsLock;
  std::optional<bool> numLock;
  std::optional<bool> scrollLock;
};

LockKeyState QueryLockKeys();

}  // namespace zelto
