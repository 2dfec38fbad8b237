#include "support/wine_path.h"

#include <cctype>
#include <optional>
#include <vector>

#include "support/file_utils.h"

namespace fs = std::filesystem;

namespace corvane {
namespace {

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::optional<fs::path> DriveRoot(const fs::path& prefix, char letter) {
    std::error_code ec;
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (!prefix.empty()) {
        fs::path link = prefix / "dosdevices" / std::string{lower, ':'};
        if (fs::exists(link, ec)) {
            fs::path target = fs::canonical(link, ec);
            return ec ? link : target;
        }
    }
    if (lower == 'z') return fs::path("/");
    return std::nullopt;
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + '\\') {
        if (c != '\\' && c != '/') {
            part += c;
            continue;
        }
        if (!part.empty() && part != ".") parts.push_back(part);
        part.clear();
    }
    return parts;
}

}  // namespace

std::string EntryNameIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / PathFromUtf8(name), ec)) return name;
    std::string wanted = ToLowerAscii(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = Utf8FromPath(it->path().filename());
        if (ToLowerAscii(entry) == wanted) return entry;
    }
    return name;
}

std::string NativePathInWinePrefix(const fs::path& prefix, const std::string& windowsPath) {
    fs::path result;
    std::string rest = windowsPath;
    if (HasDriveLetter(windowsPath)) {
        auto root = DriveRoot(prefix, windowsPath[0]);
        if (!root) return windowsPath;
        result = *root;
        rest = windowsPath.substr(2);
    } else if (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) {
        result = "/";
    }
    for (const std::string& part : Components(rest)) result /= PathFromUtf8(EntryNameIgnoringCase(result, part));
    std::string native = Utf8FromPath(result);
    bool trailing = !rest.empty() && (rest.back() == '\\' || rest.back() == '/');
    if (trailing && !native.ends_with('/')) native += '/';
    return native;
}

}  // namespace corvane
