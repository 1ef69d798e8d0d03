#include "conversion/RequestForm.h"

#include "paths/PathChars.h"
#include "paths/PathParts.h"

namespace z2k {

namespace {

// text + '\' unless its last character already is '\' (a trail byte never counts).
std::string withSeparator(std::string text, CodePage page) {
    if (text.empty() || text[lastChar(text, page)] != '\\') text += '\\';
    return text;
}

}  // namespace

std::string singleWorkspacePath(std::string_view projectFile, std::string_view workspaceName, CodePage page) {
    std::string path = withSeparator(getParentDirectory(projectFile, page), page);
    path += workspaceName;
    // Only the workspace name's own extension goes: a dot in the project's folder name is no
    // extension, and the workspace stays in that folder.
    return removeNameExtension(path, page);
}

std::string multipleWorkspacePath(std::string_view workspaceDirectory, std::string_view workspaceName,
                                  CodePage page) {
    std::string path = withSeparator(std::string(workspaceDirectory), page);
    path += workspaceName;
    return path;
}

ConversionRequest singleRequest(std::string_view projectFile, std::string_view workspaceName,
                                const HostSettings& settings) {
    ConversionRequest request;
    request.settings = settings;
    request.mode = ConversionMode::Single;
    request.zatProjectPath = std::string(projectFile);
    request.workspacePath = singleWorkspacePath(projectFile, workspaceName, settings.codePage);
    return request;
}

ConversionRequest multipleRequest(std::string_view workspaceDirectory, std::string_view workspaceName,
                                  std::string_view cpuFamily, const HostSettings& settings) {
    ConversionRequest request;
    request.settings = settings;
    request.mode = ConversionMode::Multiple;
    request.workspacePath = multipleWorkspacePath(workspaceDirectory, workspaceName, settings.codePage);
    request.cpuFamily = std::string(cpuFamily);
    return request;
}

}  // namespace z2k
