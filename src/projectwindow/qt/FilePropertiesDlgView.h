#pragma once

class CFilePropertiesDlg;
class QWidget;

// The Properties box of a project tree item on screen.
namespace FilePropertiesDlgView {

int Show(CFilePropertiesDlg& dialog, QWidget* owner);

}  // namespace FilePropertiesDlgView
