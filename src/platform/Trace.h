#pragma once
// The developer trace channel: silent unless a developer installs a sink.
#include <functional>
#include <string>

namespace z2k {

using TraceSink = std::function<void(const std::string&)>;
void setTraceSink(TraceSink sink);  // an empty function switches the channel off
// printf-style; formats only when a sink is installed.
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace z2k
