#pragma once

// The two inputs whose units people and the model name differently. Each
// conversion is written here once, with the one arithmetic every output was
// made with: x87 rounding makes `p / 100` and `p * 0.01L`, or `(R + 1) - 1`
// and R, differ in the last bits.

namespace model {

// A strength by mass, held as the fraction the model computes with.
class Strength {
 public:
  constexpr Strength() = default;

  static constexpr Strength FromFraction(long double fraction) { return Strength(fraction); }
  static constexpr Strength FromPercent(long double percent) { return Strength(percent / 100); }

  constexpr long double Fraction() const { return fraction_; }
  constexpr long double Percent() const { return fraction_ * 100; }

 private:
  constexpr explicit Strength(long double fraction) : fraction_(fraction) {}

  long double fraction_ = 0;
};

// The reflux ratio R, held as R + 1: the divisor of the product, formed once
// from the typed ratio. The ratio shown back is (R + 1) - 1.
class RefluxRatio {
 public:
  constexpr RefluxRatio() = default;

  static constexpr RefluxRatio FromRatio(long double ratio) { return RefluxRatio(ratio + 1); }
  static constexpr RefluxRatio FromPlusOne(long double plusone) { return RefluxRatio(plusone); }

  constexpr long double Ratio() const { return plusone_ - 1; }
  constexpr long double PlusOne() const { return plusone_; }
  // The flow returned for a take-off of `product`: D·(R + 1) - D.
  constexpr long double RefluxFor(long double product) const {
    return product * plusone_ - product;
  }

 private:
  constexpr explicit RefluxRatio(long double plusone) : plusone_(plusone) {}

  long double plusone_ = 1;
};

}  // namespace model
