#pragma once
// The translation steps of the build: build order and phases, build-file order, custom phases
// and their environment, and the per-configuration dependencies and output files. Only what the
// ZAT build order names is carried over; the link tools become the one KOR linker.
#include "translation/TranslationContext.h"

namespace z2k {

void translateBuildOrder(TranslationContext& context);
void translateBuildPhases(TranslationContext& context);
void translateBuildFileOrder(TranslationContext& context);
void translateCustomPhases(TranslationContext& context);
void translateEnvironment(TranslationContext& context);
void translateDependencies(TranslationContext& context);
void translateOutputFiles(TranslationContext& context);

// "$(FILE)" becomes "$(FILELEAF)" wherever it stands.
std::string fileLeaf(std::string_view text, CodePage page);

}  // namespace z2k
