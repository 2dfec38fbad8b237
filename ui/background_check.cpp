#include "ui/background_check.h"

#include <chrono>
#include <utility>

namespace corvane {

BackgroundCheck::BackgroundCheck(const LanguageTables& tables, const Grammar& grammar, Done done, QObject* parent)
    : QObject(parent), tables_(tables), grammar_(grammar), done_(std::move(done)) {}

BackgroundCheck::~BackgroundCheck() {
    // The worker reads the tables and posts to this object: it must end first.
    if (running_.valid()) running_.wait();
}

void BackgroundCheck::start(std::string text) {
    ++revision_;
    if (running_.valid()) {
        waiting_ = std::move(text);  // replaces an older waiting text
        return;
    }
    launch(std::move(text));
}

void BackgroundCheck::launch(std::string text) {
    runningRevision_ = revision_;
    const unsigned launched = runningRevision_;
    running_ = std::async(std::launch::async, [this, launched, text = std::move(text)] {
        std::vector<Diagnostic> found = Diagnose(text, tables_, grammar_);
        QMetaObject::invokeMethod(
            this,
            [this, launched] {
                // The notice is posted just before the future holds the result and may overtake it: wait
                // that last instant, unless wait() has collected this check already.
                if (running_.valid() && runningRevision_ == launched) running_.wait();
                collect();
            },
            Qt::QueuedConnection);
        return found;
    });
}

void BackgroundCheck::collect() {
    // Also reached by a late notice of a check that wait() has collected already.
    if (!running_.valid() || running_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    const std::vector<Diagnostic> found = running_.get();
    const bool current = runningRevision_ == revision_;
    if (waiting_) {
        std::string text = std::move(*waiting_);
        waiting_.reset();
        launch(std::move(text));
    } else if (current) {
        done_(found);
    }
}

void BackgroundCheck::wait() {
    while (running_.valid()) {
        running_.wait();
        collect();
    }
}

}  // namespace corvane
