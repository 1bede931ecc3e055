// Buffered output files.
#include "text/output.hpp"

#include "text/file_system.hpp"

namespace mirval {

bool OutputFile::open(const std::string& path) {
    close();
    failed_ = false;
    inMemory_ = false;
    file_ = files::open(path, "wb");
    if (file_ == nullptr) return false;
    buffer_.reserve(kFlushAt + 4096);
    return true;
}

void OutputFile::openInMemory() {
    close();
    failed_ = false;
    inMemory_ = true;
    memory_.clear();
}

const std::string& OutputFile::text() {
    flush();
    return memory_;
}

void OutputFile::flush() {
    if (inMemory_) memory_.append(buffer_);
    if (file_ != nullptr && !buffer_.empty()) {
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
    }
    buffer_.clear();
}

bool OutputFile::close() {
    if (inMemory_) flush();
    if (file_ == nullptr) return !failed_;
    flush();
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace mirval
