#include "recording_canvas.h"

#include <utility>

namespace chart::testing {

void TRecordingCanvas::Record(std::string op, std::vector<int> args, std::string text) {
  const bool draws = op == "HorizontalLine" || op == "VerticalLine" || op == "StraightLine" ||
                     op == "DrawRect" || op == "TextOutAt";
  // The text background follows a changed brush at the next drawing call.
  if (draws && brushChanged_) {
    backMode_ = brushStyle_ == bsSolid ? bmOpaque : bmTransparent;
    brushChanged_ = false;
  }
  calls_.push_back({std::move(op), std::move(args), std::move(text), pen_, font_, brushColor_,
                    brushStyle_, textAlign_, backMode_});
}

void TRecordingCanvas::HorizontalLine(int x0, int x1, int y) { Record("HorizontalLine", {x0, x1, y}); }

void TRecordingCanvas::VerticalLine(int x, int y0, int y1) { Record("VerticalLine", {x, y0, y1}); }

void TRecordingCanvas::StraightLine(int x0, int y0, int x1, int y1) {
  Record("StraightLine", {x0, y0, x1, y1});
}

void TRecordingCanvas::DrawRect(int left, int top, int right, int bottom) {
  Record("DrawRect", {left, top, right, bottom});
}

void TRecordingCanvas::TextOutAt(int x, int y, std::string_view text) {
  Record("TextOutAt", {x, y}, std::string(text));
}

int TRecordingCanvas::TextWidth(std::string_view text) {
  int width = 0;
  for (unsigned char c : text) {
    // Continuation bytes of UTF-8 add no character.
    if ((c & 0xC0) == 0x80) continue;
    width += c == 'W' ? kWidthOfW : kCharWidth;
  }
  return width;
}

int TRecordingCanvas::TextHeight(std::string_view) { return kLineHeight; }

void TRecordingCanvas::SetTextAlign(int flags) {
  textAlign_ = flags;
  Record("SetTextAlign", {flags});
}

void TRecordingCanvas::SetBackMode(int mode) {
  backMode_ = mode;
  Record("SetBackMode", {mode});
}

void TRecordingCanvas::SetBrushColor(TColor color) {
  brushColor_ = color;
  brushChanged_ = true;
  Record("SetBrushColor", {static_cast<int>(color)});
}

void TRecordingCanvas::SetBrushStyle(TBrushStyle style) {
  brushStyle_ = style;
  brushChanged_ = true;
  Record("SetBrushStyle", {static_cast<int>(style)});
}

void TRecordingCanvas::ClipToRect(int left, int top, int right, int bottom) {
  Record("ClipToRect", {left, top, right, bottom});
}

void TRecordingCanvas::RemoveClip() { Record("RemoveClip", {}); }

void TRecordingCanvas::SelectFont(const TChartFont& font) {
  font_ = font;
  Record("AssignFont", {font.Size});
}

void TRecordingCanvas::SelectPen(const TChartPen& pen) {
  pen_ = pen;
  Record("AssignPen", {pen.Width});
}

std::vector<CanvasCall> TRecordingCanvas::Calls(std::string_view op) const {
  std::vector<CanvasCall> found;
  for (const CanvasCall& call : calls_) {
    if (call.Op == op) found.push_back(call);
  }
  return found;
}

std::vector<std::string> TRecordingCanvas::Texts() const {
  std::vector<std::string> texts;
  for (const CanvasCall& call : calls_) {
    if (call.Op == "TextOutAt") texts.push_back(call.Text);
  }
  return texts;
}

}  // namespace chart::testing
