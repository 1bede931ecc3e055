// Files by their UTF-8 names, the same on every system.
#include "system/file_system.hpp"

#include <deque>
#include <system_error>

namespace mirval {

// Whether the system takes the two names for one, letter case aside (Windows);
// defined with the system's own functions, as is the identity of an existing file.
bool sameNameIgnoringCase(const std::string& a, const std::string& b);
std::optional<std::pair<std::uint64_t, std::uint64_t>> identityOf(const std::string& utf8Path);

namespace {

namespace fs = std::filesystem;

// Links followed before a name counts as looping (the limit POSIX systems use).
constexpr int kMaxLinks = 40;

void prependParts(std::deque<fs::path>& parts, const fs::path& path) {
    const fs::path relative = path.relative_path();
    parts.insert(parts.begin(), relative.begin(), relative.end());
}

}  // namespace

bool isRegularFile(const std::string& utf8Path) {
    std::error_code error;
    return fs::is_regular_file(pathFromUtf8(utf8Path), error);
}

bool isDirectory(const std::string& utf8Path) {
    std::error_code error;
    return fs::is_directory(pathFromUtf8(utf8Path), error);
}

bool pathExists(const std::string& utf8Path) {
    std::error_code error;
    return fs::exists(pathFromUtf8(utf8Path), error);
}

bool isLink(const std::string& utf8Path) {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(pathFromUtf8(utf8Path), error));
}

std::string folderOf(const std::string& utf8Path) {
    const fs::path folder = pathFromUtf8(utf8Path).parent_path();
    return folder.empty() ? std::string(".") : utf8FromPath(folder);
}

// The parts of the absolute name are taken one by one; a part that is a link
// is replaced by the parts of its target, and ".." leaves the folder the parts
// before it have reached (the folder a link pointed to, not the link's own).
std::optional<ResolvedName> resolveName(const std::string& utf8Path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(pathFromUtf8(utf8Path), error);
    if (error) return std::nullopt;
    fs::path reached = absolute.root_path();
    std::deque<fs::path> parts;
    prependParts(parts, absolute);
    for (int links = 0; !parts.empty();) {
        const fs::path part = parts.front();
        parts.pop_front();
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            reached = reached.parent_path();
            continue;
        }
        const fs::path next = reached / part;
        if (!fs::is_symlink(fs::symlink_status(next, error))) {
            reached = next;
            continue;
        }
        const fs::path target = fs::read_symlink(next, error);
        if (error || ++links > kMaxLinks) return std::nullopt;
        if (target.is_absolute()) reached = target.root_path();
        prependParts(parts, target);
    }
    const std::string resolved = utf8FromPath(reached);
    return ResolvedName{resolved, identityOf(resolved)};
}

bool isSameFile(const ResolvedName& a, const ResolvedName& b) {
    if (a.path == b.path || sameNameIgnoringCase(a.path, b.path)) return true;
    return a.identity && a.identity == b.identity;
}

std::string currentFolder() {
    std::error_code error;
    const auto current = fs::current_path(error);
    return error ? std::string(".") : utf8FromPath(current);
}

}  // namespace mirval
