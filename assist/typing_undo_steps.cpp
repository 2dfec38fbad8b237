#include "assist/typing_undo_steps.h"

#include "core/script_words.h"

namespace corvane {

bool IsBoxBlank(char16_t c) { return c == u'\u2029' || (c < 0x80 && IsScriptBlank(static_cast<char>(c))); }

bool TypingUndoSteps::Typed(std::u16string_view typed, bool paused) {
    const bool wordStarts = !IsBoxBlank(typed.front()) && (last_ == 0 || IsBoxBlank(last_));
    last_ = typed.back();
    return paused || wordStarts;
}

}  // namespace corvane
