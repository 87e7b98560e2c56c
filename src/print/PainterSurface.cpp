#include "print/PainterSurface.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Cp1252.h"

namespace zelto {

namespace {

// The characters of all 256 bytes of the code page, decoded once.
const std::array<QChar, 256>& CodePageChars() {
  static const std::array<QChar, 256> table = [] {
    std::array<QChar, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const QString s = Cp1252::Decode(std::string_view(&byte, 1));
      t[static_cast<std::size_t>(b)] = s.isEmpty() ? QChar(b) : s.at(0);
    }
    return t;
  }();
  return table;
}

QChar CharOf(char c) { return CodePageChars()[static_cast<unsigned char>(c)]; }

}  // namespace

QFont MakePrintFont(const FontSpec& spec) {
  QFont font(PrintText(spec.face));
  font.setPixelSize(std::max(1, spec.height));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
  font.setItalic(spec.italic);
  // A line is drawn as one string but measured character by character: without kerning
  // both give the same width.
  font.setKerning(false);
  return font;
}

QString PrintText(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) out.append(CharOf(c));
  return out;
}

UnitsPerInch DisplayResolution() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const int x = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
    const int y = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    if (x > 0 && y > 0) return {x, y};
  }
  return {96, 96};
}

PainterSurface::PainterSurface(UnitsPerInch resolution) : resolution_(resolution) {}

PainterSurface::~PainterSurface() = default;

void PainterSurface::Attach(QPainter* painter) {
  painter_ = painter;
  if (painter_ && current_) painter_->setFont(current_->font);
}

void PainterSurface::SelectFont(const FontSpec& spec) {
  if (!current_ || !(current_->spec == spec)) {
    auto it =
        std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f->spec == spec; });
    if (it == fonts_.end()) {
      const QFont font = MakePrintFont(spec);
      fonts_.push_back(std::make_unique<Font>(Font{spec, font, QFontMetrics(font), {}}));
      it = std::prev(fonts_.end());
    }
    current_ = it->get();
  }
  if (painter_) painter_->setFont(current_->font);
}

int PainterSurface::CharWidth(char c) {
  if (!current_) SelectFont(FontSpec{});
  return current_->widths.Width(
      c, [this](char ch) { return current_->metrics.horizontalAdvance(CharOf(ch)); });
}

void PainterSurface::DrawLine(int x, int y, std::string_view text, const PrintRect& clip) {
  if (!painter_) return;
  if (!current_) SelectFont(FontSpec{});
  painter_->save();
  painter_->setClipRect(
      QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1)));
  painter_->setPen(Qt::black);
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->drawText(QPoint(x, y + current_->metrics.ascent()), PrintText(text));
  painter_->restore();
}

}  // namespace zelto
