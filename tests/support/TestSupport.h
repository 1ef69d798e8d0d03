#pragma once
// Shared helpers for tests: recording displays and alerts, and temporary folders mapped as drives.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Displays.h"
#include "platform/HostSettings.h"
#include "zat/ZatProjectReader.h"

namespace z2k::test {

// Whole file as bytes; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& file);

// Records every operation in order ("clear", "replace:TEXT", "append:TEXT") and keeps the text.
class RecordingTextDisplay : public TextDisplay {
  public:
    void clear() override;
    void replace(std::string_view text) override;
    void appendLine(std::string_view line) override;
    const std::string& text() const { return buffer_.text(); }
    std::vector<std::string> events;

  private:
    TextDisplayBuffer buffer_;
};

// Records every position the bar takes, in order.
class RecordingProgress : public ProgressDisplay {
  public:
    void reset() override;
    void set(int position) override;
    void step(int delta) override;
    int position() const { return value_.position(); }
    std::vector<int> positions;

  private:
    ProgressValue value_;
};

struct RecordedAlert {
    std::string text;
    std::string title;
    AlertIcon icon;
};
class RecordingAlerts : public Alerts {
  public:
    void show(std::string_view text, std::string_view title, AlertIcon icon) override;
    std::vector<RecordedAlert> alerts;
};

// A fresh temporary folder, removed with its contents at the end of the test. Optionally mapped
// as a drive (for example 'D') in its own settings where the host maps drives; system() names it
// as this host does, so one test text runs on every host. The settings are otherwise a fresh
// HostSettings (single-byte code page, files written).
class TempFolder {
  public:
    explicit TempFolder(char drive = '\0');
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // The text with every path on the folder's drive ("D:\..." in either case) as this host names
    // it: unchanged where the host maps drives, else with the folder's own path for "D:\".
    std::string onHost(std::string_view text) const;
    // Writes bytes to a file relative to the folder (folders created as needed).
    void write(const std::string& relative, std::string_view bytes) const;
    std::string read(const std::string& relative) const { return readBytes(path_ / relative); }
    HostSettings& settings() { return settings_; }
    const HostSettings& settings() const { return settings_; }

  private:
    std::filesystem::path path_;
    char drive_;
    HostSettings settings_;
};

// Reading options made member by member: a braced temporary with a defaulted lock policy makes
// GCC 12 at -O3 warn falsely (-Wmaybe-uninitialized) about the policy's callback.
inline ZatReadOptions readOptions(TextDisplay* progress, Alerts* alerts, const HostSettings& settings) {
    ZatReadOptions options;
    options.progress = progress;
    options.alerts = alerts;
    options.settings = settings;
    return options;
}

}  // namespace z2k::test
