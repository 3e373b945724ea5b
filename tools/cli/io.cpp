#include "tools/cli/io.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fanwright::cli {

namespace {

#ifdef _WIN32
long long readSome(int fd, char* to, std::size_t capacity)
{
    const auto chunk = static_cast<unsigned>(capacity < 0x4000'0000 ? capacity : 0x4000'0000);
    return _read(fd, to, chunk);
}
long long writeSome(int fd, const char* from, std::size_t size)
{
    const auto chunk = static_cast<unsigned>(size < 0x4000'0000 ? size : 0x4000'0000);
    return _write(fd, from, chunk);
}
#else
long long readSome(int fd, char* to, std::size_t capacity) { return ::read(fd, to, capacity); }
long long writeSome(int fd, const char* from, std::size_t size) { return ::write(fd, from, size); }
#endif

}  // namespace

std::size_t DescriptorInput::read(char* to, std::size_t capacity, std::string& error)
{
    for (;;) {
        const long long got = readSome(fd_, to, capacity);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error = std::strerror(errno);
            return 0;
        }
    }
}

bool DescriptorOutput::write(const char* from, std::size_t size, std::string& error)
{
    while (size > 0) {
        const long long done = writeSome(fd_, from, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            error = done < 0 ? std::strerror(errno) : "nothing was written";
            return false;
        }
        from += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

std::size_t StreamInput::read(char* to, std::size_t capacity, std::string& error)
{
    in_.read(to, static_cast<std::streamsize>(capacity));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (got == 0 && in_.bad())
        error = "read error";
    return got;
}

bool StreamOutput::write(const char* from, std::size_t size, std::string& error)
{
    out_.write(from, static_cast<std::streamsize>(size));
    if (out_.good())
        return true;
    error = "write error";
    return false;
}

NumberText::NumberText(long long value)
{
    const auto [end, error] = std::to_chars(digits_, digits_ + sizeof digits_, value);
    length_ = static_cast<std::size_t>(end - digits_);
}

char* appendLargeNumber(char* at, long long value) { return std::to_chars(at, at + 20, value).ptr; }

Writer::Writer(Output& to) : to_(to), buffer_(new char[Capacity]) {}

void Writer::put(std::string_view text)
{
    if (text.size() > Capacity - used_) {
        drain();
        if (text.size() > Capacity) {
            if (!failed_)
                failed_ = !to_.write(text.data(), text.size(), failure_);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

void Writer::drain()
{
    if (!failed_ && used_ > 0)
        failed_ = !to_.write(buffer_.get(), used_, failure_);
    used_ = 0;
}

bool Writer::flush()
{
    drain();
    return !failed_;
}

LineReader::LineReader(Input& in, Writer& pending)
    : in_(in), pending_(pending), buffer_(new char[Capacity])
{
}

bool LineReader::fill()
{
    pending_.flush();
    const std::size_t got = in_.read(buffer_.get() + end_, Capacity - end_, failure_);
    end_ += got;
    atEnd_ = got == 0;
    return got > 0;
}

bool LineReader::next(InputLine& line)
{
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        if (feed != nullptr || (atEnd_ && begin_ < end_ && !failed())) {
            const auto length =
                static_cast<std::size_t>((feed ? feed : buffer_.get() + end_) - start);
            line = {std::string_view(start, length), length, ++lineNumber_};
            begin_ += feed ? length + 1 : length;
            return true;
        }
        if (atEnd_)
            return false;
        // Keep the unfinished line and make room after it.
        std::memmove(buffer_.get(), start, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        if (end_ == Capacity)
            return skipRestOfLongLine(line);
        fill();
    }
}

// The buffer holds the start of a line too long to keep: keep a little of it to show, count
// the rest while passing over it.
bool LineReader::skipRestOfLongLine(InputLine& line)
{
    constexpr std::size_t Kept = 256;
    std::size_t length = end_;
    end_ = Kept;
    for (;;) {
        if (!fill())
            break;
        const char* rest = buffer_.get() + Kept;
        const auto* feed = static_cast<const char*>(std::memchr(rest, '\n', end_ - Kept));
        if (feed != nullptr) {
            length += static_cast<std::size_t>(feed - rest);
            begin_ = static_cast<std::size_t>(feed - buffer_.get()) + 1;
            break;
        }
        length += end_ - Kept;
        end_ = Kept;
    }
    if (failed())
        return false;
    if (atEnd_)
        begin_ = end_ = 0;
    line = {std::string_view(buffer_.get(), Kept), length, ++lineNumber_};
    return true;
}

}  // namespace fanwright::cli
