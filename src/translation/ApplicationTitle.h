#pragma once
// The converter's own title: the caption of its window and of every message box it shows, also
// of those the translation shows. A leading blank and two blanks before the parenthesis.
#include <string_view>

namespace z2k {

inline constexpr std::string_view kApplicationTitle = " ZAT To KOR Project Converter  (v1.0)";

}  // namespace z2k
