#include "mainwin/KeyTable.h"

#include <optional>

#include "common/CommandIds.h"

namespace zelto {
namespace {

using Kind = KeyAction::Kind;

KeyAction Command(int id) { return {Kind::Command, NoteKey::Down, id}; }
KeyAction Do(Kind kind) { return {kind}; }

std::optional<NoteKey> MovementOf(MainKey key) {
  switch (key) {
    case MainKey::PageUp:
      return NoteKey::PageUp;
    case MainKey::PageDown:
      return NoteKey::PageDown;
    case MainKey::Home:
      return NoteKey::Home;
    case MainKey::End:
      return NoteKey::End;
    case MainKey::Up:
      return NoteKey::Up;
    case MainKey::Down:
      return NoteKey::Down;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

KeyAction ActionForKey(MainKey key, bool shift, LineKind line) {
  const std::optional<NoteKey> move = MovementOf(key);
  // With Shift the movement keys move the category selection; every other key rests.
  if (shift) return move ? KeyAction{Kind::MoveCategory, *move} : KeyAction{};
  if (move) return {Kind::MoveLine, *move};
  const bool noteLine = line == LineKind::NoteLine;
  switch (key) {
    case MainKey::Enter:
      return Do(Kind::ActivateLine);
    case MainKey::Delete:
    case MainKey::D:
      return noteLine ? Command(CM_DELETENOTE) : KeyAction{};
    case MainKey::E:
      switch (line) {
        case LineKind::EndLine:
          return Command(CM_ADDNOTE);
        case LineKind::CategoryLine:
          return Command(CM_EDITSUBCATEGORY);
        case LineKind::NoteLine:
          return Command(CM_EDITNOTE);
      }
      return {};
    case MainKey::L:
      return noteLine ? Do(Kind::OpenLink) : KeyAction{};
    case MainKey::F1:
      return Do(Kind::Help);
    default:
      break;
  }
  return {};
}

KeyAction ActionForCharacter(char32_t c, LineKind line) {
  const bool noteLine = line == LineKind::NoteLine;
  switch (c) {
    case 3:
      return noteLine ? Command(CM_EDITCOPY) : KeyAction{};  // Ctrl+C
    case 22:
      return Command(CM_EDITPASTE);  // Ctrl+V
    case 24:
      return noteLine ? Command(CM_DELETENOTE) : KeyAction{};  // Ctrl+X
    case U'F':
    case U'f':
      return Command(CM_EDITFIND);
    case U'N':
    case U'n':
      return Command(CM_EDITFINDNEXT);
    case U'X':
    case U'x':
      return Do(Kind::FontList);
    default:
      break;
  }
  return {};
}

}  // namespace zelto
