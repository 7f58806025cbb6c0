#include "framework/Archive.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/qt/DocManager.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"
#include "framework/qt/QtUi.h"
#include "framework/qt/View.h"
#include "framework/qt/WinApp.h"

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kTextMenu = 200;
constexpr int kDataMenu = 201;
constexpr int kDisabledCommand = 40001;
constexpr int kViewCommand = 40002;

class CTextDoc : public CDocument {
public:
    using CDocument::CDocument;
    void Serialize(CArchive& ar) override { ar.Exchange(m_strText); }
    std::string m_strText;
};

class CTextView : public CView {
public:
    CTextView(CDocument& doc, int& counter) : CView(doc)
    {
        OnCommand(kViewCommand, [&counter] { ++counter; });
    }
};

class CTestApp : public CWinApp {
public:
    explicit CTestApp(CUi& ui) : CWinApp(ui)
    {
        CResources& res = GetResources();
        res.AddString(128, "Ondrik");
        res.AddMenu(128, {MenuPopup("&File", {MenuCommand(Cmd::ID_FILE_OPEN, "&Open...\tCtrl+O")})});
        res.AddMenu(kTextMenu, {MenuPopup("&File", {MenuCommand(Cmd::ID_FILE_SAVE, "&Save\tCtrl+S")}),
                                MenuPopup("&Edit", {MenuCommand(kDisabledCommand, "Never"),
                                                    MenuCommand(kViewCommand, "View command\tCtrl+K")})});
        res.AddMenu(kDataMenu, {MenuPopup("&Data", {MenuCommand(Cmd::ID_FILE_SAVE, "&Save")})});
        res.AddAccelerators(kTextMenu, {{"Ctrl+K", kViewCommand}});
        OnCommand(kDisabledCommand, [this] { ++m_nDisabledRuns; });
        OnUpdateUI(kDisabledCommand, [](CCmdUI& ui) { ui.Enable(false); });

        AddType(kTextMenu, "\nTextDoc\nText\nText Files (*.txt)\n.txt\nText.Document\nText Document");
        AddType(kDataMenu, "\nDataDoc\nData\nData Files (*.dat)\n.dat\nData.Document\nData Document");
        SetMainWnd(std::make_unique<CMDIFrameWnd>(*this));
        GetMainWnd()->LoadFrame(128);
        GetMainWnd()->resize(800, 600);
        GetMainWnd()->show();
    }
    ~CTestApp() override { DestroyMainWnd(); }

    int m_nDisabledRuns = 0;
    int m_nViewRuns = 0;

private:
    void AddType(int id, const char* description)
    {
        GetDocManager().AddDocTemplate(std::make_unique<CDocTemplate>(
            id, description, [this] { return std::make_unique<CTextDoc>(GetUi()); },
            [this](CDocument& doc) {
                auto* frame = new CMDIChildWnd(GetDocManager(), doc);
                frame->SetView(new CTextView(doc, m_nViewRuns));
                return frame;
            }));
    }
};

class DocManagerTest : public ::testing::Test {
protected:
    CDocManager& Docs() { return m_app.GetDocManager(); }
    std::string WriteDoc(const char* name, const std::string& text)
    {
        CArchive ar;
        ar.WriteString(text);
        return m_dir.Write(name, ar.Bytes());
    }

    CTempDir m_dir;
    CScriptedUi m_ui;
    CTestApp m_app{m_ui};
};

}  // namespace

TEST_F(DocManagerTest, OpeningAnOpenDocumentActivatesItInsteadOfOpeningItTwice)
{
    CDocument* a = Docs().OpenDocumentFile(WriteDoc("a.txt", "alpha"));
    CDocument* b = Docs().OpenDocumentFile(WriteDoc("b.txt", "beta"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(m_app.GetMainWnd()->GetActiveFrame()->GetDocument(), b);
    EXPECT_EQ(Docs().OpenDocumentFile(m_dir.File("a.txt")), a);
    EXPECT_EQ(Docs().GetDocuments().size(), 2u);
    EXPECT_EQ(m_app.GetMainWnd()->GetActiveFrame()->GetDocument(), a);
    EXPECT_EQ(static_cast<CTextDoc*>(a)->m_strText, "alpha");
    EXPECT_EQ(Docs().GetRecentFiles()[0], m_dir.File("b.txt")) << "activating is not opening again";
}

TEST_F(DocManagerTest, TypeChosenByExtensionWithoutRegardToCaseOtherwiseTheFirst)
{
    CDocument* data = Docs().OpenDocumentFile(WriteDoc("x.DAT", "d"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetDocTemplate()->GetDocString(CDocTemplate::docName), "DataDoc");
    CDocument* other = Docs().OpenDocumentFile(WriteDoc("x.zzz", "z"));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->GetDocTemplate()->GetDocString(CDocTemplate::docName), "TextDoc");
}

TEST_F(DocManagerTest, FailedOpenShowsTheMessageAndLeavesNothingOpen)
{
    const std::string missing = m_dir.File("none.txt");
    m_ui.ExpectMessage(missing + "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
    EXPECT_EQ(Docs().OpenDocumentFile(missing), nullptr);
    EXPECT_TRUE(Docs().GetDocuments().empty());
    EXPECT_TRUE(m_app.GetMainWnd()->GetMdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(Docs().GetRecentFiles().GetSize(), 0);
}

TEST_F(DocManagerTest, UntitledDocumentsAreNumberedPerType)
{
    auto templates = Docs().GetTemplates();
    EXPECT_EQ(Docs().OpenNewDocument(*templates[0])->GetTitle(), "TextDoc1");
    EXPECT_EQ(Docs().OpenNewDocument(*templates[0])->GetTitle(), "TextDoc2");
    EXPECT_EQ(Docs().OpenNewDocument(*templates[1])->GetTitle(), "DataDoc1");
    EXPECT_EQ(m_app.GetMainWnd()->GetActiveFrame()->windowTitle(), "DataDoc1");
}

TEST_F(DocManagerTest, ClosingTheLastWindowAsksToSaveAndCancelKeepsIt)
{
    CDocument* doc = Docs().OpenNewDocument(*Docs().GetTemplates()[0]);
    doc->SetModifiedFlag();
    CMDIChildWnd* second = Docs().NewWindow(*doc);
    ASSERT_EQ(Docs().FramesOf(*doc).size(), 2u);
    EXPECT_EQ(second->windowTitle(), "TextDoc1:2 *");

    EXPECT_TRUE(second->close()) << "another window still shows the document: no question";
    QApplication::processEvents();
    ASSERT_EQ(Docs().FramesOf(*doc).size(), 1u);
    CMDIChildWnd* last = Docs().FramesOf(*doc).front();
    EXPECT_EQ(last->windowTitle(), "TextDoc1 *");

    m_ui.ExpectMessage("Save changes to TextDoc1?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    EXPECT_FALSE(last->close());
    EXPECT_EQ(Docs().GetDocuments().size(), 1u);

    m_ui.ExpectMessage("Save changes to TextDoc1?", MsgAnswer::No, MsgButtons::YesNoCancel);
    EXPECT_TRUE(last->close());
    EXPECT_TRUE(Docs().GetDocuments().empty());
}

TEST_F(DocManagerTest, SaveAllByTypeStopsWithinATypeAtTheFirstRefusal)
{
    auto templates = Docs().GetTemplates();
    CDocument* t1 = Docs().OpenNewDocument(*templates[0]);
    CDocument* t2 = Docs().OpenNewDocument(*templates[0]);
    CDocument* d1 = Docs().OpenNewDocument(*templates[1]);
    for (CDocument* doc : {t1, t2, d1})
        doc->SetModifiedFlag();
    m_ui.ExpectMessage("Save changes to TextDoc1?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    m_ui.ExpectMessage("Save changes to DataDoc1?", MsgAnswer::No, MsgButtons::YesNoCancel);
    Docs().SaveAllByType();

    m_ui.ExpectMessage("Save changes to TextDoc1?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    EXPECT_FALSE(Docs().SaveAllModified()) << "closing the program stops at the first refusal";
}

TEST_F(DocManagerTest, MenusAndKeysFollowTheActiveDocumentType)
{
    CMDIFrameWnd* main = m_app.GetMainWnd();
    EXPECT_EQ(main->GetShownMenuId(), 128);
    CDocument* text = Docs().OpenNewDocument(*Docs().GetTemplates()[0]);
    EXPECT_EQ(main->GetShownMenuId(), kTextMenu);
    Docs().OpenNewDocument(*Docs().GetTemplates()[1]);
    EXPECT_EQ(main->GetShownMenuId(), kDataMenu);
    Docs().ActivateFrame(*text);
    EXPECT_EQ(main->GetShownMenuId(), kTextMenu);

    QApplication::setActiveWindow(main);
    QTest::keyClick(main->GetActiveFrame()->GetActiveView(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(m_app.m_nViewRuns, 1) << "the document type's accelerator reaches the view";

    Docs().CloseAllDocuments();
    QApplication::processEvents();
    EXPECT_EQ(main->GetShownMenuId(), 128);
}

TEST_F(DocManagerTest, UpdateHandlersDecideMenuStateAndDisabledCommandsDoNotRun)
{
    Docs().OpenNewDocument(*Docs().GetTemplates()[0]);
    CMDIFrameWnd* main = m_app.GetMainWnd();
    QAction* never = main->FindMenuAction(kDisabledCommand);
    QAction* viewCommand = main->FindMenuAction(kViewCommand);
    ASSERT_NE(never, nullptr);
    ASSERT_NE(viewCommand, nullptr);
    main->UpdateMenu(qobject_cast<QMenu*>(never->parent()));
    EXPECT_FALSE(never->isEnabled());
    EXPECT_TRUE(viewCommand->isEnabled());
    EXPECT_FALSE(m_app.SendCommand(kDisabledCommand));
    EXPECT_EQ(m_app.m_nDisabledRuns, 0);

    Docs().CloseAllDocuments();
    QApplication::processEvents();
    EXPECT_FALSE(m_app.SendCommand(kViewCommand)) << "with no view, nobody on the route handles it";
}

TEST_F(DocManagerTest, ToolbarButtonsFollowTheUpdateHandlersWhenIdle)
{
    CMDIFrameWnd* main = m_app.GetMainWnd();
    auto* toolbar = main->addToolBar("Standard");
    QAction* never = main->AddToolbarCommand(toolbar, kDisabledCommand, QIcon());
    QAction* viewCommand = main->AddToolbarCommand(toolbar, kViewCommand, QIcon());
    main->OnIdle();
    EXPECT_FALSE(never->isEnabled());
    EXPECT_FALSE(viewCommand->isEnabled()) << "no view on the route";
    Docs().OpenNewDocument(*Docs().GetTemplates()[0]);
    main->OnIdle();
    EXPECT_TRUE(viewCommand->isEnabled());
    viewCommand->trigger();
    EXPECT_EQ(m_app.m_nViewRuns, 1);
}

// Through the real file dialog: a name typed without an extension is saved with the document
// type's, as Save As of a new source named Echo must give Echo.java.
TEST(DocManagerSaveAs, ANameTypedWithoutAnExtensionGetsTheTypes)
{
    CTempDir dir;
    CQtUi ui;
    CTestApp app(ui);
    CDocument* doc = app.GetDocManager().OpenNewDocument(*app.GetDocManager().GetTemplates()[0]);
    ASSERT_NE(doc, nullptr);
    bool bAnswered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)") << "the type's own files first";
        dialog->setDirectory(QString::fromStdString(dir.Path()));
        dialog->selectFile("Echo");
        QMetaObject::invokeMethod(dialog, "accept");
        bAnswered = true;
    });
    ASSERT_TRUE(app.SendCommand(Cmd::ID_FILE_SAVE_AS));
    EXPECT_TRUE(bAnswered);
    EXPECT_EQ(doc->GetPathName(), dir.File("Echo.txt"));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir.File("Echo.txt"))));
}
