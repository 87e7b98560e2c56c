#pragma once
// The rows of the Find all list: one per hit, the category's path and the note's text with
// the searched text emphasised; a hit inside a cut category says so.
#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/FindAll.h"

namespace zelto {

class FindAllModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // What a row gives for painting besides its display text.
  enum Role { PathRole = Qt::UserRole, CutRole, ExcerptRole, MatchStartRole, MatchLengthRole };

  using QAbstractListModel::QAbstractListModel;

  // Empties the list; the hits to come belong to `text` searched in `tabs`.
  void Reset(std::shared_ptr<const TabList> tabs, std::string text);
  void Append(const std::vector<SearchHit>& hits);
  const std::vector<SearchHit>& Hits() const { return hits_; }
  const std::shared_ptr<const TabList>& Tabs() const { return tabs_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::shared_ptr<const TabList> tabs_;
  std::string text_;
  std::vector<SearchHit> hits_;
};

// Paints a row: the path (greyed, with "(cut)" for a cut category), then the note's text
// with the match in bold on the highlight colour.
class FindAllDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace zelto
