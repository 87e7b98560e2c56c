#include "mainwin/FindAllList.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "platform/Cp1252.h"

namespace zelto {

void FindAllModel::Reset(std::shared_ptr<const TabList> tabs, std::string text) {
  beginResetModel();
  tabs_ = std::move(tabs);
  text_ = std::move(text);
  hits_.clear();
  endResetModel();
}

void FindAllModel::Append(const std::vector<SearchHit>& hits) {
  if (hits.empty()) return;
  const int first = static_cast<int>(hits_.size());
  beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
  hits_.insert(hits_.end(), hits.begin(), hits.end());
  endInsertRows();
}

int FindAllModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

QVariant FindAllModel::data(const QModelIndex& index, int role) const {
  if (!tabs_ || !index.isValid() || index.row() >= rowCount()) return {};
  const HitRow row = MakeHitRow(*tabs_, hits_[static_cast<std::size_t>(index.row())], text_);
  const QString path = Cp1252::Decode(row.path) + (row.cut ? QStringLiteral(" (cut)") : QString());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return path + QStringLiteral(": ") + Cp1252::Decode(row.excerpt);
    case PathRole:
      return path;
    case CutRole:
      return row.cut;
    case ExcerptRole:
      return Cp1252::Decode(row.excerpt);
    case MatchStartRole:
      return static_cast<int>(row.matchStart);
    case MatchLengthRole:
      return static_cast<int>(row.matchLength);
    default:
      return {};
  }
}

void FindAllDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  opt.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QPalette& pal = option.palette;
  const QColor text = pal.color(selected ? QPalette::HighlightedText : QPalette::Text);
  QColor dim = text;
  dim.setAlphaF(0.65f);

  const QString path = index.data(FindAllModel::PathRole).toString() + QStringLiteral("   ");
  const QString excerpt = index.data(FindAllModel::ExcerptRole).toString();
  const int start = index.data(FindAllModel::MatchStartRole).toInt();
  const int length = index.data(FindAllModel::MatchLengthRole).toInt();
  QFont bold = option.font;
  bold.setBold(true);

  painter->save();
  QRect rect = option.rect.adjusted(4, 0, -4, 0);
  // Draws `piece` from the left of what is left of the row; false once the row is full.
  const auto draw = [&](const QString& piece, const QFont& font, const QColor& colour,
                        const QColor& back, Qt::TextElideMode elide = Qt::ElideRight,
                        int widest = -1) {
    if (piece.isEmpty() || rect.width() <= 0) return;
    const QFontMetrics fm(font);
    const int room = widest < 0 ? rect.width() : std::min(widest, rect.width());
    const QString shown = fm.elidedText(piece, elide, room);
    const int width = fm.horizontalAdvance(shown);
    if (back.isValid())
      painter->fillRect(QRect(rect.left(), rect.top() + 1, width, rect.height() - 2), back);
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    rect.setLeft(rect.left() + width);
  };
  QFont pathFont = option.font;
  pathFont.setItalic(index.data(FindAllModel::CutRole).toBool());
  // A long path gives way to the note: it keeps its deepest names in two fifths of the row.
  draw(path, pathFont, dim, {}, Qt::ElideLeft, rect.width() * 2 / 5);
  draw(excerpt.left(start), option.font, text, {});
  draw(excerpt.mid(start, length), bold, selected ? text : pal.color(QPalette::Text),
       selected ? QColor() : QColor(255, 236, 140));
  draw(excerpt.mid(start + length), option.font, text, {});
  painter->restore();
}

QSize FindAllDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const QFontMetrics fm(option.font);
  return {fm.averageCharWidth() * 60, fm.height() + 4};
}

}  // namespace zelto
