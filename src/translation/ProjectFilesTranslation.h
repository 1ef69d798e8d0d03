#pragma once
// The translation steps of the project as a whole: project details, project files, file groups
// and extensions.
#include <string>
#include <string_view>

#include "translation/TranslationContext.h"

namespace z2k {

// The KOR project details: named and placed after the .krp path, the vendor's tool chain of a
// known family shortened.
void translateProjectDetails(TranslationContext& context, std::string_view krpPath);
// Files inside the ZAT project folder move below the KOR project folder.
void translateProjectFiles(TranslationContext& context);
// The family's default groups, then the ZAT groups that have an extension of their own.
void translateFileGroups(TranslationContext& context);
// False when an extension is defined twice: the message box was shown.
bool translateExtensions(TranslationContext& context);

// The text of the duplicate-extension message box.
std::string duplicateExtensionMessage(std::string_view extension, std::string_view existingGroup,
                                      std::string_view zatGroup);

}  // namespace z2k
