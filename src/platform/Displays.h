#pragma once
// The roles through which every layer reports. The front ends bind them to their widgets or
// the console; tests bind them to recorders.
#include <string>
#include <string_view>

namespace z2k {

// One text control: the "Results:" box or the "Status:" line.
class TextDisplay {
  public:
    virtual ~TextDisplay() = default;
    virtual void clear() = 0;
    // Clear, then the text becomes the given text.
    virtual void replace(std::string_view text) = 0;
    // The text becomes its old text + "\r\n" + line (the first line is preceded by a break too).
    virtual void appendLine(std::string_view line) = 0;
};

// One progress bar, range 0..100.
class ProgressDisplay {
  public:
    virtual ~ProgressDisplay() = default;
    virtual void reset() = 0;            // position 0
    virtual void set(int position) = 0;  // position n
    virtual void step(int delta) = 0;    // position + delta, held within 0..100
};

enum class AlertIcon { Information, Warning, Error };

// Message boxes.
class Alerts {
  public:
    virtual ~Alerts() = default;
    virtual void show(std::string_view text, std::string_view title, AlertIcon icon) = 0;
};

// Keeps the text of a TextDisplay with the append-line rule; front ends and recorders share it.
class TextDisplayBuffer : public TextDisplay {
  public:
    void clear() override { text_.clear(); }
    void replace(std::string_view text) override { text_.assign(text); }
    void appendLine(std::string_view line) override {
        text_ += "\r\n";
        text_ += line;
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Holds a progress position within 0..100.
class ProgressValue : public ProgressDisplay {
  public:
    void reset() override { position_ = 0; }
    void set(int position) override { position_ = clamp(position); }
    void step(int delta) override { position_ = clamp(position_ + delta); }
    int position() const { return position_; }

  private:
    static int clamp(int v) { return v < 0 ? 0 : (v > 100 ? 100 : v); }
    int position_ = 0;
};

}  // namespace z2k
