#pragma once

#include <QTreeWidget>

class CJavaClass;
class CJavaProjectDoc;

// What the project holds, as a tree: its Java files with the classes, inner classes and
// methods found in them, then its HTML files. Read-only; rebuilt whenever the project
// refreshes its views.
class CProjectFilesPane : public QTreeWidget {
    Q_OBJECT
public:
    explicit CProjectFilesPane(const CJavaProjectDoc& project, QWidget* parent = nullptr);

    void Rebuild();

private:
    static void AddClass(QTreeWidgetItem& parent, const CJavaClass& javaClass);

    const CJavaProjectDoc& m_project;
};
