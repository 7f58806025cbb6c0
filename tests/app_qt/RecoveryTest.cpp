// Unsaved work kept against a crash, in the program as the user has it: the recovery file
// follows each document, a killed program's documents come back at the next start, and what
// goes wrong with the recovery folder is said, without losing anything.
#include "IdeDriverProcess.h"
#include "QuarnelAppFixture.h"

#include "app/qt/RecoveryManager.h"
#include "editor/TextDocument.h"
#include "editor/qt/TextEditView.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/RecoveryRecord.h"
#include "framework/RecoveryStore.h"

#include "support/TempDir.h"

#include <Qsci/qsciscintilla.h>

#include <filesystem>

namespace {

using namespace std::chrono_literals;

class RecoveryTest : public QuarnelAppTest {
protected:
    RecoveryTest() { m_strRecoveryFolder = m_home.RecoveryFolder(); }

    CRecoveryManager& Recovery() const { return *m_app->GetRecovery(); }

    CTextEditView* ActiveView() const
    {
        CMDIChildWnd* frame = m_app->GetMainWnd()->GetActiveFrame();
        return frame != nullptr ? dynamic_cast<CTextEditView*>(frame->GetActiveView()) : nullptr;
    }

    // The document's recovery file once written and on disk.
    std::string WrittenFile(const CDocument& doc) const
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Recovery().FileOf(doc).empty(); }, 5000));
        EXPECT_TRUE(Recovery().WaitForWrites(10s));
        return Recovery().FileOf(doc);
    }

    static std::string Question(const std::string& list)
    {
        std::string text = CRecoveryManager::kRestoreQuestion;
        return text.replace(text.find("%1"), 2, list);
    }

    // What the recovery folder holds, by name.
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(m_home.RecoveryFolder(), ec))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

}  // namespace

// Would fail if a keystroke wrote the file at once, if the file held anything but the editor's
// text, or if a file stayed behind after Save, after Undo back to the saved text, after closing
// without saving, or after the user exits.
TEST_F(RecoveryTest, RecoveryFileFollowsTheDocumentUntilSavedClosedOrExited)
{
    const std::string path = m_home.Dir().Write("src/Hello.java", "class Hello {\r\n}\r\n");
    Start();
    Recovery().SetDelays(30ms, 5s);
    auto* java = OpenView<CTextEditView>(path);
    ASSERT_NE(java, nullptr);
    CTextDocument& javaDoc = *java->GetTextDocument();
    QTest::keyClicks(java->GetEditor(), "int x;");
    EXPECT_EQ(Recovery().FileOf(javaDoc), "") << "typing writes nothing at once";
    std::string file = WrittenFile(javaDoc);
    const auto record = CRecoveryRecord::Decode(CTempDir::Read(file));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->strPath, path);
    EXPECT_EQ(record->strText, java->GetText());

    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    ASSERT_TRUE(Recovery().WaitForWrites(10s));
    EXPECT_FALSE(std::filesystem::exists(file)) << "saved";

    QTest::keyClicks(java->GetEditor(), "y");
    file = WrittenFile(javaDoc);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_UNDO));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Recovery().FileOf(javaDoc).empty(); }, 5000));
    ASSERT_TRUE(Recovery().WaitForWrites(10s));
    EXPECT_FALSE(std::filesystem::exists(file)) << "undone back to the saved text";

    ASSERT_TRUE(m_app->OpenNewDocumentOfType("HTMLDocument"));
    CTextEditView* page = ActiveView();
    QTest::keyClicks(page->GetEditor(), "<p>");
    file = WrittenFile(*page->GetTextDocument());
    m_ui.ExpectMessage("Save changes to HTMLDocument1?", MsgAnswer::No, MsgButtons::YesNoCancel);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_CLOSE));
    ASSERT_TRUE(Recovery().WaitForWrites(10s));
    EXPECT_FALSE(std::filesystem::exists(file)) << "closed without saving";

    QTest::keyClicks(java->GetEditor(), "z");
    file = WrittenFile(javaDoc);
    m_ui.ExpectMessage("Save changes to Hello.java?", MsgAnswer::No, MsgButtons::YesNoCancel);
    m_app->GetMainWnd()->close();
    m_app.reset();
    EXPECT_EQ(FolderEntries(), std::vector<std::string> {}) << "a clean exit leaves nothing";
}

// Would fail if what a killed program held were lost or changed by a byte, if the file on disk
// were touched, if a document never saved came back with a path, or if a restored document were
// not modified. The program is a process of its own, killed by SIGKILL while two documents have
// changes, one of them never saved.
TEST_F(RecoveryTest, KilledProgramsDocumentsComeBackByteForByte)
{
    const std::string original = "package demo;\r\n\r\npublic class Hello {\r\n}\r\n";
    const std::string path = m_home.Dir().Write("src/Hello.java", original);
    {
        CIdeDriverProcess killed;
        ASSERT_TRUE(killed.Start({"open=" + path, "type=// \xc3\xa9t\xc3\xa9\\n\tint[] xs = {1, 2};\\n", "kept",
                                  "new=HTMLDocument", "type=<p>Caf\xc3\xa9 & \"more\"</p>\\n<!-- x -->", "kept"}));
        ASSERT_TRUE(killed.WaitReady()) << killed.Output();
        ASSERT_EQ(::kill(killed.Pid(), SIGKILL), 0);
        EXPECT_EQ(killed.WaitForExit(30s), 128 + SIGKILL);
        const auto docs = killed.Documents();
        ASSERT_EQ(docs.size(), 2u) << killed.Output();
        EXPECT_EQ(killed.Output().find("box:"), std::string::npos) << killed.Output();
        EXPECT_EQ(CTempDir::Read(path), original);

        m_ui.ExpectMessage(Question("  " + path + "\n  HTMLDocument1 (never saved)\n"), MsgAnswer::Yes, MsgButtons::YesNoCancel);
        Start();
        ASSERT_EQ(m_app->GetDocManager().GetDocuments().size(), 2u);
        for (CDocument* doc : m_app->GetDocManager().GetDocuments()) {
            auto* text = dynamic_cast<CTextDocument*>(doc);
            ASSERT_NE(text, nullptr);
            const auto kept = std::find_if(docs.begin(), docs.end(),
                                           [&](const auto& each) { return each.strPath == doc->GetPathName(); });
            ASSERT_NE(kept, docs.end()) << doc->GetPathName();
            EXPECT_EQ(text->GetText(), kept->strText) << doc->GetTitle();
            EXPECT_TRUE(doc->IsModified()) << doc->GetTitle();
            if (doc->GetPathName().empty()) {
                EXPECT_EQ(doc->GetTitle(), "HTMLDocument1");
                EXPECT_EQ(doc->GetDocTemplate()->GetDocString(CDocTemplate::docName), "HTMLDocument");
            }
        }
    }
    EXPECT_EQ(CTempDir::Read(path), original) << "untouched until the user saves";

    // The restored changes are one step that Undo takes back to what the file holds.
    m_app->GetDocManager().ActivateFrame(*m_app->OpenDocumentFile(path));
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_UNDO));
    EXPECT_EQ(ActiveView()->GetText(), original);
    EXPECT_FALSE(ActiveView()->GetDocument()->IsModified());
}

// Would fail if Cancel lost the left-overs instead of keeping them for the next start, or if No
// kept offering them.
TEST_F(RecoveryTest, CancelKeepsWhatWasLeftForTheNextStartAndNoDiscardsIt)
{
    const std::string path = m_home.Dir().Write("Page.html", "<p>\n");
    Start();
    QTest::keyClicks(OpenView<CTextEditView>(path)->GetEditor(), "new ");
    Recovery().KeepAllForNextStart();
    m_app.reset();

    const std::string question = Question("  " + path + "\n");
    m_ui.ExpectMessage(question, MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    Start();
    EXPECT_EQ(WindowCount(), 0u);
    m_app.reset();
    m_ui.ExpectMessage(question, MsgAnswer::No, MsgButtons::YesNoCancel);
    Start();
    EXPECT_EQ(WindowCount(), 0u);
    m_app.reset();
    Start();
    EXPECT_TRUE(m_ui.AllAnswered()) << "nothing left to offer";
    EXPECT_EQ(CTempDir::Read(path), "<p>\n");
}

// Would fail if a recovery file that cannot be read were deleted, or kept without a word.
TEST_F(RecoveryTest, AnUnreadableRecoveryFileIsKeptAsideAndNamed)
{
    const std::string garbage("Ondrik recovery 1\ntype 12:JavaDoc\0\xff", 34);
    m_home.Dir().Write("state/Kestrune/Ondrik/recovery/session-Crash1/doc-1.rec", garbage);
    const std::string keptAs = m_home.RecoveryFolder() + "/unreadable-session-Crash1-doc-1.rec";
    std::string message = CRecoveryManager::kUnreadableMessage;
    m_ui.ExpectMessage(message.replace(message.find("%1"), 2, "  " + keptAs + "\n"));
    Start();
    EXPECT_EQ(CTempDir::Read(keptAs), garbage);
}

// Would fail if a recovery folder that cannot be written stopped the editing, went unsaid, or
// were said again at every write.
TEST_F(RecoveryTest, ARecoveryFolderThatCannotBeWrittenIsSaidOnceAndEditingGoesOn)
{
    m_home.Dir().Write("blocked", "a file where the state folder should be");
    m_strRecoveryFolder = m_home.Dir().File("blocked/recovery");
    const std::string path = m_home.Dir().Write("A.java", "class A {}\n");
    Start();
    Recovery().SetDelays(10ms, 1s);
    auto* java = OpenView<CTextEditView>(path);
    std::string warning = CRecoveryManager::kCannotWriteWarning;
    m_ui.ExpectMessage(warning.replace(warning.find("%1"), 2, m_strRecoveryFolder));
    QTest::keyClicks(java->GetEditor(), "x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_ui.AllAnswered(); }, 5000));

    ASSERT_TRUE(m_app->OpenNewDocumentOfType("JavaDocument"));
    QTest::keyClicks(ActiveView()->GetEditor(), "y");
    Recovery().WriteNow(*ActiveView()->GetTextDocument());
    EXPECT_EQ(ActiveView()->GetText(), "y");
    EXPECT_EQ(java->GetText(), "xclass A {}\n");
    EXPECT_TRUE(java->GetDocument()->IsModified());
}
