// The recovery files and their folder: every byte of a document comes back, what a session that
// ended badly left is found once, what a running session keeps is never offered, and a file that
// cannot be read is kept where the user can find it.
#include "framework/RecoveryRecord.h"
#include "framework/RecoveryStore.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

CRecoveryRecord Record(const std::string& path, const std::string& title)
{
    CRecoveryRecord record;
    record.strDocType = "JavaDocument";
    record.strPath = path;
    record.strTitle = title;
    if (!path.empty())
        record.fileStamp = {true, 2049, 1835, 120, 1'700'000'000'123'456'789};
    return record;
}

// Writes a document's file in the store's session as the program does, dated nSecond so the
// files have an order.
std::string WriteDocument(CRecoveryStore& store, const std::string& title, const std::string& text, int nSecond)
{
    const std::string file = store.NewDocumentFile();
    EXPECT_EQ(FileIo::WriteFileReplacing(file, Record("", title).Encode(text)), FileIo::FileStatus::Ok);
    const timespec times[2] = {{nSecond, 0}, {nSecond, 0}};
    ::utimensat(AT_FDCWD, file.c_str(), times, 0);
    return file;
}

std::vector<std::string> TitlesOf(const CRecoveryStore::CFindings& found)
{
    std::vector<std::string> titles;
    for (const auto& leftOver : found.documents)
        titles.push_back(leftOver.record.strTitle + "=" + leftOver.record.strText);
    return titles;
}

}  // namespace

// Would fail on a layout that loses or mangles a byte of a path, a title or the text (line
// breaks, NULs, bytes that are not UTF-8, text that looks like a field), or that takes a file cut
// short anywhere, or with bytes after its end, for a whole record.
TEST(RecoveryRecord, EveryByteComesBackAndOnlyAWholeRecordIsTaken)
{
    const struct {
        std::string path;
        std::string title;
        std::string text;
    } cases[] = {
        {"", "JavaDocument1", ""},
        {"/p/a\nb.java", "a\nb.java", std::string("x\r\n\0y\n\r", 7)},
        {"/p/text 3:abc", "t", "stamp 0\ntext 5:abcde"},
        {"/p/\xff.html", "\xff.html", "caf\xe9\t<p>"},
    };
    for (const auto& each : cases) {
        const CRecoveryRecord record = Record(each.path, each.title);
        const auto decoded = CRecoveryRecord::Decode(record.Encode(each.text));
        ASSERT_TRUE(decoded) << each.title;
        EXPECT_EQ(decoded->strDocType, "JavaDocument");
        EXPECT_EQ(decoded->strPath, each.path);
        EXPECT_EQ(decoded->strTitle, each.title);
        EXPECT_EQ(decoded->fileStamp, record.fileStamp);
        EXPECT_EQ(decoded->strText, each.text);
    }

    const std::string whole = Record("/p/A.java", "A.java").Encode("class A {}\n");
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(CRecoveryRecord::Decode(whole.substr(0, n))) << "cut after " << n << " bytes";
    EXPECT_FALSE(CRecoveryRecord::Decode(whole + "x"));
    std::string otherFormat = whole;
    otherFormat.replace(otherFormat.find(" 1\n"), 3, " 2\n");
    EXPECT_FALSE(CRecoveryRecord::Decode(otherFormat));
}

// Would fail if a running session's files were offered (two IDEs at once), if a second start at
// the same time were offered the same left-overs, if adopting or discarding lost or kept the
// wrong file, or if a clean end left its folder behind.
TEST(RecoveryStore, OnlyWhatEndedSessionsLeftIsOfferedAndOnlyOnce)
{
    CTempDir dir;
    const std::string folder = dir.File("state/Kestrune/Ondrik/recovery");
    CRecoveryStore running(folder);
    ASSERT_EQ(running.OpenSession(), FileIo::FileStatus::Ok);
    WriteDocument(running, "Running", "still open", 1);
    std::string crashedFolder;
    {
        // Ends without closing its session, as a killed program does: the system lets go of the lock.
        CRecoveryStore crashed(folder);
        ASSERT_EQ(crashed.OpenSession(), FileIo::FileStatus::Ok);
        crashedFolder = crashed.SessionFolder();
        WriteDocument(crashed, "Second", "two", 30);
        WriteDocument(crashed, "First", "one", 20);
    }

    CRecoveryStore next(folder);
    CRecoveryStore::CFindings found = next.FindLeftOvers();
    EXPECT_EQ(TitlesOf(found), (std::vector<std::string> {"First=one", "Second=two"})) << "oldest first";
    EXPECT_TRUE(found.unreadable.empty());
    CRecoveryStore sameTime(folder);
    EXPECT_TRUE(sameTime.FindLeftOvers().documents.empty()) << "the first start holds them";

    const std::string adopted = next.Adopt(found.documents[0].strFile);
    ASSERT_FALSE(adopted.empty());
    EXPECT_EQ(adopted.rfind(next.SessionFolder() + "/", 0), 0u) << adopted;
    EXPECT_EQ(CRecoveryRecord::Decode(CTempDir::Read(adopted))->strText, "one");
    next.Discard(found.documents[1].strFile);
    next.ReleaseLeftOvers();
    EXPECT_FALSE(std::filesystem::exists(crashedFolder)) << "an emptied session folder goes";

    const std::string runningFolder = running.SessionFolder();
    running.CloseSession(false);
    EXPECT_FALSE(std::filesystem::exists(runningFolder));
    const std::string nextFolder = next.SessionFolder();
    next.CloseSession(true);
    EXPECT_TRUE(std::filesystem::exists(adopted)) << "kept for the next start";
    CRecoveryStore later(folder);
    EXPECT_EQ(TitlesOf(later.FindLeftOvers()), std::vector<std::string> {"First=one"});
    EXPECT_EQ(nextFolder, Paths::FolderOf(adopted));
}

// Would fail if a recovery file that cannot be read were deleted, left to be offered at every
// start, or not named: it is moved aside into the recovery folder, bytes unchanged.
TEST(RecoveryStore, AFileThatCannotBeReadIsKeptAsideAndNamed)
{
    CTempDir dir;
    const std::string folder = dir.File("recovery");
    std::string broken;
    {
        CRecoveryStore crashed(folder);
        ASSERT_EQ(crashed.OpenSession(), FileIo::FileStatus::Ok);
        WriteDocument(crashed, "Good", "fine", 1);
        broken = crashed.NewDocumentFile();
        ASSERT_EQ(FileIo::WriteFileReplacing(broken, "Ondrik recovery 1\ntype 12:JavaDoc"), FileIo::FileStatus::Ok);
    }
    CRecoveryStore next(folder);
    const CRecoveryStore::CFindings found = next.FindLeftOvers();
    EXPECT_EQ(TitlesOf(found), std::vector<std::string> {"Good=fine"});
    ASSERT_EQ(found.unreadable.size(), 1u);
    EXPECT_EQ(found.unreadable[0].first, broken);
    const std::string keptAs = found.unreadable[0].second;
    EXPECT_EQ(Paths::FolderOf(keptAs), folder);
    EXPECT_EQ(CTempDir::Read(keptAs), "Ondrik recovery 1\ntype 12:JavaDoc");
    EXPECT_FALSE(std::filesystem::exists(broken));
    next.ReleaseLeftOvers();
    CRecoveryStore later(folder);
    EXPECT_TRUE(later.FindLeftOvers().unreadable.empty()) << "named once, not at every start";
}
