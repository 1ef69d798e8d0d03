#pragma once
// The translation step of the tool options: every ZAT options table of a tool in the build
// order, converted per row, and the one KOR linker row chosen from the three ZAT link tools.
#include <string>
#include <string_view>

#include "translation/TranslationContext.h"

namespace z2k {

// Which ZAT link tool gives the options of the one KOR linker.
struct LinkerChoice {
    std::string tool;         // the ZAT tool chosen; empty for a family that is neither
    bool useDefault = false;  // its default options, not those of its rows
};

// False when a tool outside the known tools has option tables or a conversion fails; the KOR
// option tables are then left as they were.
bool translateOptions(TranslationContext& context);

// The linker by the build order: the family's own link tool unless only the linkage editor is
// there or enabled.
LinkerChoice chooseLinker(const TranslationContext& context);

}  // namespace z2k
