#pragma once
// A few choices of the user remembered between runs, as "key=value" lines in
// mirval/mirval.conf of the user's configuration folder. A file that cannot be
// read holds no settings and one that cannot be written keeps the old ones:
// neither ever stops a run.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirval {

class UserSettings {
public:
    // This user's settings.
    UserSettings();
    // The settings kept in `file` (a UTF-8 path).
    explicit UserSettings(std::string file);

    bool flag(std::string_view key) const;  // false when not set
    void setFlag(std::string_view key, bool value);
    // Writes the file when a value has changed; false when it could not.
    bool save();

private:
    std::string file_;
    std::vector<std::pair<std::string, std::string>> values_;
    bool changed_ = false;
};

}  // namespace mirval
