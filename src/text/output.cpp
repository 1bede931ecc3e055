// Buffered output files.
#include "text/output.hpp"

#include <mutex>
#include <utility>
#include <vector>

#include "text/file_system.hpp"

namespace mirval {

namespace {

// Buffers of closed files, handed to the next file that writes: a run fills
// twelve files, but only as many are written at once as there are cores.
std::mutex freeBuffersGuard;
std::vector<std::string> freeBuffers;

}  // namespace

void OutputFile::takeBuffer() {
    {
        const std::lock_guard lock(freeBuffersGuard);
        if (!freeBuffers.empty()) {
            buffer_ = std::move(freeBuffers.back());
            freeBuffers.pop_back();
            return;
        }
    }
    buffer_.reserve(kFlushAt + 4096);
}

void OutputFile::giveBackBuffer() {
    if (buffer_.capacity() < kFlushAt) return;
    buffer_.clear();
    const std::lock_guard lock(freeBuffersGuard);
    freeBuffers.push_back(std::move(buffer_));
    buffer_ = std::string();
}

bool OutputFile::open(const std::string& path) {
    close();
    failed_ = false;
    inMemory_ = false;
    file_ = files::open(path, "wb");
    if (file_ == nullptr) return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the buffer here is the only one
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
    giveBackBuffer();
    return !failed_;
}

}  // namespace mirval
