#pragma once

#include "framework/ModalDialog.h"

#include <string>

class CDesktopShell;

// The Properties box of a project tree item: the item's file name and full path ("NOFILE" for
// an item that names no file of the project), and "Open Folder", which shows the file's folder.
class CFilePropertiesDlg : public CModalDialog {
public:
    CFilePropertiesDlg(CDesktopShell& shell, std::string fileName, std::string fullPath);

    std::string DialogName() const override { return "Properties"; }

    const std::string& GetFileName() const { return m_strFileName; }
    const std::string& GetFullPath() const { return m_strFullPath; }

    // The file: address of the folder that holds the file; empty when the path names no folder.
    std::string FolderUrl() const;
    // Hands the folder to the desktop's handler; false when there is none or nothing took it.
    bool OnOpenFolder();

private:
    CDesktopShell& m_shell;
    std::string m_strFileName;
    std::string m_strFullPath;
};
