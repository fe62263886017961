#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/files.hpp"

namespace kvx {

// One buffered stream: a file opened for reading or for writing, or a byte buffer.
class Stream {
public:
    enum class Mode { Read, Write, Memory };

    static constexpr size_t kBufferSize = 64 * 1024;

    // A file's buffer is left uninitialised: it is only ever read where it was filled.
    Stream(int fd, Mode mode, size_t capacity = kBufferSize)
        : fd_(fd), mode_(mode), fileBuffer_(new uint8_t[capacity]), buffer_(fileBuffer_.get()), capacity_(capacity) {}
    explicit Stream(std::vector<uint8_t> bytes)
        : mode_(Mode::Memory), memory_(std::move(bytes)), buffer_(memory_.data()), capacity_(memory_.size()),
          end_(capacity_) {}
    ~Stream() { Close(); }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    bool Close();
    size_t Read(void* data, size_t size);
    bool Write(const void* data, size_t size);
    std::string ReadLine();
    bool AtEnd();
    int64_t Pos() const { return bufferOffset_ + int64_t(mode_ == Mode::Write ? end_ : begin_); }
    int64_t Size();
    bool Seek(int64_t pos);
    bool Failed() const { return failed_; }

private:
    bool Readable() const { return mode_ != Mode::Write && !closed_; }
    bool Writable() const { return mode_ == Mode::Write && !closed_ && !failed_; }
    bool Fill();
    ssize_t ReadFromFile(void* data, size_t size);
    bool WriteToFile(const uint8_t* data, size_t size);
    bool Flush();

    int fd_ = -1;
    Mode mode_;
    std::vector<uint8_t> memory_;
    std::unique_ptr<uint8_t[]> fileBuffer_;
    uint8_t* buffer_;  // memory_'s bytes or fileBuffer_
    size_t capacity_;
    // Reading: buffer_[begin_, end_) is unread. Writing: buffer_[0, end_) is pending.
    size_t begin_ = 0;
    size_t end_ = 0;
    int64_t bufferOffset_ = 0;  // position of buffer_[0] in the file
    bool failed_ = false;
    bool closed_ = false;
};

bool Stream::Close() {
    if (closed_) return !failed_;
    closed_ = true;
    if (mode_ == Mode::Write) Flush();
    if (fd_ >= 0 && close(fd_) != 0 && mode_ == Mode::Write) failed_ = true;
    fd_ = -1;
    return !failed_;
}

ssize_t Stream::ReadFromFile(void* data, size_t size) {
    for (;;) {
        ssize_t n = read(fd_, data, size);
        if (n >= 0) return n;
        if (errno != EINTR) {
            failed_ = true;
            return 0;
        }
    }
}

bool Stream::Fill() {
    if (mode_ != Mode::Read || closed_) return false;
    bufferOffset_ += int64_t(end_);
    begin_ = end_ = 0;
    end_ = size_t(ReadFromFile(buffer_, capacity_));
    return end_ > 0;
}

bool Stream::WriteToFile(const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool Stream::Flush() {
    if (end_ == 0 || failed_) return !failed_;
    if (!WriteToFile(buffer_, end_)) failed_ = true;
    bufferOffset_ += int64_t(end_);
    end_ = 0;
    return !failed_;
}

size_t Stream::Read(void* data, size_t size) {
    if (!Readable()) {
        failed_ = true;
        return 0;
    }
    auto* out = static_cast<uint8_t*>(data);
    size_t done = 0;
    while (done < size) {
        if (begin_ == end_ && mode_ == Mode::Read && size - done >= capacity_) {
            // Large reads bypass the buffer.
            bufferOffset_ += int64_t(end_);
            begin_ = end_ = 0;
            ssize_t n = ReadFromFile(out + done, size - done);
            if (n == 0) break;
            bufferOffset_ += n;
            done += size_t(n);
            continue;
        }
        if (begin_ == end_ && !Fill()) break;
        size_t n = std::min(size - done, end_ - begin_);
        std::memcpy(out + done, buffer_ + begin_, n);
        begin_ += n;
        done += n;
    }
    if (done < size) failed_ = true;
    return done;
}

bool Stream::Write(const void* data, size_t size) {
    if (!Writable()) {
        failed_ = true;
        return false;
    }
    if (size == 0) return true;
    const auto* in = static_cast<const uint8_t*>(data);
    if (end_ + size > capacity_) {
        if (!Flush()) return false;
        if (size >= capacity_) {
            if (!WriteToFile(in, size)) failed_ = true;
            bufferOffset_ += int64_t(size);
            return !failed_;
        }
    }
    std::memcpy(buffer_ + end_, in, size);
    end_ += size;
    return true;
}

std::string Stream::ReadLine() {
    std::string line;
    if (!Readable()) {
        failed_ = true;
        return line;
    }
    for (;;) {
        if (begin_ == end_ && !Fill()) return line;
        const uint8_t* start = buffer_ + begin_;
        const uint8_t* stop = buffer_ + end_;
        const auto* lf = static_cast<const uint8_t*>(std::memchr(start, '\n', size_t(stop - start)));
        const uint8_t* p = lf ? lf : stop;
        if (const auto* nul = static_cast<const uint8_t*>(std::memchr(start, 0, size_t(p - start)))) p = nul;
        for (const uint8_t* run = start; run < p;) {
            const auto* cr = static_cast<const uint8_t*>(std::memchr(run, '\r', size_t(p - run)));
            const uint8_t* runEnd = cr ? cr : p;
            line.append(reinterpret_cast<const char*>(run), size_t(runEnd - run));
            run = cr ? cr + 1 : p;
        }
        begin_ = size_t(p - buffer_);
        if (p < stop) {
            ++begin_;
            return line;
        }
    }
}

bool Stream::AtEnd() {
    if (!Readable()) return true;
    return begin_ == end_ && !Fill();
}

int64_t Stream::Size() {
    if (mode_ == Mode::Memory) return int64_t(capacity_);
    struct stat info;
    if (closed_ || fstat(fd_, &info) != 0) return 0;
    return std::max<int64_t>(info.st_size, Pos());
}

bool Stream::Seek(int64_t pos) {
    if (closed_ || pos < 0) return false;
    if (mode_ != Mode::Write && pos >= bufferOffset_ && pos <= bufferOffset_ + int64_t(end_)) {
        begin_ = size_t(pos - bufferOffset_);
        return true;
    }
    if (mode_ == Mode::Memory || (mode_ == Mode::Write && !Flush())) return false;
    if (lseek(fd_, pos, SEEK_SET) < 0) return false;
    bufferOffset_ = pos;
    begin_ = end_ = 0;
    return true;
}

namespace {

// Over the file size limit the kernel would kill the process; a failed write is what a save must see.
void IgnoreFileSizeSignal() {
    static const bool done = [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

}  // namespace

StreamPtr ReadFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        return nullptr;
    }
    // Most files read are small designs, skins and archives: their buffer need not be the largest.
    const size_t capacity = std::clamp<size_t>(size_t(std::max<off_t>(info.st_size, 0)), 4096, Stream::kBufferSize);
    return std::make_shared<Stream>(fd, Stream::Mode::Read, capacity);
}

StreamPtr WriteFile(const std::string& path) {
    IgnoreFileSizeSignal();
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_shared<Stream>(fd, Stream::Mode::Write);
}

StreamPtr OpenMemoryStream(std::vector<uint8_t> bytes) { return std::make_shared<Stream>(std::move(bytes)); }

bool CloseStream(const StreamPtr& stream) { return stream && stream->Close(); }

std::string ReadLine(const StreamPtr& stream) { return stream ? stream->ReadLine() : std::string(); }

bool WriteLine(const StreamPtr& stream, const std::string& text) {
    return stream && stream->Write(text.data(), text.size()) && stream->Write("\r\n", 2);
}

bool Eof(const StreamPtr& stream) { return !stream || stream->AtEnd(); }

bool WriteBytes(const StreamPtr& stream, const void* data, size_t size) {
    return stream && stream->Write(data, size);
}

size_t ReadBytes(const StreamPtr& stream, void* data, size_t size) { return stream ? stream->Read(data, size) : 0; }

bool WriteInt(const StreamPtr& stream, int32_t value) {
    auto bits = uint32_t(value);
    const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
    return WriteBytes(stream, bytes, 4);
}

bool ReadInt(const StreamPtr& stream, int32_t& value) {
    uint8_t bytes[4];
    if (ReadBytes(stream, bytes, 4) != 4) return false;
    value = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
    return true;
}

int64_t StreamPos(const StreamPtr& stream) { return stream ? stream->Pos() : 0; }

int64_t StreamSize(const StreamPtr& stream) { return stream ? stream->Size() : 0; }

bool SeekStream(const StreamPtr& stream, int64_t pos) { return stream && stream->Seek(pos); }

bool StreamFailed(const StreamPtr& stream) { return !stream || stream->Failed(); }

}  // namespace kvx
