#pragma once
// What every window of the editor shares for the whole run: the folders, the dialogs, the
// settings file, the language tables (built once at start-up) and the current script file.

#include <QString>
#include <string>

#include "checker/grammar.h"
#include "core/language_tables.h"
#include "ui/common/app_paths.h"
#include "ui/common/prompter.h"
#include "ui/editor_settings.h"

namespace corvane {

struct EditorContext {
    EditorContext(AppPaths appPaths, Prompter& dialogs)
        : paths(std::move(appPaths)), prompter(dialogs), settings(paths.settingsFile()) {}

    AppPaths paths;
    Prompter& prompter;
    EditorSettings settings;

    // Set once by the start-up sequence; immutable afterwards.
    const LanguageTables* tables = nullptr;
    const Grammar* grammar = nullptr;
    std::string commandList;  // the DO commands, one per line

    // The script in the script window: empty before the first script, "newfile.dat" for a script
    // that has no file yet. Survives the script window.
    QString currentFile;
};

// The marker of a script that has no file yet.
inline QString newFileMarker() { return QStringLiteral("newfile.dat"); }

}  // namespace corvane
