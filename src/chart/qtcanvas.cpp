#include "chart/qtcanvas.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "chart/rounding.h"

namespace chart {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::PenStyle GeometricStyle(TPenStyle style) {
  switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

}  // namespace

TQtChartCanvas::TQtChartCanvas() { ResetState(); }

TQtChartCanvas::~TQtChartCanvas() { EndDraw(); }

QColor TQtChartCanvas::QtColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont TQtChartCanvas::QtFont(const TChartFont& font) {
  QString family = QString::fromStdString(font.Name);
  if (family == "Arial" || family == "MS Sans Serif") family = "Liberation Sans";
  else if (family == "Times New Roman") family = "Liberation Serif";
  else if (family == "Courier New") family = "Liberation Mono";
  QFont result(family);
  result.setPixelSize(std::max(1, Round(font.Size * 96.0L / 72.0L)));
  result.setBold(font.Style.Bold);
  result.setItalic(font.Style.Italic);
  result.setUnderline(font.Style.Underline);
  result.setStrikeOut(font.Style.StrikeOut);
  if (font.InterCharSize != 0) result.setLetterSpacing(QFont::AbsoluteSpacing, font.InterCharSize);
  return result;
}

void TQtChartCanvas::ResetState() {
  SelectPen(TChartPen{});
  brushColor_ = Qt::white;
  brushStyle_ = bsSolid;
  brushChanged_ = true;
  backMode_ = bmOpaque;
  textAlign_ = taLeft | taTop;
  SelectFont(TChartFont{});
  savedClips_.clear();
}

void TQtChartCanvas::BeginDraw(int width, int height, double pixelRatio) {
  EndDraw();
  const QSize device(std::max(1, static_cast<int>(std::lround(width * pixelRatio))),
                     std::max(1, static_cast<int>(std::lround(height * pixelRatio))));
  if (image_.size() != device || image_.devicePixelRatio() != pixelRatio) {
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio);
  }
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  ResetState();
}

void TQtChartCanvas::EndDraw() {
  if (painter_) painter_->end();
  painter_.reset();
  savedClips_.clear();
}

void TQtChartCanvas::SelectPen(const TChartPen& pen) {
  penVisible_ = pen.Visible && pen.Style != psClear;
  penCosmetic_ = pen.Width < 2;
  penMode_ = pen.Mode;
  if (!penVisible_) {
    pen_ = QPen(Qt::NoPen);
    return;
  }
  pen_ = QPen(QtColor(pen.Color));
  if (penCosmetic_) {
    dashes_ = CosmeticDashes(pen);
    return;
  }
  pen_.setWidth(pen.Width);
  pen_.setStyle(GeometricStyle(pen.Style));
  switch (pen.EndStyle) {
    case esRound:
      pen_.setCapStyle(Qt::RoundCap);
      pen_.setJoinStyle(Qt::RoundJoin);
      break;
    case esSquare:
      pen_.setCapStyle(Qt::SquareCap);
      pen_.setJoinStyle(Qt::BevelJoin);
      break;
    case esFlat:
      pen_.setCapStyle(Qt::FlatCap);
      pen_.setJoinStyle(Qt::MiterJoin);
      break;
  }
}

void TQtChartCanvas::SelectFont(const TChartFont& font) {
  font_ = QtFont(font);
  fontColor_ = QtColor(font.Color);
  metrics_.emplace(font_);
}

void TQtChartCanvas::SetCompositionFor(TPenMode mode) {
  painter_->setCompositionMode(mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                : QPainter::CompositionMode_SourceOver);
}

void TQtChartCanvas::ApplyBrushToText() {
  if (!brushChanged_) return;
  backMode_ = brushStyle_ == bsSolid ? bmOpaque : bmTransparent;
  brushChanged_ = false;
}

void TQtChartCanvas::StraightLine(int x0, int y0, int x1, int y1) {
  if (!painter_) return;
  ApplyBrushToText();
  if (!penVisible_ || (x0 == x1 && y0 == y1)) return;
  SetCompositionFor(penMode_);
  if (penCosmetic_) {
    CosmeticLine(x0, y0, x1, y1);
    return;
  }
  painter_->setPen(pen_);
  painter_->drawLine(x0, y0, x1, y1);
}

// Qt's own one-pixel lines leave out whichever end lies right or below,
// not the last point, so these lines are rasterised here: pixel i of n
// lies i steps along the longer direction from the first point, the last
// point is never painted, and dashes count from the first point. Only the
// part of the line on the picture is visited, so a line to a far clamped
// coordinate costs no more than one across the picture.
void TQtChartCanvas::CosmeticLine(int x0, int y0, int x1, int y1) {
  const std::int64_t dx = static_cast<std::int64_t>(x1) - x0;
  const std::int64_t dy = static_cast<std::int64_t>(y1) - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
  // Nearest coordinate of pixel i along an offset d spread over the steps.
  const auto along = [&](std::int64_t i, std::int64_t d) {
    const std::int64_t twice = 2 * i * d + steps;
    const std::int64_t den = 2 * steps;
    return twice >= 0 ? twice / den : -((-twice + den - 1) / den);
  };
  // The steps whose major coordinate falls on the picture.
  const int major0 = xMajor ? x0 : y0;
  const std::int64_t sign = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const QSize size = LogicalSize();
  const std::int64_t limit = xMajor ? size.width() : size.height();
  std::int64_t first = sign > 0 ? -major0 : major0 - (limit - 1);
  std::int64_t last = sign > 0 ? limit - 1 - major0 : major0;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, steps - 1);

  std::int64_t period = 0;
  for (int run : dashes_) period += run;
  const auto on = [&](std::int64_t i) {
    if (period == 0) return true;
    std::int64_t at = i % period;
    for (std::size_t k = 0; k < dashes_.size(); ++k) {
      if (at < dashes_[k]) return k % 2 == 0;
      at -= dashes_[k];
    }
    return false;
  };

  // Neighbouring pixels on one row (or column) are filled as one run.
  const QColor color = pen_.color();
  QRect run;
  const auto flush = [&] {
    if (!run.isNull()) painter_->fillRect(run, color);
    run = QRect();
  };
  for (std::int64_t i = first; i <= last; ++i) {
    if (!on(i)) {
      flush();
      continue;
    }
    const int x = static_cast<int>(x0 + (xMajor ? sign * i : along(i, dx)));
    const int y = static_cast<int>(y0 + (xMajor ? along(i, dy) : sign * i));
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height()) {
      flush();
      continue;
    }
    const QRect pixel(x, y, 1, 1);
    if (!run.isNull() && (xMajor ? run.top() == y : run.left() == x) &&
        run.adjusted(-1, -1, 1, 1).contains(x, y)) {
      run = run.united(pixel);
    } else {
      flush();
      run = pixel;
    }
  }
  flush();
}

void TQtChartCanvas::HorizontalLine(int x0, int x1, int y) { StraightLine(x0, y, x1, y); }

void TQtChartCanvas::VerticalLine(int x, int y0, int y1) { StraightLine(x, y0, x, y1); }

void TQtChartCanvas::DrawRect(int left, int top, int right, int bottom) {
  if (!painter_) return;
  ApplyBrushToText();
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (right == left || bottom == top) return;
  if (brushStyle_ == bsSolid) {
    SetCompositionFor(penMode_);
    painter_->fillRect(QRect(left, top, right - left, bottom - top), brushColor_);
  }
  if (!penVisible_) return;
  if (penCosmetic_) {
    // The outline runs on the first and last pixel rows and columns inside.
    HorizontalLine(left, right, top);
    HorizontalLine(left, right, bottom - 1);
    VerticalLine(left, top, bottom);
    VerticalLine(right - 1, top, bottom);
    return;
  }
  SetCompositionFor(penMode_);
  painter_->setPen(pen_);
  painter_->setBrush(Qt::NoBrush);
  painter_->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TQtChartCanvas::TextOutAt(int x, int y, std::string_view text) {
  if (!painter_) return;
  ApplyBrushToText();
  if (text.empty()) return;
  const QString q = ToQString(text);
  const int width = metrics_->horizontalAdvance(q);
  const int height = metrics_->height();
  const TRect box = AlignedTextBox(textAlign_, x, y, width, height);
  const int left = box.Left;
  const int top = box.Top;
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (backMode_ == bmOpaque) painter_->fillRect(QRect(left, top, width, height), brushColor_);
  painter_->setFont(font_);
  painter_->setPen(fontColor_);
  painter_->drawText(left, top + metrics_->ascent(), q);
}

int TQtChartCanvas::TextWidth(std::string_view text) {
  return metrics_->horizontalAdvance(ToQString(text));
}

int TQtChartCanvas::TextHeight(std::string_view) { return metrics_->height(); }

void TQtChartCanvas::SetTextAlign(int flags) { textAlign_ = flags; }

void TQtChartCanvas::SetBackMode(int mode) { backMode_ = mode; }

void TQtChartCanvas::SetBrushColor(TColor color) {
  brushColor_ = QtColor(color);
  brushChanged_ = true;
}

void TQtChartCanvas::SetBrushStyle(TBrushStyle style) {
  brushStyle_ = style;
  brushChanged_ = true;
}

void TQtChartCanvas::ClipToRect(int left, int top, int right, int bottom) {
  if (!painter_) return;
  const QRect rect(left, top, std::max(0, right - left), std::max(0, bottom - top));
  if (painter_->hasClipping()) {
    savedClips_.push_back(painter_->clipRegion());
    painter_->setClipRect(rect, Qt::IntersectClip);
  } else {
    savedClips_.push_back(std::nullopt);
    painter_->setClipRect(rect);
  }
}

void TQtChartCanvas::RemoveClip() {
  if (!painter_ || savedClips_.empty()) return;
  const std::optional<QRegion> saved = savedClips_.back();
  savedClips_.pop_back();
  if (saved) painter_->setClipRegion(*saved);
  else painter_->setClipping(false);
}

}  // namespace chart
