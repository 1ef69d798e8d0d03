// The shared lock between real processes under Windows: lock_holder.exe children against this
// process, and the desktop's object names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "textdb/SharedLock.h"

namespace z2k {
namespace {

// A lock_holder.exe child with its stdin and stdout on pipes.
class Holder {
  public:
    Holder(const std::string& mode, const std::string& path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE childIn = nullptr, childOut = nullptr;
        ::CreatePipe(&childIn, &in_, &inherit, 0);
        ::CreatePipe(&out_, &childOut, &inherit, 0);
        ::SetHandleInformation(in_, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(out_, HANDLE_FLAG_INHERIT, 0);
        char self[MAX_PATH];
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string program(self);
        program = program.substr(0, program.find_last_of('\\') + 1) + "lock_holder.exe";
        std::string command = "\"" + program + "\" " + mode + " \"" + path + "\"";
        STARTUPINFOA start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = childIn;
        start.hStdOutput = childOut;
        start.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
        started_ = ::CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                    &start, &process_) != 0;
        ::CloseHandle(childIn);
        ::CloseHandle(childOut);
    }
    ~Holder() {
        release();
        if (started_) {
            ::WaitForSingleObject(process_.hProcess, INFINITE);
            ::CloseHandle(process_.hProcess);
            ::CloseHandle(process_.hThread);
        }
        ::CloseHandle(out_);
    }
    // The next line the child printed ("" when it ended).
    std::string line() {
        std::string text;
        char c = 0;
        DWORD read = 0;
        while (::ReadFile(out_, &c, 1, &read, nullptr) && read == 1 && c != '\n')
            if (c != '\r') text += c;
        return text;
    }
    void release() {
        if (in_ != nullptr) ::CloseHandle(in_);
        in_ = nullptr;
    }

  private:
    HANDLE in_ = nullptr;
    HANDLE out_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

std::string uniquePath(const std::string& name) {
    return "C:\\Z2K-Lock-" + std::to_string(::GetCurrentProcessId()) + "\\" + name;
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

TEST(WindowsLock, ReadersOverlapAWriterWaitsAndOtherLetterCaseWaitsForTheWriter) {
    // The second row's name is long enough that its objects are named by the key's digest.
    for (const std::string& name : {std::string("Motor.krp"), std::string(120, 'n') + ".krp"}) {
        const std::string path = uniquePath(name);
        Holder first("read", path), second("read", path);
        ASSERT_EQ(first.line(), "held");
        ASSERT_EQ(second.line(), "held");
        EXPECT_EQ(SharedLock::acquireWrite(path, 0), nullptr) << name;
        Holder writer("write", upper(path));
        first.release();
        EXPECT_EQ(first.line(), "released");
        EXPECT_EQ(SharedLock::acquireWrite(path, 0), nullptr) << "one reader is still in: " << name;
        second.release();
        EXPECT_EQ(second.line(), "released");
        EXPECT_EQ(writer.line(), "held");
        EXPECT_EQ(SharedLock::acquireRead(path, 0), nullptr) << name;
        writer.release();
        EXPECT_EQ(writer.line(), "released");
        EXPECT_NE(SharedLock::acquireRead(path), nullptr) << name;
    }
}

TEST(WindowsLock, TheObjectsBearTheDesktopNamesAndTellReadersIn) {
    const std::string path = uniquePath("Dir\\A.krp");
    std::string key = "c:_z2k-lock-" + std::to_string(::GetCurrentProcessId()) + "_dir_a.krp";
    Holder reader("read", path);
    ASSERT_EQ(reader.line(), "held");
    const HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, ("DBMutexNoWriter" + key).c_str());
    const HANDLE event = ::OpenEventA(SYNCHRONIZE, FALSE, ("DBEventNoReaders" + key).c_str());
    const HANDLE count = ::OpenSemaphoreA(SYNCHRONIZE, FALSE, ("DBSemNumReaders" + key).c_str());
    ASSERT_NE(mutex, nullptr);
    ASSERT_NE(event, nullptr);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(::WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "a reader is in";
    reader.release();
    EXPECT_EQ(reader.line(), "released");
    EXPECT_EQ(::WaitForSingleObject(event, 0), WAIT_OBJECT_0) << "the last reader left";
    for (HANDLE handle : {mutex, event, count}) ::CloseHandle(handle);
}

}  // namespace
}  // namespace z2k
