#pragma once
// The table of installed font faces, shared by the font dialogs and the main window's
// font-list key. It exists only while someone holds it: the first holder fills it from the
// system's font list, and the last one to let go frees it, so every new use sees the fonts
// installed at that moment.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zelto {

class FaceTable {
 public:
  // The most faces the table holds; further faces of the system are left out.
  static constexpr std::size_t Capacity = 800;

  // Holds the table while it lives.
  class Use {
   public:
    Use();
    ~Use();
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;
    // The face names in the order the system listed them.
    const std::vector<QString>& Faces() const;
  };

  // How many holders the table has now.
  static int UsageCount();

  // Where the faces come from; by default the system's font families. Tests give their own.
  using Source = std::function<QStringList()>;
  static void SetSource(Source source);
  static QStringList SystemFaces();
};

}  // namespace zelto
