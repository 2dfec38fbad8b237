#pragma once
// The "Problems" list under the script: one line per problem, "line:column  message".
// Double-click or Enter on a line asks for its word.

#include <QDockWidget>
#include <cstddef>
#include <vector>

#include "ui/script_problem.h"

class QListWidget;

namespace corvane {

class ProblemsDock final : public QDockWidget {
    Q_OBJECT

public:
    explicit ProblemsDock(QWidget* parent = nullptr);

    // `more`: problems found beyond those given, listed as one last line.
    void showProblems(const std::vector<ScriptProblem>& problems, std::size_t more = 0);
    // Marks the line of the problem `index` as the current one.
    void setCurrent(int index);
    QListWidget* list() const { return list_; }

signals:
    void problemChosen(int index);

private:
    QListWidget* list_;
};

}  // namespace corvane
