#include "platform/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace z2k {
namespace {
TraceSink& traceSink() {
    static TraceSink sink;
    return sink;
}
}  // namespace

void setTraceSink(TraceSink sink) {
    traceSink() = std::move(sink);
}

void trace(const char* format, ...) {
    TraceSink& sink = traceSink();
    if (!sink) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    sink(text);
}

}  // namespace z2k
