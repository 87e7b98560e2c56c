#pragma once
// The main window's position, kept in the settings key between runs: FullScreen holds the
// window state at the last exit (0 normal, 1 maximized; missing: never stored) and X, Y, W, H
// the normal window's left, top, width and height.
#include <cstdint>

#include "common/SettingsStore.h"

namespace zelto {

struct WindowRect {
  int x = 50;
  int y = 50;
  int w = 500;
  int h = 380;
  bool operator==(const WindowRect&) const = default;
};

enum class WindowState : std::uint32_t { Normal = 0, Maximized = 1, Minimized = 2 };

// What the frame starts with.
struct StoredPlacement {
  // False on a first start: the window system chooses the position and the state is 0.
  bool hasPosition = false;
  WindowRect rect;  // the normal window's place (defaults when never stored)
  // The stored FullScreen value; any non-zero state opens the window maximized.
  std::uint32_t state = 0;
};

// Reads the stored position in one open of the key. A width or height that is not
// positive (a damaged value) gives the default size.
StoredPlacement ReadWindowPlacement(SettingsStore& store);

// A first start's window, with no stored position: two thirds of the screen's free area
// `available` each way, in its middle.
WindowRect FirstStartRect(const WindowRect& available);

// Stores the position at exit: maximized stores only FullScreen = 1 (the normal place
// stays as it was), minimized stores nothing, normal stores FullScreen = 0 and `normal`.
void StoreWindowPlacement(SettingsStore& store, WindowState state, const WindowRect& normal);

// How the frame is shown at start, from the way the program was started and the stored state.
enum class StartShow { Normal, Hidden, MinimizedNoActivate };
enum class ShowAs { Normal, Maximized, Hidden, MinimizedNoActivate };
// A start hidden or minimized without activation is kept; otherwise a stored non-zero state
// shows the window maximized and 0 shows it normal.
ShowAs ChooseShow(StartShow start, std::uint32_t state);

}  // namespace zelto
