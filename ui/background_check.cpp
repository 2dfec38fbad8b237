#include "ui/background_check.h"

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
    const unsigned launch = ++launches_;
    running_ = std::async(std::launch::async, [this, launch, text = std::move(text)] {
        std::vector<Diagnostic> found = Diagnose(text, tables_, grammar_);
        QMetaObject::invokeMethod(
            this, [this, launch] { collect(launch); }, Qt::QueuedConnection);
        return found;
    });
}

void BackgroundCheck::collect(unsigned number) {
    // Also reached by a late notice of a check that wait() has collected already.
    if (!running_.valid() || number != launches_) return;
    // The notice can arrive before the worker has returned its result: get() waits for that moment.
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
        collect(launches_);
    }
}

}  // namespace corvane
