#pragma once
// Streams and directories. Text is 8-bit; names pass through byte for byte.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvx {

class Stream;
using StreamPtr = std::shared_ptr<Stream>;

// Regular files only: a pipe or a device is refused, and opening never waits on one.
StreamPtr ReadFile(const std::string& path);
StreamPtr WriteFile(const std::string& path);  // creates or truncates; never waits on a pipe
// The whole of a regular file; null when it cannot be read or holds more than maxBytes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes);

// A file's new version, written whole or not at all. The stream writes a temporary created
// exclusively in the target's folder (never through a link, never over an existing file).
// CommitReplacement syncs it and renames it over the target, keeping the target's permission bits;
// closing it any other way, or dropping it, removes the temporary and leaves the target as it was.
// A target that is a symbolic link is either followed (the file it names is replaced and the link
// kept; never a link another user planted in a shared folder such as /tmp) or replaced by the new
// file itself, for names that come from untrusted input.
// Null when the target is a directory, a device or a pipe, or no temporary can be created.
enum class AtLink { kFollow, kReplace };
StreamPtr WriteReplacement(const std::string& path, AtLink atLink);
bool CommitReplacement(const StreamPtr& stream);         // false: the target is untouched
StreamPtr OpenMemoryStream(std::vector<uint8_t> bytes);  // read-only stream over a buffer
// Closes the stream; false when anything written to it did not reach the file.
bool CloseStream(const StreamPtr& stream);

// A line ends at LF, NUL or the end of the stream; CR bytes are dropped.
std::string ReadLine(const StreamPtr& stream);
// A line of at most maxLength bytes (CR bytes count); false for a longer one, which is not read
// whole, so a file without line ends costs no more than the cap.
bool ReadLine(const StreamPtr& stream, std::string& line, size_t maxLength);
bool WriteLine(const StreamPtr& stream, const std::string& text);  // text + CR LF
bool Eof(const StreamPtr& stream);

bool WriteBytes(const StreamPtr& stream, const void* data, size_t size);
size_t ReadBytes(const StreamPtr& stream, void* data, size_t size);
bool WriteInt(const StreamPtr& stream, int32_t value);  // little-endian
bool ReadInt(const StreamPtr& stream, int32_t& value);
int64_t StreamPos(const StreamPtr& stream);
int64_t StreamSize(const StreamPtr& stream);
bool SeekStream(const StreamPtr& stream, int64_t pos);
bool StreamFailed(const StreamPtr& stream);  // a read or write went wrong

enum FileKind : int { kFileNone = 0, kFileRegular = 1, kFileDirectory = 2 };
int FileType(const std::string& path);
int64_t FileSize(const std::string& path);  // -1 when missing
std::string CurrentDir();
bool ChangeDir(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);  // atomic, replaces `to`
// Device, inode, size and modification time: a file that changed has another version. "" when
// the file is missing.
std::string FileVersion(const std::string& path);
int FilePermissions(const std::string& path);                     // permission bits, -1 when missing
bool SetFilePermissions(const std::string& path, int permissions);
bool SameFile(const std::string& a, const std::string& b);        // one file under two paths
bool SameFile(const StreamPtr& stream, const std::string& path);  // the file a stream has open

class Directory;
using DirPtr = std::shared_ptr<Directory>;
DirPtr ReadDir(const std::string& path);  // "" lists the current directory
std::string NextFile(const DirPtr& dir);  // "" at the end
void CloseDir(const DirPtr& dir);

}  // namespace kvx
