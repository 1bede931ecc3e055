#include "system/user_settings.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "system/file_system.hpp"

namespace mirval {

namespace {

std::string settingsFile() {
    const std::string folder = userConfigurationFolder();
    return folder.empty() ? std::string() : folder + "/mirval/mirval.conf";
}

std::string contentsOf(const std::string& file) {
    std::string text;
    std::FILE* in = file.empty() ? nullptr : openFile(file, "rb");
    if (in == nullptr) return text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, got);
    std::fclose(in);
    return text;
}

}  // namespace

UserSettings::UserSettings() : UserSettings(settingsFile()) {}

UserSettings::UserSettings(std::string file) : file_(std::move(file)) {
    const std::string text = contentsOf(file_);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals > 0) {
            values_.emplace_back(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
        }
        start = end + 1;
    }
}

bool UserSettings::flag(std::string_view key) const {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->first == key) return it->second == "1";
    }
    return false;
}

void UserSettings::setFlag(std::string_view key, bool value) {
    if (flag(key) == value) return;
    std::erase_if(values_, [key](const auto& entry) { return entry.first == key; });
    values_.emplace_back(std::string(key), value ? "1" : "0");
    changed_ = true;
}

bool UserSettings::save() {
    if (!changed_) return true;
    if (file_.empty()) return false;
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(file_).parent_path(), ignored);
    std::FILE* out = openFile(file_, "wb");
    if (out == nullptr) return false;
    bool written = true;
    for (const auto& [key, value] : values_) {
        const std::string line = key + "=" + value + "\n";
        written = written && std::fwrite(line.data(), 1, line.size(), out) == line.size();
    }
    written = std::fclose(out) == 0 && written;
    changed_ = !written;
    return written;
}

}  // namespace mirval
