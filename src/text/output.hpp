#pragma once
// Line-oriented text output: every write is one record ended by "\n".
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace mirval {

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void line(std::string_view text) = 0;
    void emptyLine() { line({}); }
};

// A text file written from start to end: created, or replaced when it exists.
// Writes are buffered in 256 KiB taken, at the first write, from buffers that
// closed files gave back; the file is flushed and closed by close() or on
// destruction. A write that fails is remembered: close() says whether every byte
// reached the file. One thread writes an OutputFile; several may write theirs at once.
class OutputFile final : public LineSink {
public:
    // Room that room() can always give.
    static constexpr std::size_t kMaxRoom = 4096;

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override { close(); }

    bool open(const std::string& path);  // false when the file cannot be created
    // Writes to a stream opened for writing elsewhere (a staged file), which close() closes.
    void open(std::FILE* stream);
    // Keeps the bytes in memory instead of a file (tests); text() returns them.
    void openInMemory();
    const std::string& text();
    bool isOpen() const { return file_ != nullptr || inMemory_; }
    void line(std::string_view text) override {
        write(text);
        put('\n');
    }
    void write(std::string_view bytes) {
        if (bytes.empty()) return;
        if (bytes.size() > kMaxRoom) return writeLarge(bytes);
        std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void put(char c) {
        *room(1) = c;
        ++used_;
    }
    // Room for `bytes` more (at most kMaxRoom) straight in the buffer: the caller
    // writes there and then calls advance() with the bytes it wrote.
    char* room(std::size_t bytes) {
        if (buffer_ == nullptr) [[unlikely]] takeBuffer();
        if (used_ + bytes > kFlushAt) flush();
        return buffer_.get() + used_;
    }
    void advance(std::size_t written) { used_ += written; }
    // Flushes and closes the file; false when any write, the flush or the close failed.
    bool close();

private:
    static constexpr std::size_t kFlushAt = 1 << 18;
    void flush();
    void writeLarge(std::string_view bytes);
    void takeBuffer();
    void giveBackBuffer();

    std::FILE* file_ = nullptr;
    bool inMemory_ = false;
    std::unique_ptr<char[]> buffer_;  // kFlushAt bytes
    std::size_t used_ = 0;
    std::string memory_;
    bool failed_ = false;
};

// Where the readers and the reduction report: the console log and the result listing.
struct RunLog {
    LineSink& console;
    LineSink& listing;
};

// Collects lines in memory (tests, the console window's history).
class LineCollector final : public LineSink {
public:
    void line(std::string_view text) override {
        text_.append(text);
        text_.push_back('\n');
    }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

}  // namespace mirval
