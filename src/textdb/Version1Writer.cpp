#include "textdb/Version1Writer.h"

#include "platform/TextFile.h"
#include "textdb/FieldCodec.h"

namespace z2k {

namespace {

constexpr std::size_t kContinuationAfter = 86;

// A logical line written character by character: after every 86 characters (bytes, also inside
// a double-byte character), when more follow, "~" and a line feed.
void appendLogicalLine(std::string& out, std::string_view line) {
    for (std::size_t pos = 0; pos < line.size(); pos += kContinuationAfter) {
        if (pos > 0) out += "~\n";
        out.append(line.substr(pos, kContinuationAfter));
    }
    out.push_back('\n');
}

}  // namespace

Version1Writer::Version1Writer(int minorVersion) {
    body_ = "[ZATDBVersion]\n1.";
    body_ += std::to_string(minorVersion);
    body_ += '\n';
}

void Version1Writer::addSection(std::string_view tableName) {
    std::string line = "[";
    line += tableName;
    line += ']';
    appendLogicalLine(body_, line);
}

void Version1Writer::addRecordLine(std::string_view logicalLine) {
    appendLogicalLine(body_, logicalLine);
}

void Version1Writer::appendText(std::string& line, std::string_view value) {
    FieldCodec::appendText(line, value);
}

void Version1Writer::appendInteger(std::string& line, std::int32_t value) {
    FieldCodec::appendInteger(line, value);
}

std::string Version1Writer::text() const {
    return body_ + "[END]\n";
}

int Version1Writer::writeFile(std::string_view systemPath, const HostSettings& settings) const {
    return replaceTextFile(systemPath, text(), settings, false);
}

}  // namespace z2k
