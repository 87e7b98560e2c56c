#pragma once
// The list-box operations that the document operations drive on the category list.
// The main window implements it on its list widget; MemoryCategoryList serves the tests
// and the headless export.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

class CategoryList {
 public:
  static constexpr int None = -1;
  virtual ~CategoryList() = default;

  virtual void Clear() = 0;
  // Adds a name at its sorted place (text order, after equal names); returns its position.
  virtual int AddString(const std::string& name) = 0;
  // Removes the item at `pos` (nothing when there is none). A selection of that item is
  // cleared; a selected item below it stays selected.
  virtual void DeleteString(int pos) = 0;
  virtual void SetItemData(int pos, std::uint32_t data) = 0;
  virtual std::uint32_t GetItemData(int pos) const = 0;
  virtual int GetCount() const = 0;
  virtual std::string GetString(int pos) const = 0;
  // The selected position, or None.
  virtual int GetSelIndex() const = 0;
  // Selects a position (None clears the selection).
  virtual void SetSelIndex(int pos) = 0;

  // First position whose name equals `name` ignoring letter case, or None.
  int FindStringExact(std::string_view name) const;
  // First position whose name begins with `prefix` ignoring letter case, or None.
  int FindStringPrefix(std::string_view prefix) const;
  // Selects the first item that begins with `prefix`; returns its position or None
  // (the selection is cleared when there is none).
  int SelectString(std::string_view prefix);
  // The category index of the selected item, or None.
  int SelectedCategory() const;
};

// A plain in-memory category list.
class MemoryCategoryList : public CategoryList {
 public:
  void Clear() override;
  int AddString(const std::string& name) override;
  void DeleteString(int pos) override;
  void SetItemData(int pos, std::uint32_t data) override;
  std::uint32_t GetItemData(int pos) const override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  std::string GetString(int pos) const override;
  int GetSelIndex() const override { return selected_; }
  void SetSelIndex(int pos) override;

 private:
  struct Item {
    std::string name;
    std::uint32_t data = 0;
  };
  std::vector<Item> items_;
  int selected_ = None;
};

}  // namespace zelto
