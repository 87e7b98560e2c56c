#include "dialogs/FaceTable.h"

#include <QFontDatabase>
#include <memory>

namespace zelto {

namespace {

struct Shared {
  int usage = 0;
  std::unique_ptr<std::vector<QString>> faces;  // present while usage > 0
  FaceTable::Source source;
};

Shared& State() {
  static Shared state;
  return state;
}

void Fill(std::vector<QString>& faces) {
  Shared& s = State();
  const QStringList listed = s.source ? s.source() : FaceTable::SystemFaces();
  faces.clear();
  for (const QString& face : listed) {
    if (faces.size() >= FaceTable::Capacity) break;
    faces.push_back(face);
  }
}

}  // namespace

FaceTable::Use::Use() {
  Shared& s = State();
  if (s.usage++ == 0) {
    s.faces = std::make_unique<std::vector<QString>>();
    Fill(*s.faces);
  }
}

FaceTable::Use::~Use() {
  Shared& s = State();
  if (--s.usage == 0) s.faces.reset();
}

const std::vector<QString>& FaceTable::Use::Faces() const { return *State().faces; }

int FaceTable::UsageCount() { return State().usage; }

void FaceTable::SetSource(Source source) { State().source = std::move(source); }

QStringList FaceTable::SystemFaces() {
  QStringList faces;
  for (const QString& family : QFontDatabase::families()) {
    // Families the system keeps for its own use are not offered to the user.
    if (!QFontDatabase::isPrivateFamily(family)) faces.push_back(family);
  }
  return faces;
}

}  // namespace zelto
