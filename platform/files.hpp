#pragma once
// Streams and directories. Text is 8-bit; names pass through byte for byte.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvx {

class Stream;
using StreamPtr = std::shared_ptr<Stream>;

StreamPtr ReadFile(const std::string& path);
StreamPtr WriteFile(const std::string& path);  // creates or truncates
StreamPtr OpenMemoryStream(std::vector<uint8_t> bytes);  // read-only stream over a buffer
// Closes the stream; false when anything written to it did not reach the file.
bool CloseStream(const StreamPtr& stream);

// A line ends at LF, NUL or the end of the stream; CR bytes are dropped.
std::string ReadLine(const StreamPtr& stream);
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
int FilePermissions(const std::string& path);  // permission bits, -1 when missing
bool SetFilePermissions(const std::string& path, int permissions);
bool SameFile(const std::string& a, const std::string& b);  // one file under two paths

class Directory;
using DirPtr = std::shared_ptr<Directory>;
DirPtr ReadDir(const std::string& path);  // "" lists the current directory
std::string NextFile(const DirPtr& dir);  // "" at the end
void CloseDir(const DirPtr& dir);

}  // namespace kvx
