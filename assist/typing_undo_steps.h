#pragma once
// Which typed keys start a new undo step, so that Undo takes the author's typing back a word at a
// time: a key that starts a word (no blank, after a blank or as the first key), and any key after a
// pause.

#include <string_view>

namespace corvane {

// A blank between script words as the script box holds it, its own line break (U+2029) included.
bool IsBoxBlank(char16_t c);

class TypingUndoSteps {
public:
    // `typed`: the characters one key put in, at least one; `paused`: the author paused before the key.
    bool Typed(std::u16string_view typed, bool paused);
    // Enter made a line break, which ends a word as a typed blank does.
    void LineBroken() { last_ = u'\n'; }

private:
    char16_t last_ = 0;  // the last character typed; 0 before the first key
};

}  // namespace corvane
