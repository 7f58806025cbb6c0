// The Preferences pages as models: what they take from their controls, what they refuse and
// in which words, and how the sheet hands the settings in and out.
#include "prefs/FontFamilyList.h"
#include "prefs/FormatPage.h"
#include "prefs/IDEPage.h"
#include "prefs/JdkFolderInfo.h"
#include "prefs/PrefsSheet.h"
#include "prefs/ProcessFontPage.h"

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr const char* kNoInteger = "Please enter an integer.";

struct CRangeCase {
    const char* tabWidth;
    const char* fontSize;
    CFormatPage::Field refused;
    const char* message;  // nullptr when accepted
};

}  // namespace

// Catches a bound off by one, the checks in the other order, a refused value taken anyway and
// a message not in the standard words.
TEST(PrefsPages, SourceWindowsPageTakesTabWidthsTwoToTenAndSizesSixToTwentyFour)
{
    const CRangeCase cases[] = {
        {"2", "6", CFormatPage::Field::None, nullptr},
        {"10", "24", CFormatPage::Field::None, nullptr},
        {" 7 ", "12", CFormatPage::Field::None, nullptr},
        {"1", "12", CFormatPage::Field::TabWidth, "Please enter an integer between 2 and 10."},
        {"11", "12", CFormatPage::Field::TabWidth, "Please enter an integer between 2 and 10."},
        {"4", "5", CFormatPage::Field::FontSize, "Please enter an integer between 6 and 24."},
        {"4", "25", CFormatPage::Field::FontSize, "Please enter an integer between 6 and 24."},
        {"4", "", CFormatPage::Field::FontSize, kNoInteger},
        {"", "25", CFormatPage::Field::TabWidth, kNoInteger},
        {"99999999999", "12", CFormatPage::Field::TabWidth, kNoInteger},
    };
    for (const CRangeCase& each : cases) {
        SCOPED_TRACE(std::string("tab width '") + each.tabWidth + "', size '" + each.fontSize + "'");
        CScriptedUi ui;
        if (each.message != nullptr)
            ui.ExpectMessage(each.message);
        CFormatPage page(ui);
        page.m_nTabWidth = 3;
        page.m_nFontSize = 9;
        EXPECT_EQ(page.OnKillActive({each.fontSize, each.tabWidth, true}), each.refused);
        if (each.refused == CFormatPage::Field::None) {
            EXPECT_EQ(page.m_nTabWidth, std::stoi(each.tabWidth));
            EXPECT_EQ(page.m_nFontSize, std::stoi(each.fontSize));
            EXPECT_EQ(page.m_nSpaceTabs, 1);
        } else {
            EXPECT_EQ(page.m_nTabWidth, 3);
            EXPECT_EQ(page.m_nFontSize, 9);
            EXPECT_EQ(page.m_nSpaceTabs, 0);
        }
    }

    for (const auto& [text, message] : std::vector<std::pair<std::string, const char*>>{
             {"5", "Please enter an integer between 6 and 24."}, {"6", nullptr}, {"24", nullptr},
             {"25", "Please enter an integer between 6 and 24."}, {"", kNoInteger}}) {
        SCOPED_TRACE("process window size '" + text + "'");
        CScriptedUi ui;
        if (message != nullptr)
            ui.ExpectMessage(message);
        CProcessFontPage page(ui);
        page.m_nFontSize = 9;
        EXPECT_EQ(page.OnKillActive({text}), message == nullptr);
        EXPECT_EQ(page.m_nFontSize, message == nullptr ? std::stoi(text) : 9);
    }
}

// Catches a search that starts at the first item, one that does not wrap round, one that
// minds case, a sort that minds case, and a name matching nothing that still selects.
TEST(PrefsPages, StoredFontNameSelectsByItsBeginningFromTheSecondItem)
{
    const CFontFamilyList families({"DejaVu Sans", "Courier New", "courier 10 pitch", "Courier"});
    const std::vector<std::string> items = families.SortedNames();
    EXPECT_EQ(items, (std::vector<std::string>{"Courier", "courier 10 pitch", "Courier New", "DejaVu Sans"}));
    EXPECT_EQ(CFontFamilyList::FindPrefix(items, "Courier"), 1) << "the first match after the first item";
    EXPECT_EQ(CFontFamilyList::FindPrefix(items, "COURIER N"), 2);
    EXPECT_EQ(CFontFamilyList::FindPrefix({"Andale", "Courier"}, "andale"), 0) << "the search wraps round";
    EXPECT_EQ(CFontFamilyList::FindPrefix(items, "Helvetica"), -1);
    EXPECT_EQ(CFontFamilyList::FindPrefix({}, "Courier"), -1);
}

// Catches a chosen colour that does not reach its own sample, one that reaches another, and a
// cancelled chooser that changes something.
TEST(PrefsPages, ChosenColourRecoloursOnlyItsOwnSample)
{
    CScriptedUi ui;
    CFormatPage page(ui);
    page.m_crKeyColor = 0x00DD0000;
    page.m_crCommentColor = 0x000000DD;
    page.m_crStringColor = 0x00006600;
    page.m_crTagColor = 0x00001177;

    ui.ExpectColour(0x00123456);
    EXPECT_TRUE(page.OnChooseColour(CFormatPage::Colour::Keyword));
    ui.ExpectColour(std::nullopt);
    EXPECT_FALSE(page.OnChooseColour(CFormatPage::Colour::String));

    const CFormatPage::CSample keyword = page.Sample(CFormatPage::Colour::Keyword);
    EXPECT_EQ(keyword.strText, "public static final int");
    EXPECT_EQ(keyword.crColour, 0x00123456u);
    EXPECT_EQ(page.m_crKeyColor, 0x00123456u);
    EXPECT_EQ(page.Sample(CFormatPage::Colour::Comment).strText, "// sample comment");
    EXPECT_EQ(page.Sample(CFormatPage::Colour::Comment).crColour, 0x000000DDu);
    EXPECT_EQ(page.Sample(CFormatPage::Colour::String).strText, "\"This is a string\"");
    EXPECT_EQ(page.Sample(CFormatPage::Colour::String).crColour, 0x00006600u);
    const CFormatPage::CSample tag = page.Sample(CFormatPage::Colour::Tag);
    EXPECT_EQ(tag.strText, "<HTML TAG>");
    EXPECT_EQ(tag.crColour, 0x00001177u);
    EXPECT_FALSE(tag.bPageFont) << "the tag sample keeps the dialog's font";
}

// Catches the help chooser leaving the other controls behind or offering another filter, the
// folder chooser writing past its field, and a cancelled chooser that changes anything.
TEST(PrefsPages, IdePageBrowsersFillTheirFields)
{
    CScriptedUi ui;
    CIDEPage page(ui);
    page.m_strJavaBin = "/old/jdk";
    page.m_strHelpPath = "/old/help.html";
    page.m_nSaveComp = 1;
    CIDEPage::CControls controls = page.ToControls();
    controls.bSaveComp = false;
    controls.bShowArgs = true;

    ui.ExpectFolder(std::nullopt);
    page.OnBrowseJdkFolder(controls);
    EXPECT_EQ(controls.strJavaBin, "/old/jdk");
    ui.ExpectFolder("/usr/lib/jvm/java-17");
    page.OnBrowseJdkFolder(controls);
    EXPECT_EQ(controls.strJavaBin, "/usr/lib/jvm/java-17");
    EXPECT_EQ(page.m_strJavaBin, "/old/jdk") << "the folder goes into the field only";

    ui.ExpectOpenFiles({});
    page.OnBrowseHelpFile(controls);
    EXPECT_EQ(page.m_nSaveComp, 1);
    ui.ExpectOpenFiles({"/docs/api/index.html"});
    page.OnBrowseHelpFile(controls);
    ASSERT_EQ(ui.FileDialogs().size(), 2u);
    EXPECT_EQ(ui.FileDialogs().back().filter, "HTML Files (*.html;*.htm)|*.html;*.htm|All Files (*.*)|*.*||");
    EXPECT_TRUE(ui.FileDialogs().back().hideReadOnly);
    EXPECT_EQ(controls.strHelpPath, "/docs/api/index.html");
    EXPECT_EQ(page.m_strHelpPath, "/docs/api/index.html");
    EXPECT_EQ(page.m_strJavaBin, "/usr/lib/jvm/java-17") << "then every control goes into the members";
    EXPECT_EQ(page.m_nSaveComp, 0);
    EXPECT_EQ(page.m_nShowArgs, 1);
}

// Every value reaches its own page member and comes back: each has a value no other has, so
// two swapped or one left out would show. A page never shown hands back what it was given.
TEST(PrefsPages, SheetHandsEveryValueToItsPageAndBack)
{
    CPrefsValues values;
    values.m_nTabWidth = 5;
    values.m_strFontName = "Source Font";
    values.m_nFontSize = 13;
    values.m_crKeyColor = 0x010203;
    values.m_crCommentColor = 0x040506;
    values.m_crStringColor = 0x070809;
    values.m_crTagColor = 0x0A0B0C;
    values.m_nSpaceTabs = 6;
    values.m_strJavaBin = "/jdk/home";
    values.m_nSaveComp = 7;
    values.m_nLoadLast = 8;
    values.m_nShowArgs = 9;
    values.m_nShowDrops = 10;
    values.m_strHelpPath = "/jdk/docs/api/index.html";
    values.m_strDlgFontName = "Output Font";
    values.m_nDlgFontSize = 11;
    values.m_strJavaOptions = "-ea";
    values.m_strJavac = "-Xlint";

    CScriptedUi ui;
    CPrefsSheet sheet(ui, CPrefsSheet::kFormatPage);
    EXPECT_EQ(sheet.DialogName(), "Velmar Preferences");
    EXPECT_EQ(sheet.GetStartPage(), 1);
    sheet.Fill(values);
    EXPECT_EQ(sheet.m_formatPage.m_strFontName, "Source Font");
    EXPECT_EQ(sheet.m_idePage.m_strJavaBin, "/jdk/home");
    EXPECT_EQ(sheet.m_processFontPage.m_strFontName, "Output Font");
    EXPECT_EQ(sheet.m_javaOptionsPage.m_strJavac, "-Xlint");
    EXPECT_EQ(sheet.GetValues(), values);

    EXPECT_EQ(CPrefsSheet(ui, 7).GetStartPage(), CPrefsSheet::kIdePage) << "a page that does not exist";
    for (int page = 0; page < CPrefsSheet::kPageCount; ++page)
        EXPECT_STRNE(CPrefsSheet::PageTitle(page), "");
    EXPECT_STREQ(CPrefsSheet::PageTitle(CPrefsSheet::kProcessFontPage), "Process Window");
}

// Catches a folder with a compiler reported as holding none (or the reverse), a version not
// read from the JDK's release file, and a listing that keeps folders without a compiler.
TEST(PrefsPages, JdkFolderLineSaysWhatTheFolderHolds)
{
    CTempDir root;
    const auto compiler = [&](const std::string& name) {
        const std::string javac = root.Write(name + "/bin/javac", "#!/bin/sh\n");
        ::chmod(javac.c_str(), 0755);
    };
    compiler("jdk-21");
    root.Write("jdk-21/release", "IMPLEMENTOR=\"x\"\nJAVA_VERSION=\"21.0.2\"\n");
    compiler("bare-jdk");
    root.Write("jre-only/bin/java", "");

    EXPECT_EQ(CJdkFolderInfo::Describe(root.File("jdk-21")), "javac 21.0.2 in bin/");
    EXPECT_EQ(CJdkFolderInfo::Describe(root.File("bare-jdk")), "javac in bin/, version unknown");
    EXPECT_EQ(CJdkFolderInfo::Describe(root.File("jre-only")), "No bin/javac in this folder.");
    EXPECT_EQ(CJdkFolderInfo::Describe(""), "No bin/javac in this folder.");
    EXPECT_EQ(CJdkFolderInfo::InstalledJdks(root.Path()),
              (std::vector<std::string>{root.File("bare-jdk"), root.File("jdk-21")}));
    EXPECT_TRUE(CJdkFolderInfo::InstalledJdks(root.File("missing")).empty());
}
