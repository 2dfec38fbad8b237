#pragma once
// The question every document window asks before its unsaved work would be lost.

#include <functional>

#include "ui/common/prompter.h"

namespace corvane {

// Asks "The <what> has changed. Do you want to save it?". True when the caller may go on: the
// work was saved (`save` returned true) or the user threw it away; false on Cancel or a failed save.
bool MayDiscardUnsavedWork(Prompter& prompter, const QString& what, const std::function<bool()>& save);

}  // namespace corvane
