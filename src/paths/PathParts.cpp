#include "paths/PathParts.h"

namespace z2k {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string getExtension(std::string_view path, CodePage page) {
    const std::size_t dot = findLastChar(path, '.', page);
    if (dot == std::string_view::npos) return std::string();
    return std::string(path.substr(dot + 1));
}

std::string removeExtension(std::string_view path, CodePage page) {
    const std::size_t dot = findLastChar(path, '.', page);
    if (dot == std::string_view::npos) return std::string(path);
    return std::string(path.substr(0, dot));
}

std::string getFileName(std::string_view path, CodePage page) {
    const std::size_t slash = findLastChar(path, '\\', page);
    if (slash != std::string_view::npos) return std::string(path.substr(slash + 1));
    const std::size_t colon = findChar(path, ':', 0, page);
    if (colon != std::string_view::npos) return std::string(path.substr(colon + 1));
    return std::string(path);
}

std::string getFileTitle(std::string_view path, CodePage page) {
    return removeExtension(getFileName(path, page), page);
}

std::string removeNameExtension(std::string_view path, CodePage page) {
    const std::string name = getFileName(path, page);
    const std::size_t dot = findLastChar(name, '.', page);
    if (dot == std::string::npos) return std::string(path);
    return std::string(path.substr(0, path.size() - name.size() + dot));
}

bool parseDrivePath(std::string_view path, CodePage page, std::string& drive, std::string& remainder) {
    // The first three characters must be single bytes for the test to hold, so at least three
    // bytes with a letter and ':' in front are at least three characters.
    if (path.size() < 3 || !isAsciiLetter(path[0]) || path[1] != ':') return false;
    if (findChar(path, '\\', 0, page) != 2) return false;
    drive.assign(1, path[0]);
    if (path.size() >= 4) remainder.assign(path.substr(3));
    return true;
}

bool parseMachinePath(std::string_view path, CodePage page, std::string& machine, std::string& remainder) {
    if (charCount(path, page) < 5 || path[0] != '\\' || path[1] != '\\') return false;
    const std::size_t third = findChar(path, '\\', 2, page);
    if (third == std::string_view::npos || third == 2) return false;
    machine.assign(path.substr(2, third - 2));
    remainder.assign(path.substr(third + 1));
    return true;
}

bool moveUpDirectory(std::string_view path, CodePage page, std::string& parent) {
    std::string drive, driveRemainder, machine, machineRemainder;
    const bool isDrive = parseDrivePath(path, page, drive, driveRemainder);
    const bool isMachine = parseMachinePath(path, page, machine, machineRemainder);
    if (!isDrive && !isMachine) return false;
    const std::string& remainder = isDrive ? driveRemainder : machineRemainder;
    if (findChar(remainder, '\\', 0, page) != std::string_view::npos) {
        parent.assign(path.substr(0, findLastChar(path, '\\', page)));
    } else {
        parent = isDrive ? drive + ":\\" : "\\\\" + machine + "\\";
    }
    return true;
}

std::string getParentDirectory(std::string_view path, CodePage page) {
    std::string parent;
    if (!moveUpDirectory(path, page, parent)) return std::string();
    return parent;
}

}  // namespace z2k
