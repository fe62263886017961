#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/files.hpp"
#include "platform/replacement_plan.hpp"

namespace kvx {

// One buffered stream: a file opened for reading or for writing, or a byte buffer.
class Stream {
public:
    enum class Mode { Read, Write, Memory };

    static constexpr size_t kBufferSize = 64 * 1024;

    // A written temporary that becomes its plan's target once committed.
    struct Replacement {
        std::string temporary;
        ReplacementPlan plan;
    };

    // A file's buffer is left uninitialised: it is only ever read where it was filled.
    Stream(int fd, Mode mode, size_t capacity = kBufferSize)
        : fd_(fd), mode_(mode), fileBuffer_(new uint8_t[capacity]), buffer_(fileBuffer_.get()), capacity_(capacity) {}
    Stream(int fd, Replacement replacement) : Stream(fd, Mode::Write) { replacement_ = std::move(replacement); }
    explicit Stream(std::vector<uint8_t> bytes)
        : mode_(Mode::Memory),
          memory_(std::move(bytes)),
          buffer_(memory_.data()),
          capacity_(memory_.size()),
          end_(capacity_) {}
    ~Stream() { Close(); }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    bool Close();
    bool Commit();
    size_t Read(void* data, size_t size);
    bool Write(const void* data, size_t size);
    // False when the line runs past `limit` bytes; the stream is then left inside it.
    bool ReadLine(std::string& line, size_t limit);
    bool AtEnd();
    int64_t Pos() const { return bufferOffset_ + int64_t(mode_ == Mode::Write ? end_ : begin_); }
    int64_t Size();
    bool Seek(int64_t pos);
    bool Failed() const { return failed_; }
    bool IsFile(const struct stat& other) const {
        struct stat info;
        return fd_ >= 0 && fstat(fd_, &info) == 0 && info.st_dev == other.st_dev && info.st_ino == other.st_ino;
    }

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
    std::optional<Replacement> replacement_;
};

bool Stream::Close() {
    if (closed_) return !failed_;
    closed_ = true;
    if (mode_ == Mode::Write) Flush();
    if (fd_ >= 0 && close(fd_) != 0 && mode_ == Mode::Write) failed_ = true;
    fd_ = -1;
    if (replacement_) {
        // Never committed: the target stays as it was.
        unlink(replacement_->temporary.c_str());
        replacement_.reset();
        failed_ = true;
    }
    return !failed_;
}

bool Stream::Commit() {
    if (!replacement_ || closed_) return false;
    bool written = Flush() && fsync(fd_) == 0 && fchmod(fd_, replacement_->plan.permissions) == 0;
    written = close(fd_) == 0 && written;
    fd_ = -1;
    written = written && rename(replacement_->temporary.c_str(), replacement_->plan.target.c_str()) == 0;
    if (written) {
        SyncFolder(FolderOf(replacement_->plan.target));
        replacement_.reset();
    } else {
        failed_ = true;
    }
    return Close();
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

bool Stream::ReadLine(std::string& line, size_t limit) {
    line.clear();
    if (!Readable()) {
        failed_ = true;
        return true;
    }
    // The bytes that may be scanned, a line end after the last allowed byte included.
    const size_t allowed = limit == SIZE_MAX ? limit : limit + 1;
    size_t scanned = 0;
    for (;;) {
        if (begin_ == end_ && !Fill()) return true;
        const uint8_t* start = buffer_ + begin_;
        const uint8_t* stop = start + std::min(end_ - begin_, allowed - scanned);
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
            return true;
        }
        scanned += size_t(p - start);
        if (scanned == allowed) return false;
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
    // Opened without waiting, so that a pipe with no writer cannot hold the caller; then only a
    // regular file is read, in blocking mode again.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return nullptr;
    }
    // Most files read are small designs, skins and archives: their buffer need not be the largest.
    const size_t capacity = std::clamp<size_t>(size_t(std::max<off_t>(info.st_size, 0)), 4096, Stream::kBufferSize);
    return std::make_shared<Stream>(fd, Stream::Mode::Read, capacity);
}

StreamPtr WriteFile(const std::string& path) {
    IgnoreFileSizeSignal();
    // A pipe without a reader is refused rather than waited on.
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    if (fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_shared<Stream>(fd, Stream::Mode::Write);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes) {
    StreamPtr in = ReadFile(path);
    if (!in || uint64_t(StreamSize(in)) > maxBytes) return std::nullopt;
    std::vector<uint8_t> bytes(size_t(StreamSize(in)));
    // A file that grows while it is read is not read whole.
    if (ReadBytes(in, bytes.data(), bytes.size()) != bytes.size() || !Eof(in)) return std::nullopt;
    return bytes;
}

StreamPtr WriteReplacement(const std::string& path, AtLink atLink) {
    constexpr int kAttempts = 100;
    IgnoreFileSizeSignal();
    std::optional<ReplacementPlan> plan = PlanReplacement(path, atLink);
    if (!plan) return nullptr;
    Stream::Replacement replacement{"", std::move(*plan)};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        replacement.temporary = UnguessableNameIn(FolderOf(replacement.plan.target));
        // Private until committed: the old file may have been readable by its owner only.
        const int fd = open(replacement.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) return std::make_shared<Stream>(fd, std::move(replacement));
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

bool CommitReplacement(const StreamPtr& stream) { return stream && stream->Commit(); }

StreamPtr OpenMemoryStream(std::vector<uint8_t> bytes) { return std::make_shared<Stream>(std::move(bytes)); }

bool CloseStream(const StreamPtr& stream) { return stream && stream->Close(); }

std::string ReadLine(const StreamPtr& stream) {
    std::string line;
    if (stream) stream->ReadLine(line, SIZE_MAX);
    return line;
}

bool ReadLine(const StreamPtr& stream, std::string& line, size_t maxLength) {
    line.clear();
    return !stream || stream->ReadLine(line, maxLength);
}

bool WriteLine(const StreamPtr& stream, const std::string& text) {
    return stream && stream->Write(text.data(), text.size()) && stream->Write("\r\n", 2);
}

bool Eof(const StreamPtr& stream) { return !stream || stream->AtEnd(); }

bool WriteBytes(const StreamPtr& stream, const void* data, size_t size) { return stream && stream->Write(data, size); }

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

bool SameFile(const StreamPtr& stream, const std::string& path) {
    struct stat info;
    return stream && stat(path.c_str(), &info) == 0 && stream->IsFile(info);
}

}  // namespace kvx
