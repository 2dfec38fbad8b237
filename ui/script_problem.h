#pragma once
// One problem of the script text as the editor shows it.

#include <QList>
#include <QString>
#include <QTextCursor>

namespace corvane {

// An edit that mends the problem: its range is replaced with the replacement.
struct ProblemFix {
    QString title;  // "Replace with STATE_FETCH_WOOD", "Insert }"
    QTextCursor range;
    QString replacement;
};

struct ScriptProblem {
    QTextCursor word;   // selects the word; follows the author's edits until the next check
    bool error = true;  // else a warning
    QString message;
    QList<ProblemFix> fixes;  // the preferred one first; often none
};

// "12:5": the line and the column (the character in the line, tabs counting one) from 1.
QString lineAndColumn(const QTextCursor& word);

}  // namespace corvane
