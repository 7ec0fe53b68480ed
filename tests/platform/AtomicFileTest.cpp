#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-atomic-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    static std::string Contents(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
        return bytes;
    }

    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    }

    fs::path folder;
};

TEST_F(AtomicFileTest, WritesANewFileWithTheUsualPermissions) {
    const std::string path = PathOf("Ladbin.dat");
    const std::string bytes("\x01\x00\xFF\r\n\x00", 6);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, bytes, &error)) << error;
    EXPECT_EQ(Contents(path), bytes);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), 0666 & ~mask);
    EXPECT_EQ(Entries(), std::set<std::string>{"Ladbin.dat"});
}

TEST_F(AtomicFileTest, ReplacingAFileKeepsItsPermissions) {
    const std::string path = PathOf("ladder.plf");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new and longer"));
    EXPECT_EQ(Contents(path), "new and longer");
    EXPECT_EQ(ModeOf(path), 0640u);
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(Contents(path), "");
}

TEST_F(AtomicFileTest, AFailedWriteLeavesEverythingAsItWas) {
    // A name that fits the folder while the temporary name beside it does not.
    const std::string longName = PathOf(std::string(250, 'n'));
    std::ofstream(longName) << "old contents";
    fs::create_directory(PathOf("folder.plf"));
    const std::set<std::string> before = Entries();

    for (const std::string& target :
         {PathOf("missing/ladder.plf"), PathOf("folder.plf"), longName}) {
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(target, "new contents", &error)) << target;
        EXPECT_FALSE(error.empty()) << target;
        EXPECT_EQ(Entries(), before) << target;
    }
    EXPECT_EQ(Contents(longName), "old contents");
    EXPECT_TRUE(fs::is_directory(PathOf("folder.plf")));
    EXPECT_TRUE(fs::is_empty(PathOf("folder.plf")));
}

TEST_F(AtomicFileTest, ReadingRefusesWhatIsNotARegularFile) {
    std::string bytes = "untouched";
    EXPECT_FALSE(ReadWholeFile(PathOf("missing.plf"), bytes));
    EXPECT_FALSE(ReadWholeFile(folder.string(), bytes));
    EXPECT_EQ(bytes, "untouched");
}

} // namespace
} // namespace velmora
