#pragma once
// A ProgressDisplay bound to a progress bar: range 0..100, repainted at once after every change.
#include "platform/Displays.h"

class QProgressBar;

namespace z2k {

class ProgressBarDisplay : public ProgressDisplay {
  public:
    // Attaching the bar sets its range to 0..100.
    explicit ProgressBarDisplay(QProgressBar* bar);

    void reset() override;
    void set(int position) override;
    void step(int delta) override;
    int position() const { return value_.position(); }

  private:
    void show();

    QProgressBar* bar_;
    ProgressValue value_;
};

}  // namespace z2k
