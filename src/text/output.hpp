#pragma once
// Line-oriented text output: every write is one record ended by "\n".
#include <cstdio>
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
// Writes are buffered; the file is flushed and closed by close() or on destruction.
class OutputFile final : public LineSink {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override { close(); }

    bool open(const std::string& path);  // false when the file cannot be created
    bool isOpen() const { return file_ != nullptr; }
    void line(std::string_view text) override {
        write(text);
        put('\n');
    }
    void write(std::string_view bytes) {
        if (buffer_.size() + bytes.size() > kFlushAt) flush();
        buffer_.append(bytes);
    }
    void put(char c) { buffer_.push_back(c); }
    void close();
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    void flush();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool failed_ = false;
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
