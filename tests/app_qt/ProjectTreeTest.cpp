// The project tree in the running program: its items open real Java windows at the class or
// method they name, Properties opens a folder through the desktop's handler, and the
// properties form shows and stores what the project holds.
#include "QuarnelAppFixture.h"

#include "editor/SyntaxWindowDoc.h"
#include "editor/TextModel.h"
#include "editor/qt/TextEditView.h"
#include "framework/CommandIds.h"
#include "framework/qt/MDIChildWnd.h"
#include "projectwindow/FilePropertiesDlg.h"
#include "projectwindow/qt/ProjectFormView.h"
#include "projectwindow/qt/ProjectWindowsQt.h"

#include "support/QtWait.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const char* const kShapes =
    "class Shapes {\r\n"                   // line 0
    "    void draw() {\r\n"                // 1
    "    }\r\n"                            // 2
    "    class Corner {\r\n"               // 3
    "        void round() {\r\n"           // 4
    "        }\r\n"                        // 5
    "    }\r\n"                            // 6
    "}\r\n"                                // 7
    "class Box {\r\n"                      // 8
    "    void draw() {\r\n"                // 9
    "    }\r\n"                            // 10
    "}\r\n";

class ProjectTreeAppTest : public QuarnelAppTest {
protected:
    void SetUp() override
    {
        m_strProject = MakeProject("Shapes");
        m_home.Dir().Write("Shapes/Shapes.java", kShapes);
        Start();
        m_app->OpenDocumentFile(m_strProject);
        auto* windows = static_cast<CProjectWindowsQt*>(m_app->GetOpenProject()->GetWindows());
        ASSERT_NE(windows->GetTreePanel(), nullptr);
        m_pPanel = windows->GetTreePanel();
        m_pTree = windows->GetProjectTree()->GetTreeControl();
    }

    CProjectTreeItem* Item(std::initializer_list<std::string> path)
    {
        const CProjectTreeItem* item = &m_pPanel->GetTree().GetRoot();
        for (const std::string& text : path)
            item = item != nullptr ? item->FindChild(text) : nullptr;
        return const_cast<CProjectTreeItem*>(item);
    }
    // Opens the item and gives the line the active window selects, -1 for no Java window.
    int OpenedLine(std::initializer_list<std::string> path)
    {
        CProjectTreeItem* item = Item(path);
        EXPECT_NE(item, nullptr);
        m_pPanel->GetTree().Select(item);
        m_pPanel->RunCommand(Cmd::ID_PROJECT_OPENFILE);
        CMDIChildWnd* frame = m_app->GetMainWnd()->GetActiveFrame();
        auto* doc = frame != nullptr ? dynamic_cast<CSyntaxWindowDoc*>(frame->GetDocument()) : nullptr;
        if (doc == nullptr || doc->GetTextModel() == nullptr)
            return -1;
        return doc->GetTextModel()->LineFromPosition(doc->GetTextModel()->GetSelection().nStart);
    }

    std::string m_strProject;
    CProjectTreePanel* m_pPanel = nullptr;
    QTreeWidget* m_pTree = nullptr;
};

}  // namespace

TEST_F(ProjectTreeAppTest, ItemsOpenTheirFileAtTheClassOrMethodTheyName)
{
    ASSERT_EQ(m_pTree->topLevelItemCount(), 1);
    EXPECT_EQ(m_pTree->topLevelItem(0)->childCount(), 0) << "the project was saved before its file was scanned";
    // Opening the file scans it: the tree shows its classes.
    EXPECT_EQ(OpenedLine({"Shapes.java"}), 0);
    ASSERT_EQ(m_pTree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(m_pTree->topLevelItem(0)->child(0)->text(0), "Box");
    EXPECT_TRUE(m_pTree->topLevelItem(0)->isSelected()) << "the selection outlives the refresh";

    EXPECT_EQ(OpenedLine({"Shapes.java", "Box", "draw()"}), 9) << "the method of its own class";
    EXPECT_EQ(OpenedLine({"Shapes.java", "Shapes", "draw()"}), 1);
    EXPECT_EQ(OpenedLine({"Shapes.java", "Box"}), 8);
    EXPECT_EQ(OpenedLine({"Shapes.java", "Shapes", "Corner"}), 3) << "an inner class, through its outer class";
    EXPECT_EQ(OpenedLine({"Shapes.java", "Shapes", "Corner", "round()"}), 4) << "through the grandparent";
    EXPECT_EQ(WindowCount(), 2U) << "the project's window and one source window";

    // The source changed on disk since the scan: the tree still names a method the window
    // does not list.
    CJavaProjectDoc& project = *m_app->GetOpenProject();
    project.AddMethod(m_home.Dir().File("Shapes/Shapes.java"), "Box", "gone()");
    project.RefreshViews();
    m_ui.ExpectMessage("Unable to locate this item - try adding the file to the project again.");
    m_ui.ExpectOpenFiles({});
    EXPECT_EQ(OpenedLine({"Shapes.java", "Box", "gone()"}), 4) << "the window stays where it was";
    EXPECT_TRUE(m_ui.AllAnswered());
}

TEST_F(ProjectTreeAppTest, PropertiesOpensTheFilesFolderWithTheDesktopsHandler)
{
    m_pPanel->GetTree().Select(Item({"Shapes.java"}));
    m_ui.ExpectDialog("Properties", [](CModalDialog& dialog) {
        EXPECT_TRUE(static_cast<CFilePropertiesDlg&>(dialog).OnOpenFolder());
        return kIdOk;
    });
    m_pPanel->RunCommand(Cmd::ID_PROJECT_SETPACKAGE);
    ASSERT_EQ(m_shell.m_opened.size(), 1U);
    EXPECT_EQ(m_shell.m_opened[0], "file://" + m_home.Dir().File("Shapes"));
}

TEST_F(ProjectTreeAppTest, TheFormShowsTheProjectItsKeysReachTheTreeAndSetStoresTheSwitches)
{
    CJavaProjectDoc& project = *m_app->GetOpenProject();
    CProjectFormView* form = nullptr;
    for (QMdiSubWindow* window : m_app->GetMainWnd()->GetMdiArea()->subWindowList()) {
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(window); frame != nullptr && frame->GetDocument() == &project)
            form = dynamic_cast<CProjectFormView*>(frame->GetActiveView());
    }
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->GetParentFrame()->isMaximized());
    EXPECT_FALSE(form->GetMainHtmlList()->isEnabled()) << "no HTML files";
    EXPECT_EQ(form->GetMainJavaList()->currentText(), "Shapes.java");

    // Choosing a main file in the list sets it, and the tree's pictures follow.
    m_home.Dir().Write("Shapes/Aux.java", "package Shapes;\r\nclass Aux {}\r\n");
    project.AddJavaFile(m_home.Dir().File("Shapes/Aux.java"));
    project.RefreshViews();
    ASSERT_EQ(form->GetMainJavaList()->count(), 2);
    EXPECT_EQ(form->GetMainPackageField()->text(), "");
    form->GetMainJavaList()->setCurrentIndex(form->GetMainJavaList()->findText("Aux.java"));
    EXPECT_EQ(project.GetMainJavaFile(), "Aux.java");
    EXPECT_EQ(form->GetMainPackageField()->text(), "Shapes") << "the package read from the main file, beside it";
    EXPECT_TRUE(form->GetMainPackageField()->isReadOnly());
    EXPECT_EQ(Item({"Aux.java"})->GetImage(), CProjectTreeItem::kMainJavaFile);
    EXPECT_EQ(Item({"Shapes.java"})->GetImage(), CProjectTreeItem::kJavaFile);

    // The project window's F8 and Del reach the tree's Set as Main and Remove.
    m_pPanel->GetTree().Select(Item({"Shapes.java"}));
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_PROJECT_SETMAIN));
    EXPECT_EQ(project.GetMainJavaFile(), "Shapes.java");
    EXPECT_EQ(form->GetMainJavaList()->currentText(), "Shapes.java");
    m_pPanel->GetTree().Select(Item({"Aux.java"}));
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_PROJECT_REMOVEFILE));
    EXPECT_EQ(Item({"Aux.java"}), nullptr);
    EXPECT_EQ(form->GetMainJavaList()->count(), 1);

    QPushButton* set = form->GetSetJavacButton();
    EXPECT_FALSE(set->isEnabled());
    form->GetJavacSwitchesEdit()->setText("-g -deprecation");
    EXPECT_TRUE(set->isEnabled());
    EXPECT_NE(project.GetJavacSwitches(), "-g -deprecation") << "typing alone stores nothing";
    set->click();
    EXPECT_EQ(project.GetJavacSwitches(), "-g -deprecation");
    EXPECT_FALSE(set->isEnabled());

    m_ui.ExpectMessage("Reset switches to application defaults?", MsgAnswer::Cancel, MsgButtons::OkCancel, "Reset to Defaults");
    form->GetResetButton()->click();
    EXPECT_EQ(form->GetJavacSwitchesEdit()->text(), "-g -deprecation");
    EXPECT_EQ(project.GetJavacSwitches(), "-g -deprecation");
    EXPECT_TRUE(m_ui.AllAnswered());
}

// With a source window active and the keys in the tree, F8 and Del act on the tree's selection
// and never on the source; with the project window active they act once, not twice. Opening
// an item from the tree hands the keys to the source window at the item's line.
TEST_F(ProjectTreeAppTest, TreeKeysActOnTheTreeAndOpeningGivesTheKeysToTheSource)
{
    CJavaProjectDoc& project = *m_app->GetOpenProject();
    m_home.Dir().Write("Shapes/Aux.java", "class Aux {}\r\n");
    project.AddJavaFile(m_home.Dir().File("Shapes/Aux.java"));
    project.RefreshViews();
    QApplication::setActiveWindow(m_app->GetMainWnd());

    EXPECT_EQ(OpenedLine({"Shapes.java"}), 0);
    m_pTree->setFocus();
    EXPECT_EQ(OpenedLine({"Shapes.java", "Box", "draw()"}), 9);
    auto* view = dynamic_cast<CTextEditView*>(m_app->GetMainWnd()->GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_SOON_EQ(QApplication::focusWidget(), static_cast<QWidget*>(view->GetEditor()));
    const std::string source = view->GetEditor()->text().toStdString();

    m_pTree->setFocus();
    m_pPanel->GetTree().Select(Item({"Aux.java"}));
    QTest::keyClick(m_pTree, Qt::Key_F8);
    EXPECT_EQ(project.GetMainJavaFile(), "Aux.java");
    // Set as Main makes the item afresh, unselected.
    m_pPanel->GetTree().Select(Item({"Aux.java"}));
    QTest::keyClick(m_pTree, Qt::Key_Delete);
    EXPECT_EQ(Item({"Aux.java"}), nullptr);
    EXPECT_EQ(view->GetEditor()->text().toStdString(), source) << "the source window saw no key";

    m_app->GetDocManager().ActivateFrame(project);
    m_pTree->setFocus();
    m_pPanel->GetTree().Select(Item({"Shapes.java"}));
    QTest::keyClick(m_pTree, Qt::Key_F8);
    EXPECT_EQ(project.GetMainJavaFile(), "Shapes.java");
    m_pPanel->GetTree().Select(Item({"Shapes.java"}));
    QTest::keyClick(m_pTree, Qt::Key_Delete);
    EXPECT_TRUE(project.GetJavaFiles().FindByName("Shapes.java") == nullptr) << "removed once, with no message";
}
