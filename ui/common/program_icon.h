#pragma once
// The program's own icon (packaging/corvane-scripter.png, drawn from the .svg beside it, which Qt
// cannot read without its SVG module).

#include <QIcon>

namespace corvane {

QIcon programIcon();

// Makes it the icon of every window of the program, present and future.
void installProgramIcon();

}  // namespace corvane
