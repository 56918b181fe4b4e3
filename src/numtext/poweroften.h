#pragma once

namespace numtext::detail {

// 1e0 ... 1e31, then 1e32, 1e64 ... 1e480, then 1e512, 1e1024 ... 1e4608.
extern const long double kPowersOfTen[32];
extern const long double kPowersOfTenBy32[15];
extern const long double kPowersOfTenBy512[9];

// |n| from this on is beyond any finite result.
inline constexpr int kScaleLimit = 5120;

// x * 10^n through at most three table factors (x / 10^|n| for negative n),
// each product rounded to nearest. From n = 5120 on the result is +infinity,
// from n = -5120 down it is 0, without raising any floating-point flag.
long double ScaleByPowerOfTen(long double x, int n);

}  // namespace numtext::detail
