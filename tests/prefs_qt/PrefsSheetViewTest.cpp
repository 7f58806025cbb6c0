// The Preferences sheet on screen, driven as a person would: a refused value keeps its page up
// and the sheet open, a colour shows at once in its sample, and OK or Cancel end it.
#include "prefs/PrefsSheet.h"
#include "prefs/qt/FormatPageView.h"
#include "prefs/qt/IDEPageView.h"
#include "prefs/qt/PrefsSheetView.h"

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

// Acts on the sheet once it is up in its modal loop; whatever the act leaves open is
// cancelled, so a failing test never hangs.
void WhenShown(std::function<void(CPrefsSheetView&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* view = qobject_cast<CPrefsSheetView*>(QApplication::activeModalWidget());
        if (view == nullptr) {
            ADD_FAILURE() << "the sheet is not up";
            return;
        }
        act(*view);
        if (QApplication::activeModalWidget() == view)
            view->reject();
    });
}

CPrefsValues Filled()
{
    CPrefsValues values;
    values.m_nTabWidth = 3;
    values.m_strFontName = "Courier New";
    values.m_nFontSize = 9;
    values.m_crKeyColor = 0x00DD0000;
    values.m_strJavaBin = "/usr/lib/jvm/default-java";
    values.m_nShowArgs = 2;
    values.m_strDlgFontName = "Courier New";
    values.m_nDlgFontSize = 9;
    return values;
}

}  // namespace

// Catches a sheet that closes on a refused value, a tab change that gets past one, a page made
// before it is shown, a sample that waits for the page to reopen before it shows its colour,
// and OK that loses what the shown page holds or changes what a page never shown holds.
TEST(PrefsSheetView, RefusedValueKeepsItsPageAndOkTakesThePageShown)
{
    CScriptedUi ui;
    CPrefsSheet sheet(ui, CPrefsSheet::kFormatPage);
    sheet.Fill(Filled());
    bool bStayedOpen = false;
    WhenShown([&](CPrefsSheetView& view) {
        EXPECT_EQ(view.windowTitle(), "Velmar Preferences");
        ASSERT_EQ(view.GetTabs()->count(), 4);
        EXPECT_EQ(view.GetTabs()->tabText(0), "IDE");
        EXPECT_EQ(view.GetTabs()->tabText(3), "Java");
        EXPECT_EQ(view.GetTabs()->currentIndex(), 1);
        EXPECT_EQ(view.GetPage(CPrefsSheet::kIdePage), nullptr);
        auto* page = qobject_cast<CFormatPageView*>(view.GetPage(CPrefsSheet::kFormatPage));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->GetFontSize()->text(), "9");
        EXPECT_EQ(page->GetTabWidth()->text(), "3");

        page->GetTabWidth()->setText("11");
        ui.ExpectMessage("Please enter an integer between 2 and 10.");
        view.GetButtons()->button(QDialogButtonBox::Ok)->click();
        bStayedOpen = view.isVisible();
        EXPECT_EQ(page->GetTabWidth()->selectedText(), "11") << "the refused field is selected";
        ui.ExpectMessage("Please enter an integer between 2 and 10.");
        view.GetTabs()->setCurrentIndex(CPrefsSheet::kIdePage);
        EXPECT_EQ(view.GetTabs()->currentIndex(), 1);
        EXPECT_EQ(view.GetPage(CPrefsSheet::kIdePage), nullptr);

        page->GetTabWidth()->setText("4");
        page->GetFontSize()->setText("12");
        ui.ExpectColour(0x000000FF);
        view.findChild<QPushButton*>("1023")->click();
        const QLineEdit* keyword = page->GetSample(CFormatPage::Colour::Keyword);
        EXPECT_EQ(keyword->text(), "public static final int");
        EXPECT_EQ(keyword->palette().color(QPalette::Text), QColor(255, 0, 0));
        EXPECT_EQ(page->GetSample(CFormatPage::Colour::Comment)->palette().color(QPalette::Text), QColor(0, 0, 0));
        view.GetButtons()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(CPrefsSheetView::Show(sheet, nullptr), kIdOk);
    EXPECT_TRUE(bStayedOpen);
    EXPECT_EQ(sheet.m_formatPage.m_nTabWidth, 4);
    EXPECT_EQ(sheet.m_formatPage.m_nFontSize, 12);
    EXPECT_EQ(sheet.m_formatPage.m_crKeyColor, 0x000000FFu);
    EXPECT_EQ(sheet.m_formatPage.m_strFontName, "Courier New") << "no font was picked";
    EXPECT_EQ(sheet.m_idePage.m_nShowArgs, 2) << "a page never shown keeps what it was given";
}

// Catches a JDK field that does not show the folder or the chosen one, a line that does not
// follow what is typed, and Cancel reported as OK.
TEST(PrefsSheetView, JdkFieldSaysWhatItsFolderHoldsAndCancelEndsTheSheet)
{
    CTempDir root;
    const std::string javac = root.Write("jdk/bin/javac", "");
    ::chmod(javac.c_str(), 0755);
    root.Write("jdk/release", "JAVA_VERSION=\"17.0.9\"\n");

    CScriptedUi ui;
    CPrefsSheet sheet(ui, CPrefsSheet::kIdePage);
    sheet.Fill(Filled());
    WhenShown([&](CPrefsSheetView& view) {
        auto* page = qobject_cast<CIDEPageView*>(view.GetPage(CPrefsSheet::kIdePage));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->GetJdkField()->currentText(), "/usr/lib/jvm/default-java");
        ui.ExpectFolder(root.File("jdk"));
        view.findChild<QPushButton*>("1020")->click();
        EXPECT_EQ(page->GetJdkField()->currentText().toStdString(), root.File("jdk"));
        EXPECT_EQ(page->GetJdkInfo()->text(), "javac 17.0.9 in bin/");
        page->GetJdkField()->setEditText(QString::fromStdString(root.Path()));
        EXPECT_EQ(page->GetJdkInfo()->text(), "No bin/javac in this folder.");
        view.GetTabs()->setCurrentIndex(CPrefsSheet::kJavaOptionsPage);
        EXPECT_NE(view.GetPage(CPrefsSheet::kJavaOptionsPage), nullptr);
        view.GetButtons()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(CPrefsSheetView::Show(sheet, nullptr), kIdCancel);
}
