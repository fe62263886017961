#include "platform/files.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace kvx;

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kvx-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Contents(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> ReadLines(const StreamPtr& stream) {
        std::vector<std::string> lines;
        while (!Eof(stream)) lines.push_back(ReadLine(stream));
        return lines;
    }

    fs::path dir_;
};

using Lines = std::vector<std::string>;

TEST_F(FilesTest, LinesEndAtLineFeedNulOrEndAndDropEveryCarriageReturn) {
    EXPECT_EQ(ReadLines(ReadFile(Put("lf", "one\ntwo\n"))), (Lines{"one", "two"}));
    EXPECT_EQ(ReadLines(ReadFile(Put("crlf", "one\r\ntwo\r\n\r\n"))), (Lines{"one", "two", ""}));
    EXPECT_EQ(ReadLines(ReadFile(Put("cr", "one\rtwo\r"))), (Lines{"onetwo"}));
    EXPECT_EQ(ReadLines(ReadFile(Put("nul", std::string("a\0b\0\0c", 6)))), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(ReadLines(ReadFile(Put("last", "x\ny"))), (Lines{"x", "y"}));
    EXPECT_EQ(ReadLines(ReadFile(Put("inner", "a\rb c\r\r\n"))), (Lines{"ab c"}));

    StreamPtr empty = ReadFile(Put("empty", ""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(Eof(empty));
    EXPECT_EQ(ReadLine(empty), "");
    EXPECT_FALSE(StreamFailed(empty));
    EXPECT_TRUE(CloseStream(empty));
}

TEST_F(FilesTest, WrittenLinesEndInCrLfAndKeepEveryOtherByte) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c != '\n' && c != '\r') all += char(c);
    StreamPtr out = WriteFile(Path("bytes"));
    ASSERT_TRUE(out);
    EXPECT_TRUE(WriteLine(out, all));
    EXPECT_TRUE(WriteLine(out, ""));
    EXPECT_TRUE(WriteLine(out, " spaced = value "));
    EXPECT_TRUE(CloseStream(out));

    EXPECT_EQ(Contents("bytes"), all + "\r\n\r\n spaced = value \r\n");
    EXPECT_EQ(ReadLines(ReadFile(Path("bytes"))), (Lines{all, "", " spaced = value "}));
}

TEST_F(FilesTest, LongLinesAndLineEndsAcrossBufferBoundaries) {
    std::string big(1 << 20, 'q');
    for (size_t i = 0; i < big.size(); i += 4093) big[i] = char('a' + i % 26);
    std::string text;
    for (int i = 0; i < 3; ++i) text += big + "\r\n";
    // CR and LF on both sides of every 64 KB step.
    for (size_t pad = 65530; pad < 65540; ++pad) text += std::string(pad, 'p') + "\r\n";
    Put("long", text);

    StreamPtr in = ReadFile(Path("long"));
    for (int i = 0; i < 3; ++i) ASSERT_EQ(ReadLine(in), big);
    for (size_t pad = 65530; pad < 65540; ++pad) ASSERT_EQ(ReadLine(in), std::string(pad, 'p')) << pad;
    EXPECT_TRUE(Eof(in));
    EXPECT_EQ(StreamPos(in), int64_t(text.size()));
}

TEST_F(FilesTest, BinaryIntegersBytesAndSeeking) {
    StreamPtr out = WriteFile(Path("bin"));
    EXPECT_TRUE(WriteInt(out, 0x12345678));
    EXPECT_TRUE(WriteInt(out, -2));
    EXPECT_TRUE(WriteInt(out, INT32_MIN));
    std::vector<uint8_t> block(200000);
    for (size_t i = 0; i < block.size(); ++i) block[i] = uint8_t(i * 7 + i / 251);
    EXPECT_TRUE(WriteBytes(out, block.data(), block.size()));
    EXPECT_TRUE(WriteLine(out, "tail"));
    EXPECT_EQ(StreamPos(out), int64_t(12 + block.size() + 6));
    EXPECT_EQ(StreamSize(out), int64_t(12 + block.size() + 6));
    EXPECT_TRUE(CloseStream(out));
    EXPECT_EQ(Contents("bin").substr(0, 12), std::string("\x78\x56\x34\x12\xfe\xff\xff\xff\0\0\0\x80", 12));

    StreamPtr in = ReadFile(Path("bin"));
    int32_t value = 0;
    EXPECT_TRUE(ReadInt(in, value));
    EXPECT_EQ(value, 0x12345678);
    EXPECT_TRUE(ReadInt(in, value));
    EXPECT_EQ(value, -2);
    EXPECT_TRUE(ReadInt(in, value));
    EXPECT_EQ(value, INT32_MIN);
    std::vector<uint8_t> back(block.size());
    EXPECT_EQ(ReadBytes(in, back.data(), 10), 10u);
    EXPECT_EQ(ReadBytes(in, back.data() + 10, back.size() - 10), back.size() - 10);
    EXPECT_EQ(back, block);
    EXPECT_EQ(ReadLine(in), "tail");
    EXPECT_FALSE(StreamFailed(in));

    EXPECT_TRUE(SeekStream(in, 4));
    EXPECT_TRUE(ReadInt(in, value));
    EXPECT_EQ(value, -2);
    EXPECT_TRUE(SeekStream(in, 12 + 150000));
    EXPECT_EQ(StreamPos(in), 12 + 150000);
    uint8_t byte = 0;
    EXPECT_EQ(ReadBytes(in, &byte, 1), 1u);
    EXPECT_EQ(byte, block[150000]);

    EXPECT_TRUE(SeekStream(in, StreamSize(in) - 2));
    EXPECT_FALSE(ReadInt(in, value));
    EXPECT_TRUE(StreamFailed(in));
    EXPECT_TRUE(Eof(in));
}

TEST_F(FilesTest, MemoryStreamsReadLikeFilesAndRefuseWrites) {
    std::string text("name\r\n\x05\0\0\0rest", 14);
    StreamPtr mem = OpenMemoryStream(std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(StreamSize(mem), int64_t(text.size()));
    EXPECT_EQ(ReadLine(mem), "name");
    int32_t value = 0;
    EXPECT_TRUE(ReadInt(mem, value));
    EXPECT_EQ(value, 5);
    EXPECT_EQ(ReadLine(mem), "rest");
    EXPECT_TRUE(Eof(mem));
    EXPECT_TRUE(SeekStream(mem, 0));
    EXPECT_FALSE(Eof(mem));
    EXPECT_EQ(ReadLine(mem), "name");
    EXPECT_FALSE(SeekStream(mem, int64_t(text.size()) + 1));
    EXPECT_FALSE(WriteLine(mem, "x"));
    EXPECT_TRUE(StreamFailed(mem));

    StreamPtr empty = OpenMemoryStream({});
    EXPECT_TRUE(Eof(empty));
    EXPECT_EQ(ReadLine(empty), "");
}

TEST_F(FilesTest, FailedWritesAreReportedByCloseStream) {
    StreamPtr full = WriteFile("/dev/full");
    ASSERT_TRUE(full);
    WriteLine(full, "lost");  // buffered: the failure shows when the buffer reaches the device
    EXPECT_FALSE(CloseStream(full));

    full = WriteFile("/dev/full");
    std::vector<uint8_t> big(1 << 20, 'x');
    EXPECT_FALSE(WriteBytes(full, big.data(), big.size()));
    EXPECT_TRUE(StreamFailed(full));
    EXPECT_FALSE(WriteLine(full, "after"));
    EXPECT_FALSE(CloseStream(full));

    // Over the file size limit the write fails instead of the process being killed.
    std::string path = Path("limited");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{10000, 10000};
        setrlimit(RLIMIT_FSIZE, &limit);
        StreamPtr out = WriteFile(path);
        for (int i = 0; i < 1000; ++i) WriteLine(out, std::string(99, 'z'));
        _exit(CloseStream(out) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    StreamPtr fine = WriteFile(Path("fine"));
    for (int i = 0; i < 1000; ++i) WriteLine(fine, std::string(99, 'z'));
    EXPECT_TRUE(CloseStream(fine));
    EXPECT_EQ(FileSize(Path("fine")), 101000);

    EXPECT_FALSE(WriteFile(Path("no/such/dir/file")));
    EXPECT_FALSE(ReadFile(Path("missing")));
    EXPECT_FALSE(ReadFile(dir_.string()));
    StreamPtr in = ReadFile(Put("r", "abc"));
    EXPECT_FALSE(WriteLine(in, "x"));
    EXPECT_TRUE(StreamFailed(in));
}

TEST_F(FilesTest, DirectoriesListEveryEntryAndFilesCanBeManaged) {
    Put("a.txt", "12345");
    Put("b", "");
    fs::create_directory(dir_ / "sub");

    auto list = [](const std::string& path) {
        std::vector<std::string> names;
        DirPtr dir = ReadDir(path);
        EXPECT_TRUE(dir) << path;
        for (std::string name = NextFile(dir); !name.empty(); name = NextFile(dir)) names.push_back(name);
        EXPECT_EQ(NextFile(dir), "");
        CloseDir(dir);
        EXPECT_EQ(NextFile(dir), "");
        std::sort(names.begin(), names.end());
        return names;
    };
    Lines expected{".", "..", "a.txt", "b", "sub"};
    EXPECT_EQ(list(dir_.string()), expected);
    EXPECT_FALSE(ReadDir(Path("missing")));

    std::string before = CurrentDir();
    EXPECT_EQ(before, fs::current_path().string());
    ASSERT_TRUE(ChangeDir(dir_.string()));
    EXPECT_EQ(fs::path(CurrentDir()), fs::canonical(dir_));
    EXPECT_EQ(list(""), expected);
    EXPECT_EQ(FileType("a.txt"), kFileRegular);
    ASSERT_TRUE(ChangeDir(before));
    EXPECT_FALSE(ChangeDir(Path("missing")));

    EXPECT_EQ(FileType(Path("a.txt")), kFileRegular);
    EXPECT_EQ(FileType(Path("sub")), kFileDirectory);
    EXPECT_EQ(FileType(Path("missing")), kFileNone);
    EXPECT_EQ(FileType(""), kFileNone);
    EXPECT_EQ(FileSize(Path("a.txt")), 5);
    EXPECT_EQ(FileSize(Path("b")), 0);
    EXPECT_EQ(FileSize(Path("missing")), -1);

    EXPECT_TRUE(RenameFile(Path("a.txt"), Path("b")));
    EXPECT_EQ(Contents("b"), "12345");
    EXPECT_EQ(FileType(Path("a.txt")), kFileNone);
    EXPECT_FALSE(RenameFile(Path("a.txt"), Path("c")));

    EXPECT_TRUE(SetFilePermissions(Path("b"), 0751));
    EXPECT_EQ(FilePermissions(Path("b")), 0751);
    EXPECT_EQ(FilePermissions(Path("missing")), -1);
    EXPECT_TRUE(SameFile(Path("b"), (dir_ / "sub" / ".." / "b").string()));
    EXPECT_FALSE(SameFile(Path("b"), Path("sub")));

    EXPECT_TRUE(DeleteFile(Path("b")));
    EXPECT_FALSE(DeleteFile(Path("b")));
    EXPECT_EQ(list(dir_.string()), (Lines{".", "..", "sub"}));

    std::string odd = std::string("na\xe9me \x01\xff", 8);
    StreamPtr out = WriteFile(Path(odd));
    ASSERT_TRUE(out);
    EXPECT_TRUE(CloseStream(out));
    EXPECT_EQ(list(dir_.string()), (Lines{".", "..", odd, "sub"}));
}

}  // namespace
