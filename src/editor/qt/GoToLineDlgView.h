#pragma once

class CGoToLineDlg;
class QWidget;

// The Go to Line dialog on screen: the prompt, the line number field, OK (the default) and
// Cancel. OK closes it only once the model takes the number.
namespace GoToLineDlgView {

int Show(CGoToLineDlg& dialog, QWidget* owner);

}  // namespace GoToLineDlgView
