#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/canvas.h"

namespace chart::testing {

// One drawing call on the recording canvas with the pen and text alignment
// in force.
struct CanvasCall {
  std::string Op;
  std::vector<int> Args;
  std::string Text;
  TChartPen Pen;
  int TextAlign = 0;
};

// A canvas that records its drawing calls and measures text with fixed
// metrics: "W" is 11 pixels wide, every other character 6, every text 13
// high, whatever the font.
class TRecordingCanvas : public TChartCanvas3D {
 public:
  static constexpr int kLineHeight = 13;

  void HorizontalLine(int x0, int x1, int y) override { Record("HorizontalLine", {x0, x1, y}); }
  void VerticalLine(int x, int y0, int y1) override { Record("VerticalLine", {x, y0, y1}); }
  void StraightLine(int x0, int y0, int x1, int y1) override {
    Record("StraightLine", {x0, y0, x1, y1});
  }
  void DrawRect(int, int, int, int) override {}
  void TextOutAt(int x, int y, std::string_view text) override {
    Record("TextOutAt", {x, y}, std::string(text));
  }
  int TextWidth(std::string_view text) override {
    int width = 0;
    // UTF-8 continuation bytes add no character.
    for (unsigned char c : text) width += (c & 0xC0) == 0x80 ? 0 : c == 'W' ? 11 : 6;
    return width;
  }
  int TextHeight(std::string_view) override { return kLineHeight; }
  void SetTextAlign(int flags) override { textAlign_ = flags; }
  void SetBackMode(int) override {}
  void SetBrushColor(TColor) override {}
  void SetBrushStyle(TBrushStyle) override {}
  void ClipToRect(int, int, int, int) override {}
  void RemoveClip() override {}

  // The recorded calls named `op` in order.
  std::vector<CanvasCall> Calls(std::string_view op) const {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : calls_) {
      if (call.Op == op) found.push_back(call);
    }
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const CanvasCall& call : Calls("TextOutAt")) texts.push_back(call.Text);
    return texts;
  }
  void Clear() { calls_.clear(); }

 protected:
  void SelectFont(const TChartFont&) override {}
  void SelectPen(const TChartPen& pen) override { pen_ = pen; }

 private:
  void Record(std::string op, std::vector<int> args, std::string text = {}) {
    calls_.push_back({std::move(op), std::move(args), std::move(text), pen_, textAlign_});
  }

  std::vector<CanvasCall> calls_;
  TChartPen pen_;
  int textAlign_ = 0;
};

}  // namespace chart::testing
