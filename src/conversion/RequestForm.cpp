#include "conversion/RequestForm.h"

#include "paths/PathChars.h"
#include "paths/PathParts.h"

namespace z2k {

namespace {

// text + '\' unless its last character already is '\' (a trail byte never counts).
std::string withSeparator(std::string text) {
    if (text.empty() || text[LastChar(text)] != '\\') text += '\\';
    return text;
}

}  // namespace

std::string singleWorkspacePath(std::string_view projectFile, std::string_view workspaceName) {
    std::string path = withSeparator(GetParentDirectory(projectFile));
    path += workspaceName;
    // Only the workspace name's own extension goes: a dot in the project's folder name is no
    // extension, and the workspace stays in that folder.
    return removeNameExtension(path);
}

std::string multipleWorkspacePath(std::string_view workspaceDirectory, std::string_view workspaceName) {
    std::string path = withSeparator(std::string(workspaceDirectory));
    path += workspaceName;
    return path;
}

ConversionRequest singleRequest(std::string_view projectFile, std::string_view workspaceName) {
    ConversionRequest request;
    request.mode = ConversionMode::Single;
    request.zatProjectPath = std::string(projectFile);
    request.workspacePath = singleWorkspacePath(projectFile, workspaceName);
    return request;
}

ConversionRequest multipleRequest(std::string_view workspaceDirectory, std::string_view workspaceName,
                                  std::string_view cpuFamily) {
    ConversionRequest request;
    request.mode = ConversionMode::Multiple;
    request.workspacePath = multipleWorkspacePath(workspaceDirectory, workspaceName);
    request.cpuFamily = std::string(cpuFamily);
    return request;
}

}  // namespace z2k
