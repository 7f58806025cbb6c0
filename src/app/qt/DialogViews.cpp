#include "DialogViews.h"

#include "AboutDlgView.h"
#include "NewDocumentDlgView.h"
#include "NewProjectDlgView.h"
#include "RecentProjectsDlgView.h"
#include "TipOfTheDayDlgView.h"

#include "app/AboutDlg.h"
#include "app/NewDocumentDlg.h"
#include "app/NewProjectDlg.h"
#include "app/RecentProjectsDlg.h"
#include "app/TipOfTheDayDlg.h"
#include "editor/GoToLineDlg.h"
#include "editor/qt/GoToLineDlgView.h"
#include "framework/qt/QtUi.h"
#include "prefs/PrefsSheet.h"
#include "prefs/qt/PrefsSheetView.h"
#include "projectwindow/FilePropertiesDlg.h"
#include "projectwindow/qt/FilePropertiesDlgView.h"
#include "run/ArgumentsDlg.h"
#include "run/qt/ArgumentsDlgQt.h"

void InstallDialogViews(CQtUi& ui)
{
    ui.AddDialogView<CNewDocumentDlg>(&CNewDocumentDlgView::Show);
    ui.AddDialogView<CNewProjectDlg>(&CNewProjectDlgView::Show);
    ui.AddDialogView<CRecentProjectsDlg>(&CRecentProjectsDlgView::Show);
    ui.AddDialogView<CTipOfTheDayDlg>(&CTipOfTheDayDlgView::Show);
    ui.AddDialogView<CAboutDlg>(&CAboutDlgView::Show);
    ui.AddDialogView<CArgumentsDlg>(&CArgumentsDlgQt::Show);
    ui.AddDialogView<CPrefsSheet>(&CPrefsSheetView::Show);
    ui.AddDialogView<CFilePropertiesDlg>(&FilePropertiesDlgView::Show);
    ui.AddDialogView<CGoToLineDlg>(&GoToLineDlgView::Show);
}
