#pragma once
#include <cstdint>

namespace z2k {

// Converts a token as the C library's decimal-to-integer conversion does (leading white space,
// an optional sign, digits up to the first other character; anything else reads as 0), with the
// value held at the 32-bit limits when it does not fit. Fed one character at a time, so a token
// of any length is converted without being kept.
class IntegerToken {
  public:
    void add(char c);
    std::int32_t value() const;

  private:
    enum class Stage { Leading, Digits, Done };
    Stage stage_ = Stage::Leading;
    bool negative_ = false;
    std::int64_t magnitude_ = 0;  // held at 2^31 at most
};

}  // namespace z2k
