// Any bytes as a ZAT project: the whole single-mode conversion (read, translate, write the .krp
// and the workspace) runs to a result code and leaves no output behind.
//
// The input is the .zat file itself. It is converted with the single-byte code page and, when it
// holds any byte above 0x7F, once more with code page 932, where trail bytes can be '\' or ASCII
// letters.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "conversion/ConversionDriver.h"
#include "conversion/ConversionRequest.h"
#include "platform/CodePage.h"
#include "platform/Displays.h"
#include "platform/HostPaths.h"

namespace {

using namespace z2k;

class SilentAlerts : public Alerts {
  public:
    void show(std::string_view text, std::string_view title, AlertIcon) override {
        shown_ += text.size() + title.size();
    }
    std::size_t shown_ = 0;
};

const std::filesystem::path& folder() {
    static const std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "z2k-fuzz-project-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return path;
}

// Registered once the folder exists, so it runs before the folder's path is destroyed.
void removeFolder() {
    std::error_code error;
    std::filesystem::remove_all(folder(), error);
}

// Everything the conversion made beside the input goes, so each run starts from the same folder.
void removeOutputs() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder(), error)) {
        if (entry.path().filename() == "input.zat") continue;
        std::filesystem::remove_all(entry.path(), error);
    }
}

void convert(CodePage page) {
    TextDisplayBuffer results;
    ProgressValue progress;
    SilentAlerts alerts;
    ConversionRequest request;
    request.settings.codePage = page;
    request.settings.drives.map('F', folder().string());
    request.mode = ConversionMode::Single;
    request.zatProjectPath = "F:\\input.zat";
    request.workspacePath = "F:\\workspace";
    request.results = &results;
    request.projectProgress = &progress;
    request.alerts = &alerts;
    {
        ConversionDriver driver(request);
        driver.run();
        if (progress.position() < 0 || progress.position() > 100) std::abort();
    }
    removeOutputs();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const bool cleanupRegistered = (folder(), std::atexit(removeFolder) == 0);
    (void)cleanupRegistered;
    {
        std::ofstream out(folder() / "input.zat", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) std::abort();
    }
    convert(CodePage::SingleByte);
    bool wide = false;
    for (char c : bytes) wide = wide || static_cast<unsigned char>(c) >= 0x80;
    if (wide) convert(CodePage::Cp932);
    return 0;
}
