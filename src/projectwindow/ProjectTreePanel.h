#pragma once

#include "ProjectTree.h"

#include "framework/CmdTarget.h"

#include <string>
#include <vector>

class CJavaProjectDoc;
class CProjectTreeHost;
class CUi;

// The project tree panel's behaviour: it keeps the tree in step with the project, opens what an
// item names, and runs the tree's commands on the selected item. Items are known only by their
// text: an item "names a file" when the project has a Java or HTML file of that name.
class CProjectTreePanel : public CCmdTarget {
public:
    // One entry of the tree's context menu; a separator has no command.
    struct CMenuEntry {
        int nId = 0;
        std::string strText;
        bool bDefault = false;
        bool IsSeparator() const { return nId == 0; }
    };

    static constexpr const char* kItemIsNull = "Item is NULL";
    static constexpr const char* kParentIsNull = "Parent is NULL";
    static constexpr const char* kUnableToLocate =
        "Unable to locate this item - try adding the file to the project again.";
    static constexpr const char* kCantCompileHtml = "Can't compile HTML File!";
    static constexpr const char* kOnlyJavaMain = "Only Java files can be set as main";
    static constexpr const char* kNoFilesToRemove = "No files to remove.";

    CProjectTreePanel(CJavaProjectDoc& project, CProjectTreeHost& host);

    CProjectTree& GetTree() { return m_tree; }
    const CProjectTree& GetTree() const { return m_tree; }

    void RefreshTree() { m_tree.Refresh(m_project); }

    // A double-click, or Open: the file, class or method the selected item names.
    void OpenSelected();
    // The menu for a right-click on item, which becomes the selection; none on empty space.
    std::vector<CMenuEntry> ContextMenu(CProjectTreeItem* item);

    void Compile();
    void SetAsMain();
    void Remove();
    void Properties();
    void RunApplet();
    void OpenInWebBrowser();

    // Whether the selected item's text names an HTML file of the project.
    bool SelectionNamesHtmlFile() const;

private:
    CUi& Ui() const;
    bool NamesHtmlFile(const std::string& text) const;
    bool NamesJavaFile(const std::string& text) const;
    bool NamesProjectFile(const std::string& text) const;
    // Opens path and goes to the first of the function-list entries it lists; false when it
    // does not open or lists none of them.
    bool OpenAtEntry(const std::string& path, const std::vector<std::string>& entries);
    bool OpenFileItem(const std::string& name, const std::string& path);
    bool OpenClassOrMethod(const CProjectTreeItem& item);
    void ReportUnableToLocate();

    CJavaProjectDoc& m_project;
    CProjectTreeHost& m_host;
    CProjectTree m_tree;
};
