// The Preferences sheet as the program shows it: from which command on which page, what OK
// stores and what Cancel leaves, and what a source window opened afterwards takes.
#include "QuarnelAppFixture.h"

#include "editor/qt/SyntaxWindowView.h"
#include "framework/CommandIds.h"
#include "framework/qt/MDIChildWnd.h"
#include "prefs/PrefsSheet.h"

#include <QApplication>

namespace {

class PreferencesTest : public QuarnelAppTest {
protected:
    void WriteOptions(const std::string& values)
    {
        WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n" +
                      values);
    }

    std::string SettingsBytes() const { return CTempDir::Read(m_home.SettingsFile()); }

    // The sheet the next command shows, answered by act.
    void ExpectSheet(std::function<int(CPrefsSheet&)> act)
    {
        m_ui.ExpectDialog(CPrefsSheet::kCaption,
                          [act](CModalDialog& dialog) { return act(static_cast<CPrefsSheet&>(dialog)); });
    }

    CSyntaxWindowView* OpenJava(const std::string& name)
    {
        m_app->OpenDocumentFile(m_home.Dir().Write(name, "class A {}\n"));
        CMDIChildWnd* frame = m_app->GetMainWnd()->GetActiveFrame();
        return frame != nullptr ? dynamic_cast<CSyntaxWindowView*>(frame->GetActiveView()) : nullptr;
    }
};

}  // namespace

// Catches Preferences unreachable with no window open, the Font command missing from the Java
// window or present without one, and either opening on the wrong page.
TEST_F(PreferencesTest, PreferencesOpensOnIdeAndTheJavaWindowsFontCommandOnSourceWindows)
{
    Start();
    ASSERT_EQ(WindowCount(), 0u);
    EXPECT_FALSE(m_app->SendCommand(Cmd::ID_VIEW_SOURCEFONT));
    ExpectSheet([](CPrefsSheet& sheet) {
        EXPECT_EQ(sheet.GetStartPage(), CPrefsSheet::kIdePage);
        return kIdCancel;
    });
    EXPECT_TRUE(m_app->SendCommand(Cmd::ID_TOOLS_PREFERENCES));

    ASSERT_NE(OpenJava("A.java"), nullptr);
    ExpectSheet([](CPrefsSheet& sheet) {
        EXPECT_EQ(sheet.GetStartPage(), CPrefsSheet::kFormatPage);
        return kIdCancel;
    });
    EXPECT_TRUE(m_app->SendCommand(Cmd::ID_VIEW_SOURCEFONT));
    EXPECT_TRUE(m_ui.AllAnswered());
}

// Catches Cancel that stores anything (or rewrites the file at all), sizes not shown in whole
// points or not stored back in tenths, and a source window that does not take the new font,
// tab width and colour.
TEST_F(PreferencesTest, CancelLeavesTheFileAsItWasAndOkStoresWhatNewWindowsTake)
{
    WriteOptions("\"FONTSIZE\"=dword:0000005f\n\"TABWIDTH\"=dword:00000004\n");
    Start();
    const std::string before = SettingsBytes();
    ExpectSheet([](CPrefsSheet& sheet) {
        EXPECT_EQ(sheet.m_formatPage.m_nFontSize, 9);
        sheet.m_formatPage.m_nFontSize = 14;
        sheet.m_formatPage.m_crKeyColor = 0x000000FF;
        sheet.m_formatPage.OnFontSelected("Monospace");
        sheet.m_idePage.m_strJavaBin = "/elsewhere";
        return kIdCancel;
    });
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_TOOLS_PREFERENCES));
    EXPECT_EQ(SettingsBytes(), before);
    EXPECT_EQ(m_app->Settings().m_nFontSize, 95);

    ExpectSheet([](CPrefsSheet&) { return kIdOk; });
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_TOOLS_PREFERENCES));
    const CSettingsStore file(m_home.SettingsFile(), "Kestrune", "Ondrik");
    EXPECT_EQ(file.GetNumber("OPTIONS", "FONTSIZE", 0), 90u);
    EXPECT_EQ(file.GetString("OPTIONS", "FONTNAME", ""), "Courier New") << "every value is written";
    EXPECT_EQ(file.GetNumber("OPTIONS", "DLGFONTSIZE", 0), 90u);

    ExpectSheet([](CPrefsSheet& sheet) {
        sheet.m_formatPage.m_nFontSize = 14;
        sheet.m_formatPage.m_nTabWidth = 6;
        sheet.m_formatPage.m_crKeyColor = 0x000000FF;
        sheet.m_formatPage.OnFontSelected("Monospace");
        return kIdOk;
    });
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_TOOLS_PREFERENCES));
    const CSyntaxWindowView* view = OpenJava("B.java");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSettings().nFontSize, 140);
    EXPECT_EQ(view->GetSettings().nTabWidth, 6);
    EXPECT_EQ(view->GetSettings().crKeyword, 0x000000FFu);
    EXPECT_EQ(view->GetSettings().strFontName, "Monospace");
    EXPECT_EQ(CSettingsStore(m_home.SettingsFile(), "Kestrune", "Ondrik").GetNumber("OPTIONS", "TABWIDTH", 0), 6u);
}
