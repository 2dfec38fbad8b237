#pragma once
// What the script window asks of the main window.

#include <QString>

namespace corvane {

class ScriptHost {
public:
    virtual ~ScriptHost() = default;

    virtual void setStatus(const QString& text) = 0;
    // Save, Save As, Find, Find Next and Check script follow the script window's life.
    virtual void setScriptItemsEnabled(bool enabled) = 0;
    // The recent-file entry `index` (0 is the most recent), "<none>" for an empty slot.
    virtual QString recentFile(int index) const = 0;
    // The current script file became `fileName`: it is stored as the last file and moved to the
    // top of the recent files, in one write of the settings.
    virtual void rememberCurrentFile(const QString& fileName) = 0;
    // The Save As command; true when the script was written.
    virtual bool saveAs() = 0;
};

}  // namespace corvane
