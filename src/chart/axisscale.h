#pragma once

namespace chart {

// The largest absolute pixel coordinate that value mapping returns.
inline constexpr int PixelLimit = 0x3FFFFFF;

// Which end of the range a pixel is read back from. Both readings give the
// same value but for the last bit; horizontal axes read from the low end and
// vertical ones from the high end, which zooms and scrolls rely on.
enum class TPixelReading { FromLow, FromHigh };

// The mapping between the values of an axis and its pixels: Low lands on
// pixel From and High on pixel To. A reversed range (From > To) runs the
// values against the pixel coordinates, as a vertical axis does, whose
// values grow upwards.
class TAxisScale {
 public:
  TAxisScale() = default;
  TAxisScale(double low, double high, int from, int to, TPixelReading reading);

  double Low() const { return low_; }
  double High() const { return high_; }
  double Span() const { return span_; }
  bool IsZero() const { return span_ == 0; }
  int From() const { return from_; }
  int To() const { return to_; }
  // The smaller and the larger end pixel, whichever way the range runs.
  int First() const { return from_ < to_ ? from_ : to_; }
  int Last() const { return from_ < to_ ? to_ : from_; }
  int Length() const { return Last() - First(); }
  TPixelReading Reading() const { return reading_; }

  // The same pixels for another range.
  TAxisScale WithRange(double low, double high) const;
  TAxisScale WithPixels(int first, int last) const;

  // The pixel of the value, rounded to nearest and clamped to
  // +-PixelLimit (a NaN to +PixelLimit); a zero span maps every value to
  // the middle pixel.
  int ValueToPixel(double value) const;
  // The value at the pixel; 0 for a range shorter than a pixel.
  double PixelToValue(int pixel) const;

 private:
  double low_ = 0;
  double high_ = 0;
  double span_ = 0;
  int from_ = 0;
  int to_ = 0;
  // Signed: negative on a reversed range.
  double pixelsPerUnit_ = 0;
  TPixelReading reading_ = TPixelReading::FromLow;
};

}  // namespace chart
