#pragma once
// Forms the conversion request from a page's fields, as the Convert button does after the
// field checks passed.
#include <string>
#include <string_view>

#include "conversion/ConversionRequest.h"

namespace z2k {

// Single page: the workspace lies beside the project. The parent directory of the project
// file, one '\' unless it already ends in one, the workspace name, and the whole text taken
// without the extension of the workspace name (a '.' in a folder name is no extension).
std::string singleWorkspacePath(std::string_view projectFile, std::string_view workspaceName, CodePage page);
// Multiple page: the directory, one '\' unless it already ends in one, the workspace name
// (no extension removed).
std::string multipleWorkspacePath(std::string_view workspaceDirectory, std::string_view workspaceName,
                                  CodePage page);

// Mode, paths and family of a request; the front end sets the displays and alerts.
// The request carries a copy of the settings.
ConversionRequest singleRequest(std::string_view projectFile, std::string_view workspaceName,
                                const HostSettings& settings);
ConversionRequest multipleRequest(std::string_view workspaceDirectory, std::string_view workspaceName,
                                  std::string_view cpuFamily, const HostSettings& settings);

}  // namespace z2k
