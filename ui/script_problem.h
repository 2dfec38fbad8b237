#pragma once
// One problem of the script text as the editor shows it.

#include <QString>
#include <QTextCursor>

namespace corvane {

struct ScriptProblem {
    QTextCursor word;   // selects the word; follows the author's edits until the next check
    bool error = true;  // else a warning
    QString message;
};

// "12:5": the line and the column (the character in the line, tabs counting one) from 1.
QString lineAndColumn(const QTextCursor& word);

}  // namespace corvane
