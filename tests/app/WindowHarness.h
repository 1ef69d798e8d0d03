#pragma once
// A converter window with scripted pickers and an alert recorder, shown on the offscreen
// platform.
#include <QString>
#include <memory>

#include "CZatToKorPropertySheet.h"
#include "FakePickers.h"
#include "support/TestSupport.h"

namespace z2k::test {

struct WindowHarness {
    WindowHarness();
    ~WindowHarness();
    // Shows the sheet with the given page in front and waits until it is exposed.
    bool showPage(int index);

    FakePickers pickers;
    RecordingAlerts alerts;
    std::unique_ptr<CZatToKorPropertySheet> sheet;
};

// The folder where screenshots are kept.
QString screenshotDir();

}  // namespace z2k::test
