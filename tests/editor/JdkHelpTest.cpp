#include "editor/JdkHelp.h"

#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kNotFound = "\nCannot find this file.\nPlease verify that the correct path and file name are given.";

// An installed documentation set in the javadoc's own shapes: an index above the API folder,
// the API folder with its search scripts, pages filed by module and package.
class JdkHelpTest : public ::testing::Test {
protected:
    JdkHelpTest()
    {
        m_dir.Write("docs/index.html", "<meta http-equiv=\"refresh\" content=\"0;url=api/index.html\">");
        m_dir.Write("docs/api/index.html", "<html></html>");
        m_dir.Write("docs/api/type-search-index.js",
                    "typeSearchIndex = [{\"l\":\"All Classes and Interfaces\",\"u\":\"allclasses-index.html\"},"
                    "{\"p\":\"java.awt\",\"l\":\"List\"},{\"p\":\"java.util\",\"l\":\"List\"},"
                    "{\"p\":\"java.util\",\"l\":\"Map.Entry\"},"
                    "{\"p\":\"java.nio.channels.spi\",\"m\":\"java.base\",\"l\":\"SelectorProvider\"},"
                    "{\"p\":\"java.lang\",\"l\":\"Str\\u0069ng\"},{\"p\":\"java.lang\",\"l\":\"Gone\"}];"
                    "updateSearchResults();");
        m_dir.Write("docs/api/package-search-index.js",
                    "packageSearchIndex = [{\"l\":\"All Packages\",\"u\":\"allpackages-index.html\"},"
                    "{\"m\":\"java.desktop\",\"l\":\"java.awt\"},{\"m\":\"java.base\",\"l\":\"java.lang\"},"
                    "{\"m\":\"java.base\",\"l\":\"java.util\"}];updateSearchResults();");
        for (const char* page : {"java.base/java/lang/String.html", "java.base/java/util/List.html",
                                 "java.desktop/java/awt/List.html", "java.base/java/util/Map.Entry.html",
                                 "java.base/java/nio/channels/spi/SelectorProvider.html"})
            m_dir.Write(std::string("docs/api/") + page, "<html></html>");
        m_dir.Write("plain/help.html", "<html></html>");
    }

    CTempDir m_dir;
};

}  // namespace

// Each help path and selection opens one page, or says which file it cannot find.
TEST_F(JdkHelpTest, SelectionOpensItsClassPageTheIndexOrTheHelpFileAsItIs)
{
    const std::string api = m_dir.File("docs/api");
    const struct {
        std::string helpPath;
        std::string selected;
        std::string opened;  // empty: the message instead
        std::string missing;
    } cases[] = {
        {api, "String", api + "/java.base/java/lang/String.html", ""},
        {api + "/index.html", " String\r\n", api + "/java.base/java/lang/String.html", ""},
        {m_dir.File("docs"), "Map.Entry", api + "/java.base/java/util/Map.Entry.html", ""},
        {m_dir.File("docs/index.html"), "List", api + "/java.desktop/java/awt/List.html", ""},
        {api, "java.util.List", api + "/java.base/java/util/List.html", ""},
        {api, "SelectorProvider", api + "/java.base/java/nio/channels/spi/SelectorProvider.html", ""},
        {api, "string", api + "/java.base/java/lang/String.html", ""},
        {api, "Nowhere", api + "/index.html", ""},
        {api, "Gone", api + "/index.html", ""},
        {api, "", api + "/index.html", ""},
        {m_dir.File("docs"), "", m_dir.File("docs/index.html"), ""},
        {m_dir.File("plain/help.html"), "String", m_dir.File("plain/help.html"), ""},
        {m_dir.File("plain"), "String", m_dir.File("plain"), ""},
        {m_dir.File("absent/help.html"), "String", "", m_dir.File("absent/help.html")},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        CScriptedUi ui;
        CRecordingShell shell;
        if (c.opened.empty())
            ui.ExpectMessage(c.missing + kNotFound);
        JdkHelp::Show(ui, shell, c.helpPath, c.selected);
        EXPECT_EQ(shell.m_opened, c.opened.empty() ? std::vector<std::string>() : std::vector {c.opened})
            << c.helpPath << " / " << c.selected;
        EXPECT_TRUE(ui.AllAnswered()) << c.helpPath << " / " << c.selected;
    }
}

// A page the desktop does not open is reported like a missing one.
TEST_F(JdkHelpTest, PageTheDesktopRefusesIsReported)
{
    CScriptedUi ui;
    CRecordingShell shell;
    shell.m_bSucceed = false;
    const std::string page = m_dir.File("docs/api/java.base/java/lang/String.html");
    ui.ExpectMessage(page + kNotFound);
    JdkHelp::Show(ui, shell, m_dir.File("docs/api"), "String");
    EXPECT_EQ(shell.m_opened, std::vector {page});
}
