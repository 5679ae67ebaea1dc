#include "gui/record/Norv2Doc.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/record/RecordSession.h"
#include "tests/support/RecordLines.h"
#include "tests/support/TempDir.h"

namespace {

// A document with a message recorder and a spy on every signal, and the session that
// records and reports what the document says.
class Norv2DocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetMessageBoxRecorder([this](const MessageBoxCall& call) {
            m_messages.push_back(call.nID ? std::to_string(call.nID) : call.strText);
            return IDOK;
        });
    }
    void TearDown() override { SetMessageBoxRecorder({}); }

    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    CTempDir m_dir;
    CNorv2Doc m_doc;
    CRecordSession m_session{m_doc, m_settings};
    std::vector<std::string> m_messages;
    QSignalSpy m_begun{&m_doc, &CNorv2Doc::loadBegun};
    QSignalSpy m_stepped{&m_doc, &CNorv2Doc::loadStepped};
    QSignalSpy m_ended{&m_doc, &CNorv2Doc::loadEnded};
    QSignalSpy m_appended{&m_doc, &CNorv2Doc::recordsAppended};
    QSignalSpy m_updated{&m_doc, &CNorv2Doc::updateAllViews};
    QSignalSpy m_opened{&m_doc, &CNorv2Doc::opened};
    QSignalSpy m_rejected{&m_doc, &CNorv2Doc::rejected};
    QSignalSpy m_sessionOpened{&m_session, &CRecordSession::opened};
    QSignalSpy m_sessionRejected{&m_session, &CRecordSession::rejected};
};

const std::string kBroken = "選択されたファイルが壊れています\n初期状態に戻します";
} // namespace

TEST_F(Norv2DocTest, OpeningAFileStoresItsUserAndDirectory)
{
    const std::string path = m_dir.Write("たろう.ｷﾛｸ", Records(1, 10));
    ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(path)));
    EXPECT_EQ(m_begun.count(), 1);
    EXPECT_GT(m_stepped.count(), 0);
    EXPECT_EQ(m_ended.count(), 1);
    EXPECT_EQ(m_setting.m_strUserName, "たろう");
    EXPECT_EQ(m_setting.m_strVeskDir, path.substr(0, path.size() - std::string("たろう.ｷﾛｸ").size()));
    EXPECT_EQ(m_doc.CountPeriods(Category::Alph, Scale::Daily), 10);
    EXPECT_TRUE(m_messages.empty());
    ASSERT_EQ(m_opened.count(), 1);
    EXPECT_EQ(m_opened.at(0).at(0).toString(), QString::fromStdString(path));
    ASSERT_EQ(m_sessionOpened.count(), 1); // once the settings name the user
    EXPECT_EQ(m_sessionOpened.at(0).at(0).toString(), QString::fromStdString(path));

    EXPECT_FALSE(m_doc.OnOpenDocument(QString::fromStdString(m_dir.File("missing.ｷﾛｸ"))));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(Norv2DocTest, AFileThatCannotBeReadLeavesTheOpenOneAsItWas)
{
    const std::string path = m_dir.Write("たろう.ｷﾛｸ", Records(1, 10));
    ASSERT_EQ(m_session.OpenNamed(QString::fromStdString(path)), OpenOutcome::Opened);
    QSignalSpy opening(&m_session, &CRecordSession::opening);
    // Chosen in the dialog or the user selector, yet gone: said so, and nothing else changes.
    EXPECT_EQ(m_session.OpenChosen(QString::fromStdString(m_dir.File("gone.ｷﾛｸ"))), OpenOutcome::Unreadable);
    EXPECT_EQ(m_messages, (std::vector<std::string>{"10010"}));
    EXPECT_EQ(opening.count(), 0);
    EXPECT_EQ(m_doc.GetPathName(), QString::fromStdString(path));
    EXPECT_EQ(m_doc.CountPeriods(Category::Alph, Scale::Daily), 10);
    EXPECT_EQ(m_setting.m_strUserName, "たろう");
    // Named on the command line or remembered: silently passed over, and the user forgotten.
    EXPECT_EQ(m_session.OpenNamed(QString::fromStdString(m_dir.File("gone.ｷﾛｸ"))), OpenOutcome::Unreadable);
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_setting.m_strUserName, "");
    EXPECT_EQ(m_setting.m_strVeskDir, "");
}

TEST_F(Norv2DocTest, ABrokenFileIsReportedAndResetsTheViewer)
{
    m_setting.m_strUserName = "before";
    const std::string path = m_dir.Write("u.ｷﾛｸ", Records(1, 2) + RecordLine('?', 2003, 5, 3, 1, 1) + "\r\n");
    EXPECT_EQ(m_session.OpenNamed(QString::fromStdString(path)), OpenOutcome::Rejected);
    EXPECT_EQ(m_messages, (std::vector<std::string>{"10003", kBroken}));
    EXPECT_TRUE(m_doc.IsCategoryEmpty(Category::Alph));
    ASSERT_EQ(m_rejected.count(), 1);
    // The document only says why, and on which line; the session chose the message.
    const auto refused = m_rejected.at(0).at(0).value<LoadResult>();
    EXPECT_EQ(refused.outcome, LoadOutcome::BadCategory);
    EXPECT_EQ(refused.nLine, 3);
    ASSERT_EQ(m_sessionRejected.count(), 1);
    EXPECT_EQ(m_sessionRejected.at(0).at(0).value<LoadOutcome>(), LoadOutcome::BadCategory);
    EXPECT_EQ(m_opened.count(), 0);
    EXPECT_EQ(m_sessionOpened.count(), 0);
    EXPECT_EQ(m_ended.count(), 1); // from the reset, not from the load
    EXPECT_EQ(m_setting.m_strUserName, "");
    EXPECT_EQ(m_setting.m_strVeskDir, "");
    EXPECT_EQ(m_doc.GetPathName(), QString::fromStdString(path));
}

TEST_F(Norv2DocTest, RefreshTellsTheWindowsAboutNewRecordsOnly)
{
    const std::string path = m_dir.Write("u.ｷﾛｸ", Records(1, 2));
    ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(path)));
    m_doc.Refresh();
    EXPECT_EQ(m_updated.count(), 0);
    m_dir.Write("u.ｷﾛｸ", Records(3, 1), true);
    QSignalSpy sessionAppended(&m_session, &CRecordSession::appended);
    QSignalSpy sessionReloaded(&m_session, &CRecordSession::reloaded);
    m_doc.Refresh();
    EXPECT_EQ(m_updated.count(), 1);
    EXPECT_EQ(m_appended.count(), 1);
    EXPECT_EQ(m_doc.CountPeriods(Category::Alph, Scale::Daily), 3);
    EXPECT_EQ(sessionAppended.count(), 1);
    EXPECT_EQ(sessionReloaded.count(), 0);

    // Replaced by a shorter file: read again, and the windows told as for appended records.
    m_dir.Write("u.ｷﾛｸ", Records(20, 1));
    m_doc.Refresh();
    EXPECT_EQ(m_appended.count(), 2);
    EXPECT_EQ(m_doc.CountPeriods(Category::Alph, Scale::Daily), 1);
    EXPECT_EQ(sessionAppended.count(), 2);
    EXPECT_EQ(sessionReloaded.count(), 1);
}

TEST_F(Norv2DocTest, ABrokenAppendedLineIsReportedOnce)
{
    const std::string path = m_dir.Write("u.ｷﾛｸ", Records(1, 2));
    ASSERT_TRUE(m_doc.OnOpenDocument(QString::fromStdString(path)));
    m_dir.Write("u.ｷﾛｸ", std::string(44, 'x') + "\r\n", true);
    m_doc.Refresh();
    m_doc.Refresh();
    EXPECT_EQ(m_messages, (std::vector<std::string>{"10004", kBroken}));
    EXPECT_EQ(m_sessionRejected.count(), 1);
    EXPECT_TRUE(m_doc.IsCategoryEmpty(Category::Alph));
    EXPECT_EQ(m_updated.count(), 0);
}
