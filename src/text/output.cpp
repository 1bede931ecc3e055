#include "text/output.hpp"

namespace mirval {

bool OutputFile::open(const std::string& path) {
    close();
    failed_ = false;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) return false;
    buffer_.reserve(kFlushAt + 4096);
    return true;
}

void OutputFile::flush() {
    if (file_ != nullptr && !buffer_.empty()) {
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
    }
    buffer_.clear();
}

void OutputFile::close() {
    if (file_ == nullptr) return;
    flush();
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
}

}  // namespace mirval
