#include "framework/Archive.h"
#include "framework/Document.h"

#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A document whose content is one string.
class CTextDoc : public CDocument {
public:
    using CDocument::CDocument;
    void Serialize(CArchive& ar) override { ar.Exchange(m_strText); }
    std::string m_strText;

protected:
    void DeleteContents() override { m_strText.clear(); }
};

// Files may not grow past a few bytes while it lives: a stand-in for a full disk that holds
// even for root. The signal that would end the program is ignored meanwhile.
class CFileSizeLimit {
public:
    CFileSizeLimit() : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        rlimit small = m_oldLimit;
        small.rlim_cur = 16;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    ~CFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    void (*m_oldHandler)(int);
    rlimit m_oldLimit {};
};

std::string TextOf(CUi& ui, const std::string& path)
{
    CTextDoc doc(ui);
    EXPECT_TRUE(doc.OnOpenDocument(path));
    return doc.m_strText;
}

}  // namespace

TEST(Document, SaveAndOpenRoundTripAndClearModified)
{
    CTempDir dir;
    CScriptedUi ui;
    CTextDoc doc(ui);
    doc.m_strText = "hello";
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoSave(dir.File("a.doc")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "a.doc");

    CTextDoc other(ui);
    ASSERT_TRUE(other.OnOpenDocument(dir.File("a.doc")));
    EXPECT_EQ(other.m_strText, "hello");
}

TEST(Document, LoadFailuresShowTheTextForTheirCause)
{
    CTempDir dir;
    CScriptedUi ui;
    CTextDoc doc(ui);
    const std::string missing = dir.File("missing.doc");
    ui.ExpectMessage(missing + "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
    EXPECT_FALSE(doc.OnOpenDocument(missing));

    const auto truncated = dir.Write("t.doc", "\x05" "ab");
    ui.ExpectMessage("Unexpected file format.");
    EXPECT_FALSE(doc.OnOpenDocument(truncated));

    ui.ExpectMessage("Failed to open document.");
    EXPECT_FALSE(doc.OnOpenDocument(dir.Path()));
}

TEST(Document, SaveToReadOnlyFileIsRefusedAndKeepsTheOldBytes)
{
    CTempDir dir;
    const auto path = dir.Write("own/r.doc", "old");
    ::chmod(path.c_str(), 0444);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::GiveToUser(dir.File("own"));
    Unprivileged::GiveToUser(path);
    Unprivileged::Run([&] {
        CScriptedUi ui;
        CTextDoc doc(ui);
        doc.m_strText = "new";
        doc.SetModifiedFlag();
        ui.ExpectMessage("Unable to write to " + path + ", it is read-only or opened by someone else.");
        EXPECT_FALSE(doc.OnSaveDocument(path));
        EXPECT_TRUE(doc.IsModified());
    });
    EXPECT_EQ(CTempDir::Read(path), "old");
}

// Save goes through Save As exactly when the system refuses the write, whatever the mode bits
// say: root may write a file without write bits, and the user may not write root's file.
TEST(Document, SaveAsIsOfferedWhenTheSystemRefusesTheWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root and a second user";
    CTempDir dir;
    CScriptedUi ui;
    const auto bare = dir.Write("bare.doc", "old");
    ::chmod(bare.c_str(), 0444);
    CTextDoc doc(ui);
    doc.SetPathName(bare);
    doc.m_strText = "new";
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(TextOf(ui, bare), "new");

    const auto roots = dir.Write("roots.doc", "old");
    ::chmod(roots.c_str(), 0644);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::Run([&] {
        CScriptedUi childUi;
        CTextDoc other(childUi);
        other.SetPathName(roots);
        other.SetModifiedFlag();
        childUi.ExpectSaveFile("");
        EXPECT_FALSE(other.DoFileSave());
        EXPECT_TRUE(other.IsModified());
    });
    EXPECT_EQ(CTempDir::Read(roots), "old");
}

// A folder the user may not write to does not stop the save of a file the user may write; a
// save that still fails there says why and leaves the document modified and the file as it was.
TEST(Document, SaveInAFolderTheUserMayNotWriteToWritesTheFileInPlace)
{
    CTempDir dir;
    CScriptedUi ui;
    const auto path = dir.Write("shared/d.doc", "previous");
    ::chmod(dir.File("shared").c_str(), 0555);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::GiveToUser(path);
    Unprivileged::Run([&] {
        CScriptedUi childUi;
        CTextDoc doc(childUi);
        doc.SetPathName(path);
        doc.m_strText = "new";
        doc.SetModifiedFlag();
        EXPECT_TRUE(doc.DoFileSave());
        EXPECT_FALSE(doc.IsModified());

        doc.m_strText = std::string(4096, 'x');
        doc.SetModifiedFlag();
        childUi.ExpectMessage("Destination disk drive is full.");
        bool bSaved = true;
        {
            CFileSizeLimit limit;
            bSaved = doc.DoFileSave();
        }
        EXPECT_FALSE(bSaved);
        EXPECT_TRUE(doc.IsModified());
    });
    EXPECT_EQ(TextOf(ui, path), "new");
}

// The load and save failures that need an unreadable file, a full disk or a target that is
// no file, each through the document's own flow.
TEST(Document, UnreadableFileFullDiskAndFolderTargetShowTheirTexts)
{
    CTempDir dir;
    CScriptedUi ui;
    const auto unreadable = dir.Write("secret.doc", "\x02" "ab");
    ::chmod(unreadable.c_str(), 0);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::Run([&] {
        CScriptedUi childUi;
        CTextDoc doc(childUi);
        childUi.ExpectMessage("Unable to read from " + unreadable + ", it is opened by someone else.");
        EXPECT_FALSE(doc.OnOpenDocument(unreadable));
    });

    const auto path = dir.Write("full.doc", "\x03" "old");
    CTextDoc doc(ui);
    doc.SetPathName(path);
    doc.m_strText = std::string(4096, 'x');
    doc.SetModifiedFlag();
    ui.ExpectMessage("Destination disk drive is full.");
    bool bSaved = true;
    {
        CFileSizeLimit limit;
        bSaved = doc.DoFileSave();
    }
    EXPECT_FALSE(bSaved);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(TextOf(ui, path), "old");

    std::filesystem::create_directory(dir.File("folder.doc"));
    doc.SetPathName(dir.File("folder.doc"));
    ui.ExpectMessage("Failed to save document.");
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.doc")));
}

TEST(Document, SaveModifiedAsksAndFollowsTheAnswer)
{
    CTempDir dir;
    CScriptedUi ui;
    CTextDoc doc(ui);
    EXPECT_TRUE(doc.SaveModified()) << "an unchanged document is not asked about";

    doc.SetPathName(dir.File("m.doc"));
    doc.SetModifiedFlag();
    ui.ExpectMessage("Save changes to m.doc?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    EXPECT_FALSE(doc.SaveModified());
    ui.ExpectMessage("Save changes to m.doc?", MsgAnswer::No, MsgButtons::YesNoCancel);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(std::filesystem::exists(dir.File("m.doc")));

    // The file is gone, so Yes goes through Save As.
    ui.ExpectMessage("Save changes to m.doc?", MsgAnswer::Yes, MsgButtons::YesNoCancel);
    ui.ExpectSaveFile(dir.File("n.doc"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.GetPathName(), dir.File("n.doc"));
    EXPECT_FALSE(doc.IsModified());
}

TEST(Document, SaveAsCancelledSavesNothing)
{
    CScriptedUi ui;
    CTextDoc doc(ui);
    doc.SetModifiedFlag();
    ui.ExpectSaveFile("");
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
}

// Would fail if Save wrote over a file another program changed since the document read or saved
// it without asking, if No still wrote, or if a file another program removed sent the user
// through Save As instead of being written again where it was.
TEST(Document, SaveAsksBeforeWritingOverAnotherProgramsChangeAndWritesARemovedFileAgain)
{
    CTempDir dir;
    CScriptedUi ui;
    const std::string path = dir.Write("a.doc", "");
    CTextDoc doc(ui);
    doc.m_strText = "first";
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_EQ(doc.GetDiskChange(), CDocument::DiskChange::None) << "its own save is no change";

    dir.Write("a.doc", "the other program's version");
    EXPECT_EQ(doc.GetDiskChange(), CDocument::DiskChange::Changed);
    const std::string question = "" + path +
                                 "\nThis file has been changed by another program since Ondrik opened or saved it.\n"
                                 "Do you want to save it anyway, replacing the other program's version?";
    doc.m_strText = "mine";
    ui.ExpectMessage(question, MsgAnswer::No, MsgButtons::YesNo);
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(CTempDir::Read(path), "the other program's version");
    ui.ExpectMessage(question, MsgAnswer::Yes, MsgButtons::YesNo);
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(TextOf(ui, path), "mine");
    EXPECT_TRUE(doc.DoFileSave()) << "saved: no question again";

    std::filesystem::remove(path);
    EXPECT_EQ(doc.GetDiskChange(), CDocument::DiskChange::Removed);
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(TextOf(ui, path), "mine");
    EXPECT_EQ(doc.GetPathName(), path);
}
