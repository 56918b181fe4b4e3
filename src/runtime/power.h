#pragma once

namespace runtime {

// The general power base^exponent: 1 for a zero exponent, 0 for a zero base
// with a positive exponent, repeated squaring for whole exponents that fit in
// 32 bits (the reciprocal for negative ones), otherwise exp(exponent * ln base).
long double Power(long double base, long double exponent);

// base^exponent by repeated squaring; the reciprocal for a negative exponent.
long double IntPower(long double base, long long exponent);

}  // namespace runtime
