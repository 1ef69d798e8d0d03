#include "ConversionThread.h"

#include <QEventLoop>
#include <QThread>
#include <string>
#include <utility>

#include "conversion/ConversionDriver.h"

namespace z2k {

namespace {

// A display call made on the conversion's thread, carried out on the thread of `context`.
template <typename Call>
void queued(QObject* context, Call call) {
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

struct TextRelay : TextDisplay {
    TextRelay(QObject* context, TextDisplay* target) : context(context), target(target) {}
    void clear() override {
        queued(context, [t = target] { t->clear(); });
    }
    void replace(std::string_view text) override {
        queued(context, [t = target, s = std::string(text)] { t->replace(s); });
    }
    void appendLine(std::string_view line) override {
        queued(context, [t = target, s = std::string(line)] { t->appendLine(s); });
    }
    QObject* context;
    TextDisplay* target;
};

struct ProgressRelay : ProgressDisplay {
    ProgressRelay(QObject* context, ProgressDisplay* target) : context(context), target(target) {}
    void reset() override {
        queued(context, [t = target] { t->reset(); });
    }
    void set(int position) override {
        queued(context, [t = target, position] { t->set(position); });
    }
    void step(int delta) override {
        queued(context, [t = target, delta] { t->step(delta); });
    }
    QObject* context;
    ProgressDisplay* target;
};

// A message box holds the conversion until it is answered, as it did on the window's thread.
struct AlertsRelay : Alerts {
    AlertsRelay(QObject* context, Alerts* target) : context(context), target(target) {}
    void show(std::string_view text, std::string_view title, AlertIcon icon) override {
        QMetaObject::invokeMethod(
            context, [&] { target->show(text, title, icon); }, Qt::BlockingQueuedConnection);
    }
    QObject* context;
    Alerts* target;
};

}  // namespace

// The stand-ins for the request's displays, alive as long as the conversion may call them.
class ConversionThread::Relays {
  public:
    Relays(QObject* context, ConversionRequest& request)
        : projectProgress(context, request.projectProgress),
          overallProgress(context, request.overallProgress),
          results(context, request.results),
          status(context, request.status),
          problems(context, request.problems),
          notices(context, request.notices),
          alerts(context, request.alerts) {
        bind(request.projectProgress, projectProgress);
        bind(request.overallProgress, overallProgress);
        bind(request.results, results);
        bind(request.status, status);
        bind(request.problems, problems);
        bind(request.notices, notices);
        bind(request.alerts, alerts);
        if (request.lock.longWaitNotice) {
            request.lock.longWaitNotice =
                [context, notice = std::move(request.lock.longWaitNotice)](const std::string& text) {
                    queued(context, [notice, text] { notice(text); });
                };
        }
    }

  private:
    // A display the request does not have stays null.
    template <typename Role, typename Relay>
    static void bind(Role*& slot, Relay& relay) {
        if (slot != nullptr) slot = &relay;
    }

    ProgressRelay projectProgress, overallProgress;
    TextRelay results, status, problems, notices;
    AlertsRelay alerts;
};

ConversionThread::ConversionThread(const ConversionRequest& request, QObject* parent)
    : QObject(parent), request_(request) {
    relays_ = std::make_unique<Relays>(this, request_);
    request_.report = &report_;
    request_.cancel = &cancel_;
    // A stop does not wait for a lock that another program holds either.
    request_.lock.stop = &cancel_;
}

ConversionThread::~ConversionThread() {
    cancel();
    wait();
}

void ConversionThread::start() {
    if (running_ || thread_ != nullptr) return;
    running_ = true;
    thread_ = QThread::create([this] {
        ConversionDriver driver(request_);
        driver.run();
        summary_ = driver.summary();
    });
    thread_->setParent(this);
    // Queued behind every display call the conversion made, since it is sent from its thread.
    connect(thread_, &QThread::finished, this, [this] {
        thread_->wait();
        running_ = false;
        emit finished();
    });
    thread_->start();
}

void ConversionThread::wait() {
    if (!running_) return;
    QEventLoop loop;
    connect(this, &ConversionThread::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace z2k
