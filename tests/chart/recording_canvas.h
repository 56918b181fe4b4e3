#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/canvas.h"

namespace chart::testing {

// One call on the recording canvas with the state it was made in.
struct CanvasCall {
  std::string Op;
  std::vector<int> Args;
  std::string Text;
  TChartPen Pen;
  TChartFont Font;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = bsSolid;
  int TextAlign = 0;
  int BackMode = bmOpaque;
};

// A canvas that records every call and measures text with fixed metrics:
// "W" is 11 pixels wide, every other character 6, and every text 13 high,
// whatever the font.
class TRecordingCanvas : public TChartCanvas3D {
 public:
  static constexpr int kWidthOfW = 11;
  static constexpr int kCharWidth = 6;
  static constexpr int kLineHeight = 13;

  using TChartCanvas3D::DrawRect;
  using TChartCanvas3D::HorizontalLine;
  using TChartCanvas3D::TextOutAt;
  using TChartCanvas3D::VerticalLine;

  void HorizontalLine(int x0, int x1, int y) override;
  void VerticalLine(int x, int y0, int y1) override;
  void StraightLine(int x0, int y0, int x1, int y1) override;
  void DrawRect(int left, int top, int right, int bottom) override;
  void TextOutAt(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetTextAlign(int flags) override;
  void SetBackMode(int mode) override;
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(TBrushStyle style) override;
  void ClipToRect(int left, int top, int right, int bottom) override;
  void RemoveClip() override;

  // The recorded calls named `op`, in order.
  std::vector<CanvasCall> Calls(std::string_view op) const;
  // The texts drawn, in order.
  std::vector<std::string> Texts() const;
  void Clear() { calls_.clear(); }

  const std::vector<CanvasCall>& AllCalls() const { return calls_; }
  const TChartPen& Pen() const { return pen_; }
  const TChartFont& Font() const { return font_; }

 protected:
  void SelectFont(const TChartFont& font) override;
  void SelectPen(const TChartPen& pen) override;

 private:
  void Record(std::string op, std::vector<int> args, std::string text = {});

  std::vector<CanvasCall> calls_;
  TChartPen pen_;
  TChartFont font_;
  TColor brushColor_ = clWhite;
  TBrushStyle brushStyle_ = bsSolid;
  bool brushChanged_ = true;
  int textAlign_ = 0;
  int backMode_ = bmOpaque;
};

}  // namespace chart::testing
