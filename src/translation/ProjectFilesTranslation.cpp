#include "translation/ProjectFilesTranslation.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "options/Families.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "translation/FileTypeTable.h"

namespace z2k {

namespace {

// What the project details record as the KOR project's type.
constexpr std::string_view kConvertedProjectType = "Converted ZAT Project";

bool endsWithBackslash(std::string_view path, CodePage page) {
    return !path.empty() && findLastChar(path, '\\', page) == path.size() - 1;
}

// directory + "\" (unless it ends in one) + rest.
std::string joinPath(std::string_view directory, std::string_view rest, CodePage page) {
    std::string path(directory);
    if (!endsWithBackslash(path, page)) path += '\\';
    path.append(rest);
    return path;
}

}  // namespace

void translateProjectDetails(TranslationContext& context, std::string_view krpPath) {
    const CodePage page = context.page;
    const ZatProjectDetails& zat = context.zat.projectDetails;
    const std::string krp(krpPath);
    std::string file = joinPath(getParentDirectory(krp, page), getFileTitle(krp, page), page);
    file += ".krp";

    std::string toolChain = zat.strToolChain;
    const FamilyInfo* family = findFamily(zat.strCPUFamily);
    if (family != nullptr && zat.strToolChain == family->vendor) toolChain = family->toolChain;
    std::string directory = getParentDirectory(file, page);
    context.kor.projectDetails = KorProjectDetails{getFileTitle(zat.strProjectName, page),
                                                   std::move(directory),
                                                   std::move(file),
                                                   std::move(toolChain),
                                                   zat.strCPUFamily,
                                                   std::string(kConvertedProjectType)};
}

void translateProjectFiles(TranslationContext& context) {
    const CodePage page = context.page;
    const std::string& zatDir = context.zat.projectDetails.strDirectory;
    const std::string& korDir = context.kor.projectDetails.strDirectory;
    const std::size_t n = zatDir.size();  // bytes

    std::vector<KorProjectFile> rows;
    rows.reserve(context.zat.projectFiles.size());
    for (const ZatProjectFile& file : context.zat.projectFiles) {
        std::string path = file.strName;
        std::string fileDir = getParentDirectory(path, page);
        // In the project tree: the same directory, or one below it. "The character at position n"
        // is the character that starts at byte n; there is none when byte n is a trail byte.
        bool inTree = equalsIgnoreCase(fileDir, zatDir, page) ||
                      (fileDir.size() > n && isCharStart(fileDir, n, page) && fileDir[n] == '\\' &&
                       equalsIgnoreCase(std::string_view(fileDir).substr(0, n), zatDir, page));
        if (inTree) {
            // The part after the first n + 1 bytes, taken literally (a directory that ends in
            // "\" therefore loses one more byte).
            std::string_view rest = std::string_view(path).substr(std::min(path.size(), n + 1));
            path = joinPath(korDir, rest, page);
        }
        context.addProjectFile(file.nID, path);
        rows.push_back({std::move(path), "User", 0});
    }
    context.kor.projectFiles = std::move(rows);
}

void translateFileGroups(TranslationContext& context) {
    const CodePage page = context.page;
    std::vector<KorFileGroup> groups;
    std::unordered_set<std::string> defaultNames;
    std::unordered_set<std::string> defaultExtensions;  // upper case
    std::unordered_set<std::string> present;
    auto append = [&](const std::string& name, const std::string& property) {
        groups.push_back({name, property, property == "TEXT" ? "EDITOR" : "NONE", ""});
        present.insert(name);
    };
    for (const FileType& type : fileTypeTable(context.family)) {
        defaultNames.emplace(type.name);
        defaultExtensions.insert(toUpperText(type.extension, page));
        if (!present.contains(std::string(type.name))) append(std::string(type.name), std::string(type.kind));
    }

    // The groups that have at least one extension outside the family's defaults.
    std::unordered_set<std::string> withOwnExtension;
    for (const ZatExtension& extension : context.zat.extensions) {
        if (!defaultExtensions.contains(toUpperText(extension.strExtension, page)))
            withOwnExtension.insert(extension.strGroup);
    }
    for (const ZatFileGroup& group : context.zat.fileGroups) {
        if (defaultNames.contains(group.strName) || present.contains(group.strName)) continue;
        if (withOwnExtension.contains(group.strName)) append(group.strName, group.strProperty);
    }
    context.kor.fileGroups = std::move(groups);
}

std::string duplicateExtensionMessage(std::string_view extension, std::string_view existingGroup,
                                      std::string_view zatGroup) {
    std::string text = "Error: The file extension \"";
    text.append(extension);
    text += "\" is defined twice for:\n\n\t";
    text.append(existingGroup);
    text += "\n\t";
    text.append(zatGroup);
    text += "\n\nPlease remove all references ";
    text += "to this extension in the ZAT project and\t\nconvert the project again.";
    return text;
}

bool translateExtensions(TranslationContext& context) {
    const CodePage page = context.page;
    std::vector<KorExtension> rows;
    std::unordered_map<std::string, std::size_t> byExtension;  // upper-case extension -> first row
    auto append = [&](std::string group, std::string extension) {
        byExtension.try_emplace(toUpperText(extension, page), rows.size());
        rows.push_back({std::move(group), std::move(extension)});
    };
    for (const FileType& type : fileTypeTable(context.family))
        append(std::string(type.name), std::string(type.extension));

    for (const ZatExtension& extension : context.zat.extensions) {
        auto found = byExtension.find(toUpperText(extension.strExtension, page));
        if (found == byExtension.end()) {
            append(extension.strGroup, extension.strExtension);
            continue;
        }
        const std::string& existingGroup = rows[found->second].strGroup;
        if (existingGroup == extension.strGroup) continue;
        // Preprocessed files share the extensions of their sources; only these exact names do.
        if (extension.strGroup == "Preprocessed C Source file" ||
            extension.strGroup == "Preprocessed C++ Source file") {
            continue;
        }
        context.alert(duplicateExtensionMessage(extension.strExtension, existingGroup, extension.strGroup));
        return false;
    }
    context.kor.extensions = std::move(rows);
    return true;
}

}  // namespace z2k
