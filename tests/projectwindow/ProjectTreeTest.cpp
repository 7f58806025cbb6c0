// The project tree against a project whose files are scanned, rescanned, added and removed
// step by step. After every step the tree must show exactly the project, and a screen that
// follows only the tree's notifications must show the same.
#include "projectwindow/ProjectTree.h"
#include "projectwindow/ProjectTreeObserver.h"

#include "project/JavaProjectDoc.h"
#include "project/JavaScanner.h"

#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A screen made only from the notifications: wrong places or missed changes show as a
// difference from the tree itself.
class CMirror : public CProjectTreeObserver {
public:
    struct CNode {
        std::string strText;
        int nImage = 0;
        bool bMarked = false;
        std::vector<CNode*> children;
    };

    void OnItemInserted(CProjectTreeItem& item, int index) override
    {
        auto node = std::make_unique<CNode>();
        node->strText = item.GetText();
        node->nImage = item.GetImage();
        node->bMarked = item.IsMarkedWithChildren();
        auto& siblings = NodeOf(item.GetParent()).children;
        ASSERT_LE(index, static_cast<int>(siblings.size()));
        siblings.insert(siblings.begin() + index, node.get());
        m_nodes[&item] = std::move(node);
    }
    void OnItemRemoving(CProjectTreeItem& item) override
    {
        auto& siblings = NodeOf(item.GetParent()).children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), m_nodes.at(&item).get()));
        ++m_nRemoved;
    }
    void OnItemChanged(CProjectTreeItem& item) override
    {
        m_nodes.at(&item)->nImage = item.GetImage();
        m_nodes.at(&item)->bMarked = item.IsMarkedWithChildren();
    }
    void OnSelectionChanged(CProjectTreeItem* item) override { m_pSelected = item; }

    std::string Dump() const { return Dump(m_root, 0); }

    CProjectTreeItem* m_pSelected = nullptr;
    int m_nRemoved = 0;

private:
    CNode& NodeOf(const CProjectTreeItem* item)
    {
        return item->GetParent() == nullptr ? m_root : *m_nodes.at(item);
    }
    static std::string Dump(const CNode& node, int depth)
    {
        std::string out;
        for (const CNode* child : node.children) {
            out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + child->strText + " " +
                   std::to_string(child->nImage) + (child->bMarked ? "+" : "") + "\n";
            out += Dump(*child, depth + 1);
        }
        return out;
    }

    CNode m_root;
    std::map<const CProjectTreeItem*, std::unique_ptr<CNode>> m_nodes;
};

std::string Dump(const CProjectTreeItem& item, int depth = 0)
{
    std::string out;
    for (int i = 0; i < item.GetChildCount(); ++i) {
        const CProjectTreeItem& child = *item.GetChild(i);
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + child.GetText() + " " +
               std::to_string(child.GetImage()) + (child.IsMarkedWithChildren() ? "+" : "") + "\n";
        out += Dump(child, depth + 1);
    }
    return out;
}

class ProjectTreeTest : public ::testing::Test {
protected:
    ProjectTreeTest() { m_tree.SetObserver(&m_mirror); }

    void Scan(const std::string& name, const std::string& text)
    {
        CJavaScanner scanner;
        scanner.ScanSource(text, &m_project, "/p/" + name);
    }
    // Refreshes and checks the screen agrees; the tree's dump.
    std::string Refresh()
    {
        m_tree.Refresh(m_project);
        const std::string shown = Dump(m_tree.GetRoot());
        EXPECT_EQ(m_mirror.Dump(), shown);
        return shown;
    }
    CProjectTreeItem* Item(std::initializer_list<std::string> path) const
    {
        const CProjectTreeItem* item = &m_tree.GetRoot();
        for (const std::string& text : path) {
            item = item->FindChild(text);
            if (item == nullptr)
                return nullptr;
        }
        return const_cast<CProjectTreeItem*>(item);
    }

    CTestProjectHost m_host;
    CJavaProjectDoc m_project{m_host};
    CProjectTree m_tree;
    CMirror m_mirror;
};

const char* const kShapes =
    "class Shapes {\r\n"
    "  void draw() {}\r\n"
    "  int area(int w, int h) { return w * h; }\r\n"
    "  class Corner {\r\n"
    "    void round() {}\r\n"
    "  }\r\n"
    "}\r\n"
    "interface Drawable {\r\n"
    "  void draw();\r\n"
    "}\r\n"
    "class Box {\r\n"
    "}\r\n";

}  // namespace

TEST_F(ProjectTreeTest, FollowsTheProjectStepByStepKeepingEveryItemThatStays)
{
    m_project.AddJavaFile("/p/Shapes.java");
    m_project.AddJavaFile("/p/b.java");
    m_project.AddJavaFile("/q/B.java");
    m_project.AddPlainFile("/p/index.html");
    Scan("Shapes.java", kShapes);
    m_project.SetMainJavaFile("b.java");
    EXPECT_EQ(Refresh(),
              "B.java 0+\n"
              "b.java 2+\n"
              "index.html 4\n"
              "Shapes.java 0+\n"
              "  Box 6+\n"
              "  Drawable 6+\n"
              "  Shapes 6+\n"
              "    area(int w, int h) 8\n"
              "    Corner 6+\n"
              "      round() 8\n"
              "    draw() 8\n")
        << "names that differ in case are two items; each level is sorted without regard to case";
    // The same project again changes nothing on screen.
    const std::string before = m_mirror.Dump();
    EXPECT_EQ(Refresh(), before);

    // A rescan that loses a class, an inner class's method and a method: only those go, and
    // the items that stay are the same items (so they keep their expansion).
    CProjectTreeItem* file = Item({"Shapes.java"});
    CProjectTreeItem* shapes = Item({"Shapes.java", "Shapes"});
    CProjectTreeItem* corner = Item({"Shapes.java", "Shapes", "Corner"});
    m_tree.Select(Item({"Shapes.java", "Shapes", "draw()"}));
    Scan("Shapes.java",
         "class Shapes {\r\n  void draw() {}\r\n  class Corner {\r\n  }\r\n}\r\nclass Box {\r\n  void pack() {}\r\n}\r\n");
    EXPECT_EQ(Refresh(),
              "B.java 0+\n"
              "b.java 2+\n"
              "index.html 4\n"
              "Shapes.java 0+\n"
              "  Box 6+\n"
              "    pack() 8\n"
              "  Shapes 6+\n"
              "    Corner 6+\n"
              "    draw() 8\n");
    EXPECT_EQ(Item({"Shapes.java"}), file);
    EXPECT_EQ(Item({"Shapes.java", "Shapes"}), shapes);
    EXPECT_EQ(Item({"Shapes.java", "Shapes", "Corner"}), corner);
    EXPECT_EQ(m_tree.GetSelected(), Item({"Shapes.java", "Shapes", "draw()"})) << "the selection comes back";
    EXPECT_EQ(m_mirror.m_pSelected, m_tree.GetSelected());

    // A new main file changes the pictures of the old and the new one.
    m_project.SetMainJavaFile("Shapes.java");
    EXPECT_EQ(Refresh(),
              "B.java 0+\n"
              "b.java 0+\n"
              "index.html 4\n"
              "Shapes.java 2+\n"
              "  Box 6+\n"
              "    pack() 8\n"
              "  Shapes 6+\n"
              "    Corner 6+\n"
              "    draw() 8\n");

    // A selected item that goes takes the selection with it; removed files leave the root.
    m_tree.Select(Item({"Shapes.java", "Box", "pack()"}));
    Scan("Shapes.java", "class Shapes {\r\n}\r\n");
    m_project.RemoveFile("/q/B.java");
    m_project.RemoveFile("/p/index.html");
    EXPECT_EQ(Refresh(), "b.java 0+\nShapes.java 2+\n  Shapes 6+\n");
    EXPECT_EQ(m_tree.GetSelected(), nullptr);
    EXPECT_EQ(m_mirror.m_pSelected, nullptr);
}

TEST_F(ProjectTreeTest, AnItemDeletedUnderAnUnchangedFileComesBackOnTheNextRefresh)
{
    // A class named like a file of the project: the tree's commands may delete it by its text.
    m_project.AddJavaFile("/p/Main.java");
    m_project.AddJavaFile("/p/Other.java");
    m_project.BeginFileScan("/p/Main.java");
    m_project.AddClass("/p/Main.java", "Other.java");
    m_project.AddMethod("/p/Main.java", "Other.java", "run()");
    m_project.EndFileScan();
    const std::string full = Refresh();
    ASSERT_NE(Item({"Main.java", "Other.java", "run()"}), nullptr) << full;
    m_tree.DeleteItem(*Item({"Main.java", "Other.java"}));
    EXPECT_EQ(Refresh(), full);
}
