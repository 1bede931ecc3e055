// Buffered output files.
#include "text/output.hpp"

#include <mutex>
#include <utility>
#include <vector>

#include "system/file_system.hpp"

namespace mirval {

namespace {

// Buffers of closed files, handed to the next file that writes: a run fills
// twelve files, but only as many are written at once as there are cores.
std::mutex freeBuffersGuard;
std::vector<std::unique_ptr<char[]>> freeBuffers;

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
    buffer_ = std::make_unique_for_overwrite<char[]>(kFlushAt);
}

void OutputFile::giveBackBuffer() {
    if (buffer_ == nullptr) return;
    used_ = 0;
    const std::lock_guard lock(freeBuffersGuard);
    freeBuffers.push_back(std::move(buffer_));
}

bool OutputFile::open(const std::string& path) {
    close();
    failed_ = false;
    std::FILE* stream = openFile(path, "wb");
    if (stream == nullptr) return false;
    open(stream);
    return true;
}

void OutputFile::open(std::FILE* stream) {
    close();
    failed_ = false;
    inMemory_ = false;
    file_ = stream;
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the buffer here is the only one
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
    const std::string_view bytes(buffer_.get(), used_);
    used_ = 0;
    if (bytes.empty()) return;
    if (inMemory_) memory_.append(bytes);
    if (file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

void OutputFile::writeLarge(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += kMaxRoom) write(bytes.substr(at, kMaxRoom));
}

bool OutputFile::close() {
    flush();
    if (inMemory_) return !failed_;
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    giveBackBuffer();
    return !failed_;
}

}  // namespace mirval
