#include "paths/PathParts.h"

#include "paths/PathChars.h"
#include "platform/CodePage.h"
#include "platform/Trace.h"

namespace z2k {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string GetExtension(std::string_view path) {
    const std::size_t dot = findLastChar(path, '.');
    if (dot == std::string_view::npos) return std::string();
    return std::string(path.substr(dot + 1));
}

std::string RemoveExtension(std::string_view path) {
    const std::size_t dot = findLastChar(path, '.');
    if (dot == std::string_view::npos) return std::string(path);
    return std::string(path.substr(0, dot));
}

std::string GetFileName(std::string_view path) {
    const std::size_t slash = findLastChar(path, '\\');
    if (slash != std::string_view::npos) return std::string(path.substr(slash + 1));
    const std::size_t colon = findChar(path, ':');
    if (colon != std::string_view::npos) return std::string(path.substr(colon + 1));
    return std::string(path);
}

std::string GetFileTitle(std::string_view path) {
    return RemoveExtension(GetFileName(path));
}

std::string removeNameExtension(std::string_view path) {
    const std::string name = GetFileName(path);
    const std::size_t dot = findLastChar(name, '.');
    if (dot == std::string::npos) return std::string(path);
    return std::string(path.substr(0, path.size() - name.size() + dot));
}

bool ParseDrivePath(std::string_view path, std::string& drive, std::string& remainder) {
    // The first three characters must be single bytes for the test to hold, so at least three
    // bytes with a letter and ':' in front are at least three characters.
    const std::string text(path);
    if (path.size() < 3 || !isAsciiLetter(path[0]) || path[1] != ':') {
        trace("No Drive In Path 1, '%s'\n", text.c_str());
        return false;
    }
    if (findChar(path, '\\') != 2) {
        trace("No Drive In Path 2, '%s'\n", text.c_str());
        return false;
    }
    drive.assign(1, path[0]);
    if (path.size() >= 4) remainder.assign(path.substr(3));
    return true;
}

bool ParseMachinePath(std::string_view path, std::string& machine, std::string& remainder) {
    const std::string text(path);
    if (charCount(path) < 5) {
        trace("No Machine In Path 1, '%s'\n", text.c_str());
        return false;
    }
    if (path[0] != '\\' || path[1] != '\\') {
        trace("No Machine In Path 2, '%s'\n", text.c_str());
        return false;
    }
    const std::size_t third = findChar(path, '\\', 2);
    if (third == std::string_view::npos || third == 2) {
        trace("No Machine In Path 3, '%s'\n", text.c_str());
        return false;
    }
    machine.assign(path.substr(2, third - 2));
    remainder.assign(path.substr(third + 1));
    return true;
}

bool MoveUpDirectory(std::string_view path, std::string& parent) {
    std::string drive, driveRemainder, machine, machineRemainder;
    const bool isDrive = ParseDrivePath(path, drive, driveRemainder);
    const bool isMachine = ParseMachinePath(path, machine, machineRemainder);
    const std::string text(path);
    if (!isDrive && !isMachine) {
        trace("Can't move up directory, '%s'\n", text.c_str());
        return false;
    }
    const std::string& remainder = isDrive ? driveRemainder : machineRemainder;
    trace("MoveUpDirectory, '%s',remainder '%s'\n", text.c_str(), remainder.c_str());
    if (findChar(remainder, '\\') != std::string_view::npos) {
        parent.assign(path.substr(0, findLastChar(path, '\\')));
        trace("Moved up directory, '%s', '%s'\n", text.c_str(), parent.c_str());
    } else {
        parent = isDrive ? drive + ":\\" : "\\\\" + machine + "\\";
        trace("Moved up to root directory, '%s', '%s'\n", text.c_str(), parent.c_str());
    }
    return true;
}

std::string GetParentDirectory(std::string_view path) {
    std::string parent;
    if (!MoveUpDirectory(path, parent)) return std::string();
    return parent;
}

}  // namespace z2k
