#include "chart/svgcanvas.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "chart/chart.h"
#include "chart/qtcanvas.h"

namespace chart {
namespace {

std::string Hex(TColor color) {
  const TColor rgb = ColorToRGB(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  return text;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string DashArray(const std::vector<int>& dashes) {
  std::string text;
  for (const int run : dashes) {
    if (!text.empty()) text += ' ';
    text += std::to_string(run);
  }
  return text;
}

}  // namespace

TSvgChartCanvas::TSvgChartCanvas(int width, int height) : width_(width), height_(height) {
  SelectFont(TChartFont{});
}

std::string TSvgChartCanvas::Document() {
  std::ostringstream document;
  document << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << width_
           << "\" height=\"" << height_ << "\" viewBox=\"0 0 " << width_ << ' ' << height_ << "\">\n"
           << body_.str() << "</svg>\n";
  return document.str();
}

void TSvgChartCanvas::SelectFont(const TChartFont& font) {
  font_ = font;
  qtFont_ = TQtChartCanvas::QtFont(font);
  metrics_.emplace(qtFont_);
}

void TSvgChartCanvas::SelectPen(const TChartPen& pen) { pen_ = pen; }

void TSvgChartCanvas::SetBrushColor(TColor color) {
  brushColor_ = color;
  brushChanged_ = true;
}

void TSvgChartCanvas::SetBrushStyle(TBrushStyle style) {
  brushStyle_ = style;
  brushChanged_ = true;
}

void TSvgChartCanvas::ApplyBrushToText() {
  if (!brushChanged_) return;
  backMode_ = brushStyle_ == bsSolid ? bmOpaque : bmTransparent;
  brushChanged_ = false;
}

void TSvgChartCanvas::FillRect(int left, int top, int width, int height, TColor color) {
  if (clip_) {
    const int right = std::min(left + width, clip_->Right);
    const int bottom = std::min(top + height, clip_->Bottom);
    left = std::max(left, clip_->Left);
    top = std::max(top, clip_->Top);
    width = right - left;
    height = bottom - top;
    if (width <= 0 || height <= 0) return;
  }
  body_ << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << width << "\" height=\""
        << height << "\" fill=\"" << Hex(color) << "\"/>\n";
}

std::string TSvgChartCanvas::DashAttributes(double offset) const {
  std::vector<int> dashes = CosmeticDashes(pen_.Width < 2 ? pen_ : TChartPen{.Style = pen_.Style});
  if (dashes.empty()) return {};
  if (pen_.Width >= 2) {
    for (int& run : dashes) run *= pen_.Width;
  }
  std::ostringstream text;
  text << " stroke-dasharray=\"" << DashArray(dashes) << "\"";
  if (offset != 0) text << " stroke-dashoffset=\"" << offset << "\"";
  return text.str();
}

void TSvgChartCanvas::Line(double x0, double y0, double x1, double y1, int width,
                           const std::string& extra) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  double from = 0;
  double to = 1;
  if (clip_) {
    // Cuts the segment's parameter range to the clipping rectangle.
    const double bounds[4][2] = {{-dx, x0 - clip_->Left}, {dx, clip_->Right - x0},
                                 {-dy, y0 - clip_->Top}, {dy, clip_->Bottom - y0}};
    for (const auto& [p, q] : bounds) {
      if (p == 0) {
        if (q < 0) return;
        continue;
      }
      const double t = q / p;
      if (p < 0) from = std::max(from, t);
      else to = std::min(to, t);
    }
    if (from >= to) return;
  }
  const double length = std::hypot(dx, dy);
  body_ << "<line x1=\"" << x0 + from * dx << "\" y1=\"" << y0 + from * dy << "\" x2=\""
        << x0 + to * dx << "\" y2=\"" << y0 + to * dy << "\" stroke=\"" << Hex(pen_.Color)
        << "\" stroke-width=\"" << width << "\"" << extra << DashAttributes(from * length) << "/>\n";
}

void TSvgChartCanvas::AxisLine(int x0, int y0, int x1, int y1) {
  // Pixel i covers [i, i + 1): a line running backwards starts at the far
  // edge of its first pixel and stops at the far edge of the one it leaves out.
  const bool horizontal = y0 == y1;
  const double along0 = horizontal ? x0 : y0;
  const double along1 = horizontal ? x1 : y1;
  const double back = along1 < along0 ? 1 : 0;
  const double across = (horizontal ? y0 : x0) + 0.5;
  const std::string crisp = " shape-rendering=\"crispEdges\"";
  if (horizontal) Line(along0 + back, across, along1 + back, across, 1, crisp);
  else Line(across, along0 + back, across, along1 + back, 1, crisp);
}

void TSvgChartCanvas::StraightLine(int x0, int y0, int x1, int y1) {
  ApplyBrushToText();
  if (!pen_.Visible || pen_.Style == psClear || (x0 == x1 && y0 == y1)) return;
  if (pen_.Width < 2) {
    if (x0 == x1 || y0 == y1) AxisLine(x0, y0, x1, y1);
    else Line(x0 + 0.5, y0 + 0.5, x1 + 0.5, y1 + 0.5, 1, "");
    return;
  }
  const char* cap = pen_.EndStyle == esRound ? "round" : pen_.EndStyle == esSquare ? "square" : "butt";
  Line(x0, y0, x1, y1, pen_.Width, std::string(" stroke-linecap=\"") + cap + "\"");
}

void TSvgChartCanvas::HorizontalLine(int x0, int x1, int y) { StraightLine(x0, y, x1, y); }

void TSvgChartCanvas::VerticalLine(int x, int y0, int y1) { StraightLine(x, y0, x, y1); }

void TSvgChartCanvas::DrawRect(int left, int top, int right, int bottom) {
  ApplyBrushToText();
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (right == left || bottom == top) return;
  if (brushStyle_ == bsSolid) FillRect(left, top, right - left, bottom - top, brushColor_);
  if (!pen_.Visible || pen_.Style == psClear) return;
  if (pen_.Width < 2) {
    // The outline runs on the first and last pixel rows and columns inside.
    HorizontalLine(left, right, top);
    HorizontalLine(left, right, bottom - 1);
    VerticalLine(left, top, bottom);
    VerticalLine(right - 1, top, bottom);
    return;
  }
  body_ << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << right - left - 1
        << "\" height=\"" << bottom - top - 1 << "\" fill=\"none\" stroke=\"" << Hex(pen_.Color) << "\""
        << " stroke-width=\"" << pen_.Width << "\"/>\n";
}

void TSvgChartCanvas::TextOutAt(int x, int y, std::string_view text) {
  ApplyBrushToText();
  if (text.empty()) return;
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const int width = metrics_->horizontalAdvance(q);
  const int height = metrics_->height();
  const TRect box = AlignedTextBox(textAlign_, x, y, width, height);
  const int left = box.Left;
  const int top = box.Top;
  if (backMode_ == bmOpaque) FillRect(left, top, width, height, brushColor_);
  body_ << "<text x=\"" << left << "\" y=\"" << top + metrics_->ascent() << "\" font-family=\""
        << Escaped(qtFont_.family().toStdString()) << "\" font-size=\"" << qtFont_.pixelSize()
        << "px\"";
  if (font_.Style.Bold) body_ << " font-weight=\"bold\"";
  if (font_.Style.Italic) body_ << " font-style=\"italic\"";
  if (font_.Style.Underline || font_.Style.StrikeOut) {
    body_ << " text-decoration=\"" << (font_.Style.Underline ? "underline" : "line-through") << "\"";
  }
  if (font_.InterCharSize != 0) body_ << " letter-spacing=\"" << font_.InterCharSize << "\"";
  body_ << " fill=\"" << Hex(font_.Color) << "\" xml:space=\"preserve\">" << Escaped(text)
        << "</text>\n";
}

int TSvgChartCanvas::TextWidth(std::string_view text) {
  return metrics_->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int TSvgChartCanvas::TextHeight(std::string_view) { return metrics_->height(); }

void TSvgChartCanvas::ClipToRect(int left, int top, int right, int bottom) {
  savedClips_.push_back(clip_);
  TRect rect{left, top, std::max(left, right), std::max(top, bottom)};
  if (clip_) {
    rect = {std::max(rect.Left, clip_->Left), std::max(rect.Top, clip_->Top),
            std::min(rect.Right, clip_->Right), std::min(rect.Bottom, clip_->Bottom)};
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
  }
  clip_ = rect;
}

void TSvgChartCanvas::RemoveClip() {
  if (savedClips_.empty()) return;
  clip_ = savedClips_.back();
  savedClips_.pop_back();
}

std::string ChartSvg(TCustomChart& chart, int width, int height) {
  TSvgChartCanvas canvas(width, height);
  chart.PaintTo(canvas, TRect{0, 0, width, height});
  return canvas.Document();
}

}  // namespace chart
