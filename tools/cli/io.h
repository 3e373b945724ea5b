// The command line's input and output: raw byte ends (a file descriptor, or a stream in the
// tests), a buffered writer that remembers a failed write, and a line reader that holds no line
// longer than its buffer. Standard input and output are not tied: output waits in the buffer
// until it is full, until more input has to be waited for, or until the command ends.
#pragma once

#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace fanwright::cli {

class Input {
public:
    virtual ~Input() = default;
    // Reads at least one byte and at most `capacity`, waiting if need be; 0 at the end of the
    // input, and 0 with `error` set when it cannot be read.
    virtual std::size_t read(char* to, std::size_t capacity, std::string& error) = 0;
};

class Output {
public:
    virtual ~Output() = default;
    // Writes all the bytes, or says in `error` why not and returns false.
    virtual bool write(const char* from, std::size_t size, std::string& error) = 0;
};

// An open file descriptor of the process: 0, 1 or 2.
class DescriptorInput final : public Input {
public:
    explicit DescriptorInput(int fd) : fd_(fd) {}
    std::size_t read(char* to, std::size_t capacity, std::string& error) override;

private:
    int fd_;
};

class DescriptorOutput final : public Output {
public:
    explicit DescriptorOutput(int fd) : fd_(fd) {}
    bool write(const char* from, std::size_t size, std::string& error) override;

private:
    int fd_;
};

class StreamInput final : public Input {
public:
    explicit StreamInput(std::istream& in) : in_(in) {}
    std::size_t read(char* to, std::size_t capacity, std::string& error) override;

private:
    std::istream& in_;
};

class StreamOutput final : public Output {
public:
    explicit StreamOutput(std::ostream& out) : out_(out) {}
    bool write(const char* from, std::size_t size, std::string& error) override;

private:
    std::ostream& out_;
};

// Output kept in memory, for the faces that show a report rather than print it.
class StringOutput final : public Output {
public:
    bool write(const char* from, std::size_t size, std::string&) override
    {
        text.append(from, size);
        return true;
    }
    std::string text;
};

// A number in decimal, without allocating.
class NumberText {
public:
    explicit NumberText(long long value);
    std::string_view text() const { return {digits_, length_}; }

private:
    char digits_[24];
    std::size_t length_;
};

// Writing into a Writer's room: each returns the end of what it wrote.
inline char* append(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());  // a literal's fixed size becomes plain moves
    return at + text.size();
}
inline char* appendSpaces(char* at, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        *at++ = ' ';
    return at;
}
char* appendLargeNumber(char* at, long long value);
inline char* appendNumber(char* at, long long value)
{
    if (value < 0 || value >= 100)
        return appendLargeNumber(at, value);
    if (value >= 10)
        *at++ = static_cast<char>('0' + value / 10);
    *at++ = static_cast<char>('0' + value % 10);
    return at;
}

// Collects output and hands it on in large pieces. After the first failed write it drops
// everything and keeps the reason.
class Writer {
public:
    explicit Writer(Output& to);

    void put(char c)
    {
        if (used_ == Capacity)
            drain();
        buffer_[used_++] = c;
    }
    void put(std::string_view text);
    void putNumber(long long value) { put(NumberText(value).text()); }

    // Room for at least `size` more bytes (a few KiB at most, far below the buffer's size),
    // to be written through the returned pointer and closed by commit(end): one check for a
    // whole line of output instead of one per piece of it.
    char* room(std::size_t size)
    {
        if (Capacity - used_ < size)
            drain();
        return buffer_.get() + used_;
    }
    void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

    // Writes out what is buffered; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }

private:
    static constexpr std::size_t Capacity = std::size_t{1} << 16;

    void drain();

    Output& to_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
    std::string failure_;
};

// One line of input, without its line feed. A line longer than the reader's buffer comes cut
// to its start; `length` is always its full length.
struct InputLine {
    std::string_view text;
    std::size_t length = 0;
    std::size_t number = 0;  // 1 for the first line, blank lines counted
};

class LineReader {
public:
    // The largest line kept whole.
    static constexpr std::size_t MaxLineLength = std::size_t{1} << 16;

    // `pending` is flushed before each wait for input, so that a person typing lines sees the
    // answer to each before typing the next.
    LineReader(Input& in, Writer& pending);

    // False at the end of the input or when it cannot be read (then failed() says so).
    bool next(InputLine& line);
    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }

private:
    static constexpr std::size_t Capacity = MaxLineLength + 1;

    bool fill();
    bool skipRestOfLongLine(InputLine& line);

    Input& in_;
    Writer& pending_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t lineNumber_ = 0;
    bool atEnd_ = false;
    std::string failure_;
};

}  // namespace fanwright::cli
