#pragma once
// Runs one conversion on a thread of its own, so that the window repaints and answers while it
// converts. Everything the conversion reports goes back to the window's thread: displays and lock
// notices queued in the order they were made, message boxes waited for until they are answered.
// A cancel stops the run before its next project, never inside one.
#include <QObject>
#include <atomic>
#include <memory>

#include "conversion/ConversionRequest.h"
#include "conversion/ConversionSummary.h"
#include "translation/ConversionReport.h"

class QThread;

namespace z2k {

class ConversionThread : public QObject {
    Q_OBJECT
  public:
    // The request's displays, alerts and notice are those of the window's thread (this object's
    // thread); they must outlive this object. The conversion fills the report of this object.
    ConversionThread(const ConversionRequest& request, QObject* parent = nullptr);
    // Cancels and waits: the conversion ends as after a cancel, never in the middle of a write.
    ~ConversionThread() override;

    void start();
    // Asks the conversion to stop after the project it is converting.
    void cancel() { cancel_.store(true); }
    bool cancelled() const { return cancel_.load(); }
    bool running() const { return running_; }
    // Runs the window's event loop until the conversion has ended and everything it reported is
    // shown; message boxes the conversion raises meanwhile are answered as usual.
    void wait();

    // Valid after finished().
    const ConversionSummary& summary() const { return summary_; }
    const ConversionReport& report() const { return report_; }
    const ConversionRequest& request() const { return request_; }

  signals:
    // Everything the conversion reported has been shown by then.
    void finished();

  private:
    class Relays;
    std::atomic<bool> cancel_{false};
    ConversionRequest request_;
    ConversionReport report_;
    ConversionSummary summary_;
    std::unique_ptr<Relays> relays_;
    QThread* thread_ = nullptr;
    bool running_ = false;
};

}  // namespace z2k
