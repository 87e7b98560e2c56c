#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

std::uint32_t Dword(const MemorySettingsStore& store, const char* name) {
  return std::get<std::uint32_t>(*store.Peek(name));
}

TEST(WindowPlacementRead, FirstStartHasNoPosition) {
  MemorySettingsStore store;
  store.Put("X", std::uint32_t{7});  // without FullScreen the place is not read
  StoredPlacement p = ReadWindowPlacement(store);
  EXPECT_FALSE(p.hasPosition);
  EXPECT_EQ(p.state, 0u);
  EXPECT_FALSE(store.IsOpen());
}

TEST(WindowPlacementRead, FirstStartTakesTwoThirdsOfTheScreenInItsMiddle) {
  EXPECT_EQ(FirstStartRect({0, 0, 1920, 1080}), (WindowRect{320, 180, 1280, 720}));
  // A free area below a panel.
  EXPECT_EQ(FirstStartRect({0, 30, 1280, 770}), (WindowRect{213, 158, 853, 513}));
}

TEST(WindowPlacementRead, StoredPlaceWithDefaultsForMissingValues) {
  MemorySettingsStore store;
  store.Put("FullScreen", std::uint32_t{1});
  store.Put("X", static_cast<std::uint32_t>(-30));
  store.Put("W", std::uint32_t{800});
  StoredPlacement p = ReadWindowPlacement(store);
  EXPECT_TRUE(p.hasPosition);
  EXPECT_EQ(p.state, 1u);
  EXPECT_EQ(p.rect.x, -30);
  EXPECT_EQ(p.rect.y, 50);
  EXPECT_EQ(p.rect.w, 800);
  EXPECT_EQ(p.rect.h, 380);

  store.Put("W", std::uint32_t{0});
  store.Put("H", static_cast<std::uint32_t>(-5));
  p = ReadWindowPlacement(store);
  EXPECT_EQ(p.rect.w, 500);
  EXPECT_EQ(p.rect.h, 380);
}

TEST(WindowPlacementStore, EachWindowStateStoresItsValues) {
  const WindowRect place{-10, 20, 640, 480};
  {
    SCOPED_TRACE("maximized: only FullScreen, the normal place stays");
    MemorySettingsStore store;
    store.Put("X", std::uint32_t{111});
    StoreWindowPlacement(store, WindowState::Maximized, place);
    EXPECT_EQ(Dword(store, "FullScreen"), 1u);
    EXPECT_EQ(Dword(store, "X"), 111u);
    EXPECT_FALSE(store.Peek("Y").has_value());
    EXPECT_EQ(store.Size(), 2u);
  }
  {
    SCOPED_TRACE("minimized: nothing");
    MemorySettingsStore store;
    StoreWindowPlacement(store, WindowState::Minimized, place);
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(store.OpenCount(), 0);
  }
  {
    SCOPED_TRACE("normal: FullScreen 0 and the place");
    MemorySettingsStore store;
    store.Put("FullScreen", std::uint32_t{1});
    StoreWindowPlacement(store, WindowState::Normal, place);
    EXPECT_FALSE(store.IsOpen());
    StoredPlacement p = ReadWindowPlacement(store);
    EXPECT_TRUE(p.hasPosition);
    EXPECT_EQ(p.state, 0u);
    EXPECT_EQ(p.rect.x, -10);
    EXPECT_EQ(p.rect.y, 20);
    EXPECT_EQ(p.rect.w, 640);
    EXPECT_EQ(p.rect.h, 480);
  }
}

TEST(WindowPlacementShow, StartStateWinsOverStoredState) {
  EXPECT_EQ(ChooseShow(StartShow::Normal, 0), ShowAs::Normal);
  EXPECT_EQ(ChooseShow(StartShow::Normal, 1), ShowAs::Maximized);
  EXPECT_EQ(ChooseShow(StartShow::Normal, 5), ShowAs::Maximized);
  EXPECT_EQ(ChooseShow(StartShow::MinimizedNoActivate, 1), ShowAs::MinimizedNoActivate);
  EXPECT_EQ(ChooseShow(StartShow::Hidden, 1), ShowAs::Hidden);
}

}  // namespace
}  // namespace zelto
