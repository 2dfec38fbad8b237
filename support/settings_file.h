#pragma once
// editor.ini: named sections of KEY=value lines, read and written one key at a time.
//
//   [SECTION=NAME]
//   KEY=value
//   [EOS]
//
// Lines end in CR LF; section names and keys are stored in upper case, values as given.

#include <string>
#include <string_view>
#include <vector>

#include "support/safe_file.h"

namespace corvane {

// The value of `key` in `section` (both matched in upper case), or `defaultValue` when the file,
// the section or the key is missing or the stored value is empty. When a key occurs more than once
// the last occurrence wins; a stored key that begins with `key` matches too.
std::string ReadIni(const std::string& fileName, std::string_view section, std::string_view key,
                    std::string_view defaultValue);

// Stores `value` under `key` in `section`, creating the file, the section or the key as needed;
// every other section and key is written back unchanged and in order. The file is replaced whole,
// so a failure leaves the old file as it was; returns false and fills `error` then.
bool WriteIni(const std::string& fileName, std::string_view section, std::string_view key, std::string_view value,
              FileError* error = nullptr);

// Several keys in one replacement of the file, as if written one after another with WriteIni.
struct IniValue {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};
bool WriteIniValues(const std::string& fileName, const std::vector<IniValue>& values, FileError* error = nullptr);

// The sections and keys the program remembers, as the callers pass them.
namespace settings {
inline constexpr std::string_view kWindowSection = "window";
inline constexpr std::string_view kScriptViewerLeft = "scriptviewerleft";
inline constexpr std::string_view kScriptViewerTop = "scriptviewertop";
inline constexpr std::string_view kScriptViewerWidth = "scriptviewerwidth";
inline constexpr std::string_view kScriptViewerHeight = "scriptviewerheight";
inline constexpr std::string_view kScriptViewerState = "scriptviewerstate";

inline constexpr std::string_view kRecentSection = "recent";
inline constexpr std::string_view kRecentKeyPrefix = "recent";  // followed by 0 to 4
inline constexpr int kRecentCount = 5;
inline constexpr std::string_view kNoRecentFile = "<none>";

inline constexpr std::string_view kFileSection = "file";
inline constexpr std::string_view kLastFile = "lastfile";
inline constexpr std::string_view kLastLangFile = "lastlangfile";

inline constexpr std::string_view kFindSection = "find";
inline constexpr std::string_view kFindWhat = "what";

// The editor's own options, and the script window's docks the author closed (their names, by commas).
inline constexpr std::string_view kEditorSection = "editor";
inline constexpr std::string_view kHiddenDocks = "hiddendocks";

inline constexpr std::string_view kUpdateSection = "update";
inline constexpr std::string_view kUpdateUrl = "url";  // another update site, for mirrors and tests

std::string RecentKey(int index);
}  // namespace settings

}  // namespace corvane
