#include "core/base/ReplaceFile.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

TEST(ReplaceFile, AReplacedFileKeepsItsPermissions)
{
    CTempDir dir;
    const std::string path = dir.Write("Norv2.conf", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(ReplaceFile(path, "new"), 0);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(dir.Read("Norv2.conf"), "new");
}

TEST(ReplaceFile, AnotherUsersLinkInAStickyFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    CTempDir dir;
    const std::string theirs = dir.Write("theirs", "their data");
    ASSERT_EQ(::mkdir(dir.File("tmp").c_str(), 0), 0);
    ASSERT_EQ(::chmod(dir.File("tmp").c_str(), 01777), 0);
    const std::string link = dir.File("tmp/chart.png");
    ASSERT_EQ(::symlink(theirs.c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);
    EXPECT_EQ(ReplaceFile(link, "png"), EACCES);
    EXPECT_EQ(dir.Read("theirs"), "their data");

    // The same link of one's own leads to its file.
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    EXPECT_EQ(ReplaceFile(link, "png"), 0);
    EXPECT_EQ(dir.Read("theirs"), "png");
}

TEST(ReplaceFile, AFileBeyondTheSizeLimitFailsAndLeavesNoTemporaryFile)
{
    CTempDir dir;
    const std::string path = dir.Write("o.png", "old");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit small{1000, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int nError = ReplaceFile(path, std::string(5000, 'x'));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    EXPECT_EQ(nError, EFBIG);
    EXPECT_EQ(dir.Read("o.png"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}), 1);
}
