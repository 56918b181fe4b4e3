#pragma once

// Where the formatters write: a fixed stack area that covers every usual
// number, continued in a heap string when a pattern asks for more.

#include <cstddef>
#include <string>
#include <string_view>

namespace numtext::detail {

class TextBuffer {
 public:
  static constexpr std::size_t kFixedSize = 256;

  void Append(char c) {
    if (fixed_used_ < kFixedSize) {
      fixed_[fixed_used_++] = c;
    } else {
      overflow_.push_back(c);
    }
  }

  void Append(std::string_view text) {
    for (const char c : text) Append(c);
  }

  // `value` in decimal, led by zeros up to `width` digits. Zero has one
  // digit, so something is written whatever the width.
  void AppendDecimal(unsigned value, int width) {
    char digits[10];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    for (int i = count; i < width; ++i) Append('0');
    while (count > 0) Append(digits[--count]);
  }

  std::size_t size() const { return fixed_used_ + overflow_.size(); }

  std::string str() const {
    if (overflow_.empty()) return std::string(fixed_, fixed_used_);
    std::string text;
    text.reserve(size());
    text.append(fixed_, fixed_used_);
    text.append(overflow_);
    return text;
  }

 private:
  char fixed_[kFixedSize];
  std::size_t fixed_used_ = 0;
  std::string overflow_;
};

}  // namespace numtext::detail
