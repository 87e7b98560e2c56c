#include "view/LineDrag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace zelto {
namespace {

constexpr const char* kLineMime = "application/x-brindamor-line";

}  // namespace

QMimeData* LineDragData(const DraggedLine& line) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kLineMime),
                QStringLiteral("%1 %2").arg(line.shown).arg(line.line).toLatin1());
  return data;
}

std::optional<DraggedLine> DraggedLineOf(const QDropEvent& event) {
  // Only a drag that started in this program has a source; another program's data that
  // looks the same names lines of another document.
  if (event.source() == nullptr || event.mimeData() == nullptr) return std::nullopt;
  const QList<QByteArray> words = event.mimeData()->data(QString::fromLatin1(kLineMime)).split(' ');
  if (words.size() != 2) return std::nullopt;
  bool shownOk = false;
  bool lineOk = false;
  const DraggedLine line{words[0].toInt(&shownOk), words[1].toInt(&lineOk)};
  if (!shownOk || !lineOk || line.shown < 0 || line.line < 0) return std::nullopt;
  return line;
}

std::optional<OutsideDrop> OutsideDropOf(const QDropEvent& event) {
  const QMimeData* data = event.mimeData();
  if (data == nullptr || DraggedLineOf(event)) return std::nullopt;
  OutsideDrop drop;
  if (data->hasUrls()) {
    for (const QUrl& url : data->urls())
      if (url.isLocalFile()) drop.files << url.toLocalFile();
  }
  if (!drop.files.isEmpty()) return drop;
  if (data->hasText() && !data->text().isEmpty()) {
    drop.text = data->text();
    return drop;
  }
  return std::nullopt;
}

bool IsCopyDrop(const QDropEvent& event) {
  return (event.modifiers() & Qt::ControlModifier) != 0 || event.proposedAction() == Qt::CopyAction;
}

}  // namespace zelto
