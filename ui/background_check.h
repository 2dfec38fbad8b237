#pragma once
// The check of a whole script text on a worker thread, so that typing never waits for it. Only
// the result for the newest text is handed back (on the thread that made this object); a result
// for a text that has changed since is dropped.

#include <QObject>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "assist/diagnostics.h"

namespace corvane {

class BackgroundCheck final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const std::vector<Diagnostic>&)>;

    BackgroundCheck(const LanguageTables& tables, const Grammar& grammar, Done done, QObject* parent = nullptr);
    ~BackgroundCheck() override;  // waits for a running check

    // Checks `text`. While a check runs, the newest text waits for it to end.
    void start(std::string text);
    // The text was edited: the result of the check running now is stale.
    void textChanged() { ++revision_; }
    bool busy() const { return running_.valid(); }
    // Blocks until the newest text is checked and its result handed over.
    void wait();

private:
    void launch(std::string text);
    void collect(unsigned number);

    const LanguageTables& tables_;
    const Grammar& grammar_;
    Done done_;
    std::future<std::vector<Diagnostic>> running_;
    unsigned runningRevision_ = 0;
    unsigned revision_ = 0;
    unsigned launches_ = 0;  // the checks started, to tell a late notice from the current one
    std::optional<std::string> waiting_;
};

}  // namespace corvane
