#pragma once
// Where a file dialog opens: the folder part of a remembered path, on Windows and POSIX alike.

#include <string>
#include <string_view>

namespace corvane {

// True for "/" and "\": a stored path may come from either kind of system.
bool IsPathSeparator(char c);

// `folder` with one separator after it, in the folder's own style ("\" when it holds only
// backslashes, else "/"); a folder that already ends in a separator is kept as it is.
std::string WithTrailingSeparator(std::string_view folder);

// The Load command's initial name: `lastFile` cut back to its folder (everything up to and
// including its last "/" or "\"), or `programFolder` with a separator when it has none, followed
// by "*.dat". "C:\work\s.dat" gives "C:\work\*.dat"; "s.dat" gives programFolder + "/*.dat".
std::string LoadDialogStart(std::string_view lastFile, std::string_view programFolder);

// A dialog's initial name split into the folder it opens in and the name or pattern it shows:
// "C:\work\*.dat" -> "C:\work\" and "*.dat"; a drive-relative "C:x.dat" -> "C:" and "x.dat";
// a bare "x.dat" -> "" and "x.dat".
struct DialogName {
    std::string folder;
    std::string name;
};
DialogName SplitDialogName(std::string_view initialName);

}  // namespace corvane
