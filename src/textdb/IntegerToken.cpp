#include "textdb/IntegerToken.h"

namespace z2k {

void IntegerToken::add(char c) {
    switch (stage_) {
        case Stage::Leading:
            if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') return;
            stage_ = Stage::Digits;
            if (c == '-' || c == '+') {
                negative_ = c == '-';
                return;
            }
            [[fallthrough]];
        case Stage::Digits:
            if (c >= '0' && c <= '9') {
                magnitude_ = magnitude_ * 10 + (c - '0');
                if (magnitude_ > 2147483648LL) magnitude_ = 2147483648LL;
            } else {
                stage_ = Stage::Done;
            }
            return;
        case Stage::Done:
            return;
    }
}

std::int32_t IntegerToken::value() const {
    std::int64_t v = negative_ ? -magnitude_ : magnitude_;
    if (v > 2147483647LL) v = 2147483647LL;
    return static_cast<std::int32_t>(v);
}

}  // namespace z2k
