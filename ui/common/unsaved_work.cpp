#include "ui/common/unsaved_work.h"

namespace corvane {

bool MayDiscardUnsavedWork(Prompter& prompter, const QString& what, const std::function<bool()>& save) {
    switch (prompter.askSaveDiscardCancel(QStringLiteral("The ") + what +
                                          QStringLiteral(" has changed. Do you want to save it?"))) {
        case Prompter::SaveChoice::Save:
            return save();
        case Prompter::SaveChoice::Discard:
            return true;
        case Prompter::SaveChoice::Cancel:
            return false;
    }
    return false;
}

}  // namespace corvane
