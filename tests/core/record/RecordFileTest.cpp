#include "core/record/RecordFile.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/record/RecordBook.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {

class CCountingObserver : public CLoadObserver
{
public:
    std::string events;
    void OnLoadBegun() override { events += 'B'; }
    void OnLoadStepped() override { events += 's'; }
    void OnLoadEnded() override { events += 'E'; }
};

struct Fixture
{
    CTempDir dir;
    CRecordBook book;
    CRecordFile file;
};
} // namespace

TEST(RecordFile, LoadReportsBeginStepsAndEnd)
{
    Fixture f;
    CCountingObserver observer;
    ASSERT_TRUE(f.file.Load(f.dir.Write("u.ｷﾛｸ", Records(1, 30)), f.book, &observer).IsLoaded());
    EXPECT_EQ(f.file.GetLineCount(), 30);
    EXPECT_EQ(f.book.m_AlphList.size(), 30u);
    // q = i * 100 / 30 passes the progress 0, 4, ... 92 (it ends at 96): 24 steps.
    EXPECT_EQ(observer.events, "B" + std::string(24, 's') + "E");

    CCountingObserver few;
    CRecordBook book;
    ASSERT_TRUE(f.file.Load(f.dir.Write("v.ｷﾛｸ", Records(1, 3)), book, &few).IsLoaded());
    EXPECT_EQ(few.events, "BssE"); // at most one step a line
}

TEST(RecordFile, OddLengthsAndLineEnds)
{
    Fixture f;
    // A trailing partial record is ignored.
    ASSERT_TRUE(f.file.Load(f.dir.Write("a", Records(1, 3) + "A 2003"), f.book, nullptr).IsLoaded());
    EXPECT_EQ(f.file.GetLineCount(), 3);
    // LF-only: 45 bytes a record, so only length / 46 lines are read.
    CRecordBook lf;
    ASSERT_TRUE(f.file.Load(f.dir.Write("b", Records(1, 46, "\n")), lf, nullptr).IsLoaded());
    EXPECT_EQ(lf.m_AlphList.size(), 45u);
    // Mixed line ends: 45 + 46 + 45 bytes hold two whole records' worth, so the third line is left.
    CRecordBook mixed;
    ASSERT_TRUE(f.file.Load(f.dir.Write("c", Records(1, 1, "\n") + Records(2, 1) + Records(3, 1, "\n")), mixed, nullptr)
                    .IsLoaded());
    EXPECT_EQ(mixed.m_AlphList.size(), 2u);
    // An empty file and a file of line ends.
    CRecordBook empty;
    EXPECT_TRUE(f.file.Load(f.dir.Write("d", ""), empty, nullptr).IsLoaded());
    EXPECT_EQ(f.file.GetLineCount(), 0);
    std::string crlf;
    for (int i = 0; i < 46; ++i)
        crlf += "\r\n";
    EXPECT_EQ(f.file.Load(f.dir.Write("e", crlf), empty, nullptr).outcome, LoadOutcome::LineTooShort);
    EXPECT_EQ(f.file.Load(f.dir.Write("e", std::string(92, '\r') + std::string(92, '\n')), empty, nullptr).outcome,
              LoadOutcome::LineTooLong);
    EXPECT_EQ(f.file.Load(f.dir.Write("f", std::string(92, '\n')), empty, nullptr).outcome, LoadOutcome::LineTooShort);
    const LoadResult missing = f.file.Load(f.dir.File("missing"), empty, nullptr);
    EXPECT_EQ(missing.outcome, LoadOutcome::OpenError);
    EXPECT_EQ(missing.nErrno, ENOENT); // the system's reason comes with it
}

TEST(RecordFile, GarbageIsRefusedWithoutHoldingIt)
{
    Fixture f;
    std::string garbage(10 * 1024 * 1024, 'x'); // one 10 MB line
    EXPECT_EQ(f.file.Load(f.dir.Write("long", garbage), f.book, nullptr).outcome, LoadOutcome::LineTooLong);
    EXPECT_LT(f.file.GetBytesRead(), 1u << 20); // refused without reading to its end
    std::string nul = RecordLine('A', 2003, 5, 1, 1, 1) + "\r\n";
    nul[20] = '\0';
    EXPECT_EQ(f.file.Load(f.dir.Write("nul", nul), f.book, nullptr).outcome, LoadOutcome::BadFields);
    std::string binary;
    for (int i = 0; i < 46 * 100; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    EXPECT_FALSE(f.file.Load(f.dir.Write("bin", binary), f.book, nullptr).IsLoaded());
}

TEST(RecordFile, RefreshReadsOnlyAppendedWholeRecords)
{
    Fixture f;
    const std::string path = f.dir.Write("u", Records(1, 3));
    ASSERT_TRUE(f.file.Load(path, f.book, nullptr).IsLoaded());
    const auto bytesAfterLoad = f.file.GetBytesRead();

    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);
    EXPECT_EQ(f.file.GetBytesRead(), bytesAfterLoad); // unchanged: only its size was looked at

    f.dir.Write("u", Records(4, 1), true);
    auto r = f.file.Refresh(f.book);
    EXPECT_EQ(r.change, CRecordFile::Change::Appended);
    EXPECT_TRUE(r.result.IsLoaded());
    EXPECT_EQ(f.file.GetBytesRead() - bytesAfterLoad, 46u);
    EXPECT_EQ(f.file.GetLineCount(), 4);
    EXPECT_EQ(f.book.m_AlphList.size(), 4u);

    // Vesk is half way through a line: wait for the whole record.
    f.dir.Write("u", "A 2003-05-05", true);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);
    f.dir.Write("u", Records(5, 1).substr(12), true);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::Appended);
    EXPECT_EQ(f.book.m_AlphList.size(), 5u);

    f.dir.Write("u", RecordLine('x', 2003, 5, 6, 1, 1) + "\r\n", true);
    const LoadResult refused = f.file.Refresh(f.book).result;
    EXPECT_EQ(refused.outcome, LoadOutcome::BadCategory);
    EXPECT_EQ(refused.nLine, 6); // counted from the file's start, not from the refresh
}

TEST(RecordFile, AShrunkOrReplacedFileIsReadAgainFromTheStart)
{
    Fixture f;
    const std::string path = f.dir.Write("u", Records(1, 5));
    ASSERT_TRUE(f.file.Load(path, f.book, nullptr).IsLoaded());

    f.dir.Write("u", Records(10, 2));
    auto r = f.file.Refresh(f.book);
    EXPECT_EQ(r.change, CRecordFile::Change::Reloaded);
    EXPECT_TRUE(r.result.IsLoaded());
    ASSERT_EQ(f.book.m_AlphList.size(), 2u); // nothing of the first file is left
    EXPECT_EQ(f.book.m_AlphList.back().m_nBest, 100);
    EXPECT_EQ(f.file.GetLineCount(), 2);

    // Replaced by another file of the same or greater length.
    const std::string other = f.dir.Write("other", Records(20, 3));
    std::filesystem::rename(other, path);
    r = f.file.Refresh(f.book);
    EXPECT_EQ(r.change, CRecordFile::Change::Reloaded);
    EXPECT_EQ(f.book.m_AlphList.size(), 3u);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);

    // Gone for a while: skipped silently, then followed again.
    std::filesystem::rename(path, f.dir.File("away"));
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);
    std::filesystem::rename(f.dir.File("away"), path);
    f.dir.Write("u", Records(23, 1), true);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::Appended);
    EXPECT_EQ(f.book.m_AlphList.size(), 4u);
}

TEST(RecordFile, FilesThatHeldNoRecordsOrBrokeAreNotFollowed)
{
    Fixture f;
    const std::string path = f.dir.Write("u", "");
    ASSERT_TRUE(f.file.Load(path, f.book, nullptr).IsLoaded());
    f.dir.Write("u", Records(1, 1), true);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);

    ASSERT_TRUE(f.file.Load(path, f.book, nullptr).IsLoaded());
    f.file.StopWatching();
    f.dir.Write("u", Records(2, 1), true);
    EXPECT_EQ(f.file.Refresh(f.book).change, CRecordFile::Change::None);
}
