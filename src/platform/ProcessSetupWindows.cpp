#include "platform/ProcessSetup.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// After windows.h, which it builds on.
#include <shellapi.h>

#include <csignal>
#include <iostream>
#include <streambuf>

#include "platform/WideText.h"

namespace z2k {

namespace {

// Bytes in the ANSI code page, shown on a console a line at a time through WriteConsoleW.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? 0 : traits_type::eof();
        pending_ += traits_type::to_char_type(c);
        if (c == '\n' && sync() != 0) return traits_type::eof();
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        pending_.append(s, static_cast<std::size_t>(n));
        if (pending_.find('\n') != std::string::npos && sync() != 0) return 0;
        return n;
    }
    int sync() override {
        if (pending_.empty()) return 0;
        const int size = static_cast<int>(pending_.size());
        const int length = ::MultiByteToWideChar(CP_ACP, 0, pending_.data(), size, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, pending_.data(), size, wide.data(), length);
        pending_.clear();
        DWORD written = 0;
        return ::WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) ? 0 : -1;
    }

  private:
    HANDLE console_;
    std::string pending_;
};

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void holdClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::_get_osfhandle(fd) != -1) continue;
        const int held = ::_open("NUL", _O_RDONLY | _O_BINARY);
        if (held >= 0 && held != fd) {
            ::_dup2(held, fd);
            ::_close(held);
        }
    }
    // The results and messages are bytes: no line end is changed on the way out.
    for (int fd = 0; fd <= 2; ++fd) ::_setmode(fd, _O_BINARY);
}

std::size_t standardErrorColumns() {
    const HANDLE handle = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    CONSOLE_SCREEN_BUFFER_INFO info{};
    // The line is redrawn with a terminal's escape sequences, which a console takes only when
    // asked to; one that cannot gets no live line.
    if (!isConsole(handle) || ::GetConsoleMode(handle, &mode) == 0 ||
        ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0 ||
        ::GetConsoleScreenBufferInfo(handle, &info) == 0) {
        return 0;
    }
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? static_cast<std::size_t>(columns) : 80;
}

void installStopHandler(void (*onStop)(int)) {
    for (int number : {SIGINT, SIGTERM}) {
        if (std::signal(number, onStop) == SIG_IGN) std::signal(number, SIG_IGN);
    }
}

std::vector<std::string> hostArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) ::LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(hostText(wide[i]).value_or(argv[i]));
    ::LocalFree(wide);
    return arguments;
}

void useConsoleForStandardStreams() {
    // Never destroyed: the streams flush through them until the very end of the process.
    if (const HANDLE handle = ::GetStdHandle(STD_OUTPUT_HANDLE); isConsole(handle))
        std::cout.rdbuf(new ConsoleBuffer(handle));
    if (const HANDLE handle = ::GetStdHandle(STD_ERROR_HANDLE); isConsole(handle))
        std::cerr.rdbuf(new ConsoleBuffer(handle));
}

}  // namespace z2k
