#include "core/base/ReplaceFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace {
std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int FilesIn(const CTempDir& dir)
{
    const auto files = std::filesystem::directory_iterator(dir.File(""));
    return static_cast<int>(std::distance(begin(files), end(files)));
}
} // namespace

TEST(ReplaceFile, AReplacedFileKeepsItsPermissions)
{
    CTempDir dir;
    const std::string path = dir.Write("Norv2.conf", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(ReplaceFile(path, "new"), 0);
    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(Contents(path), "new");
}

TEST(ReplaceFile, AnotherUsersLinkInAStickyFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    CTempDir dir;
    const std::string theirs = dir.Write("theirs", "their data");
    const std::string shared = dir.File("tmp");
    ASSERT_EQ(::mkdir(shared.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string link = shared + "/chart.png";
    ASSERT_EQ(::symlink(theirs.c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);

    EXPECT_EQ(ReplaceFile(link, "png"), EACCES);
    EXPECT_EQ(Contents(theirs), "their data");

    // The same link of one's own leads to its file.
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    EXPECT_EQ(ReplaceFile(link, "png"), 0);
    EXPECT_EQ(Contents(theirs), "png");
}

TEST(ReplaceFile, AFileBeyondTheSizeLimitFailsAndLeavesNoTemporaryFile)
{
    CTempDir dir;
    const std::string path = dir.Write("o.png", "old");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int nError = ReplaceFile(path, std::string(5000, 'x'));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    EXPECT_EQ(nError, EFBIG);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(FilesIn(dir), 1);
}
