#include "mainwin/KeyTable.h"

#include <gtest/gtest.h>

#include "common/CommandIds.h"

namespace zelto {
namespace {

using Kind = KeyAction::Kind;

KeyAction Command(int id) { return {Kind::Command, NoteKey::Down, id}; }

TEST(KeyTableTest, ShiftSendsMovementKeysToTheCategoryListAndSilencesTheRest) {
  EXPECT_EQ(ActionForKey(MainKey::Down, true, LineKind::NoteLine),
            (KeyAction{Kind::MoveCategory, NoteKey::Down}));
  EXPECT_EQ(ActionForKey(MainKey::PageUp, true, LineKind::EndLine),
            (KeyAction{Kind::MoveCategory, NoteKey::PageUp}));
  for (MainKey key : {MainKey::Enter, MainKey::Delete, MainKey::D, MainKey::E, MainKey::F1}) {
    EXPECT_EQ(ActionForKey(key, true, LineKind::NoteLine).kind, Kind::None);
  }
  EXPECT_EQ(ActionForKey(MainKey::Home, false, LineKind::NoteLine),
            (KeyAction{Kind::MoveLine, NoteKey::Home}));
}

TEST(KeyTableTest, EditingKeysDependOnTheCurrentLine) {
  EXPECT_EQ(ActionForKey(MainKey::E, false, LineKind::EndLine), Command(CM_ADDNOTE));
  EXPECT_EQ(ActionForKey(MainKey::E, false, LineKind::CategoryLine), Command(CM_EDITSUBCATEGORY));
  EXPECT_EQ(ActionForKey(MainKey::E, false, LineKind::NoteLine), Command(CM_EDITNOTE));
  for (MainKey key : {MainKey::Delete, MainKey::D}) {
    EXPECT_EQ(ActionForKey(key, false, LineKind::NoteLine), Command(CM_DELETENOTE));
    EXPECT_EQ(ActionForKey(key, false, LineKind::CategoryLine).kind, Kind::None);
    EXPECT_EQ(ActionForKey(key, false, LineKind::EndLine).kind, Kind::None);
  }
  EXPECT_EQ(ActionForKey(MainKey::L, false, LineKind::NoteLine).kind, Kind::OpenLink);
  EXPECT_EQ(ActionForKey(MainKey::L, false, LineKind::EndLine).kind, Kind::None);
  EXPECT_EQ(ActionForKey(MainKey::Enter, false, LineKind::EndLine).kind, Kind::ActivateLine);
  EXPECT_EQ(ActionForKey(MainKey::F1, false, LineKind::EndLine).kind, Kind::Help);
}

TEST(KeyTableTest, Characters) {
  EXPECT_EQ(ActionForCharacter(3, LineKind::NoteLine), Command(CM_EDITCOPY));
  EXPECT_EQ(ActionForCharacter(3, LineKind::CategoryLine).kind, Kind::None);
  EXPECT_EQ(ActionForCharacter(22, LineKind::EndLine), Command(CM_EDITPASTE));
  EXPECT_EQ(ActionForCharacter(24, LineKind::NoteLine), Command(CM_DELETENOTE));
  EXPECT_EQ(ActionForCharacter(24, LineKind::EndLine).kind, Kind::None);
  EXPECT_EQ(ActionForCharacter(U'f', LineKind::EndLine), Command(CM_EDITFIND));
  EXPECT_EQ(ActionForCharacter(U'N', LineKind::EndLine), Command(CM_EDITFINDNEXT));
  EXPECT_EQ(ActionForCharacter(U'x', LineKind::EndLine).kind, Kind::FontList);
  EXPECT_EQ(ActionForCharacter(U'd', LineKind::NoteLine).kind,
            Kind::None);  // a key, not a character
}

}  // namespace
}  // namespace zelto
