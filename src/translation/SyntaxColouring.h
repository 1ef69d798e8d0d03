#pragma once
// The editor's syntax colouring of a KOR project: comment and case attributes, coloured keyword
// categories, and the tool that owns each file group's colouring.
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

struct ColouringAttribute {
    std::string group;
    std::string attribute;
    std::string value;
};

struct ColouringCategory {
    std::string group;
    std::string category;
    std::string foreground;
    std::string background;
    std::string keywords;
};

struct ColouringFileGroup {
    std::string fileGroup;
    std::string toolName;
    std::string toolVersion;
    std::string property;
};

struct SyntaxColouring {
    std::vector<ColouringAttribute> attributes;
    std::vector<ColouringCategory> categories;
    std::vector<ColouringFileGroup> fileGroups;
};

// A file group of the project being built: its name and "TEXT"/"BIN" property.
struct ProjectFileGroup {
    std::string_view name;
    std::string_view property;
};

// The colouring of the family (exact comparison; any other family gets three empty lists). Every
// "TEXT" group of the project's file groups that the family's fixed rows do not cover gets the
// default colouring under its own name.
SyntaxColouring defaultSyntaxColouring(std::string_view cpuFamily,
                                       const std::vector<ProjectFileGroup>& fileGroups);

// The keyword lists, words joined by "|".
extern const std::string_view kPreprocessorKeywords;
extern const std::string_view kCControlKeywords;
extern const std::string_view kCDeclarationKeywords;
extern const std::string_view kCppControlKeywords;
extern const std::string_view kCppDeclarationKeywords;
extern const std::string_view kCppOperatorKeywords;
extern const std::string_view kAsmPreprocessorKeywords;
extern const std::string_view kAsmDirectiveKeywords;
extern const std::string_view kAsmDataKeywords;

}  // namespace z2k
