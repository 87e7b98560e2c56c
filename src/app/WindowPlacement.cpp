#include "app/WindowPlacement.h"

namespace zelto {

namespace {

constexpr std::uint32_t NoStoredPosition = 2;

// Coordinates are stored as DWORDs; a window left of or above the primary screen has
// negative ones, kept as their two's complement.
int ReadCoordinate(SettingsStore& store, const char* name, int fallback) {
  return static_cast<int>(
      static_cast<std::int32_t>(store.ReadDword(name, static_cast<std::uint32_t>(fallback))));
}

void WriteCoordinate(SettingsStore& store, const char* name, int value) {
  store.WriteDword(name, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
}

}  // namespace

WindowRect FirstStartRect(const WindowRect& available) {
  const int w = available.w * 2 / 3;
  const int h = available.h * 2 / 3;
  return {available.x + (available.w - w) / 2, available.y + (available.h - h) / 2, w, h};
}

StoredPlacement ReadWindowPlacement(SettingsStore& store) {
  StoredPlacement placement;
  store.OpenSettingsKey();
  std::uint32_t fullScreen = store.ReadDword("FullScreen", NoStoredPosition);
  if (fullScreen != NoStoredPosition) {
    const WindowRect defaults;
    placement.hasPosition = true;
    placement.state = fullScreen;
    placement.rect.x = ReadCoordinate(store, "X", defaults.x);
    placement.rect.y = ReadCoordinate(store, "Y", defaults.y);
    placement.rect.w = ReadCoordinate(store, "W", defaults.w);
    placement.rect.h = ReadCoordinate(store, "H", defaults.h);
    if (placement.rect.w <= 0) placement.rect.w = defaults.w;
    if (placement.rect.h <= 0) placement.rect.h = defaults.h;
  }
  store.CloseSettingsKey();
  return placement;
}

void StoreWindowPlacement(SettingsStore& store, WindowState state, const WindowRect& normal) {
  if (state == WindowState::Minimized) return;
  store.OpenSettingsKey();
  store.WriteDword("FullScreen", static_cast<std::uint32_t>(state));
  if (state == WindowState::Normal) {
    WriteCoordinate(store, "X", normal.x);
    WriteCoordinate(store, "Y", normal.y);
    WriteCoordinate(store, "W", normal.w);
    WriteCoordinate(store, "H", normal.h);
  }
  store.CloseSettingsKey();
}

ShowAs ChooseShow(StartShow start, std::uint32_t state) {
  switch (start) {
    case StartShow::Hidden:
      return ShowAs::Hidden;
    case StartShow::MinimizedNoActivate:
      return ShowAs::MinimizedNoActivate;
    case StartShow::Normal:
      break;
  }
  return state != 0 ? ShowAs::Maximized : ShowAs::Normal;
}

}  // namespace zelto
