// The applet host that Run Applet falls back on when the JDK has no applet viewer, run with the
// installed JDK as Ondrik runs it: in the page's folder, on a display of the test's own.
#include "ToolProcess.h"
#include "support/TempDir.h"
#include "support/TestDisplay.h"

#include "app/AppResources.h"
#include "app/ProjectTemplates.h"
#include "framework/Resources.h"
#include "platform/JdkRegistryView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

using namespace std::chrono_literals;

const std::string kHostJar = ONDRIK_APPLET_HOST_JAR;

// Prints what it is given and what it is asked, at each step of its life. Like many an
// animation, it leaves a thread of its own running after stop.
const char* const kProbeSource = R"(import java.applet.Applet;
import java.awt.Graphics;

public class Probe extends Applet {
    public void init() {
        System.out.println("init active=" + isActive());
        System.out.println("greeting=" + getParameter("GREETING"));
        System.out.println("count=" + getParameter("count"));
        System.out.println("width=" + getParameter("width"));
        System.out.println("missing=" + getParameter("missing"));
        System.out.println("codebase=" + getCodeBase());
        System.out.println("documentbase=" + getDocumentBase());
        showStatus("status\nline");
    }
    public void start() {
        System.out.println("start active=" + isActive());
        new Thread(() -> {
            try { Thread.sleep(Long.MAX_VALUE); } catch (InterruptedException e) { }
        }).start();
    }
    public void paint(Graphics g) { g.drawString("say \"" + getParameter("count") + "\"", 5, 50); }
    public void stop() { System.out.println("stop active=" + isActive()); }
    public void destroy() { System.out.println("destroy"); }
}
)";

// The tag in the comment names a class that does not exist: a host that read it would fail.
const char* const kProbePage = "<html><body>\n"
                               "<!-- <applet code=\"Missing.class\" width=1 height=1></applet> -->\n"
                               "<Applet Code=Probe Codebase='classes' width=200 HEIGHT=\"100\">\n"
                               "  <PARAM NAME=greeting VALUE=\"Hi &quot;there&quot;\">\n"
                               "  <param name='Count' value=3>\n"
                               "</applet>\n"
                               "</body></html>\n";

class AppletHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strJdk = CJdkRegistryView::FindDefaultJdk(CJdkSearch::FromEnvironment());
        ASSERT_FALSE(m_strJdk.empty()) << "no JDK: neither " << CJdkSearch::kDefaultJavaPath << " nor javac on PATH";
        ASSERT_FALSE(m_display.Get().empty()) << m_display.Error();
        m_strFolder = std::filesystem::canonical(m_dir.Path()).string();
    }

    // javac in a folder of the test's, as a build would run it.
    void Compile(const std::string& folder, const std::string& files)
    {
        const CToolResult result = RunTool(m_strJdk + "/bin/javac", "javac -nowarn " + files, folder,
                                           m_display.ChildEnvironment());
        ASSERT_EQ(result.nExitCode, 0) << result.strOut << result.strErr;
    }

    // The command line Run Applet gives java, the page name in quotes.
    std::string HostCommand(const std::string& options, const std::string& page) const
    {
        return "java -cp \"" + kHostJar + "\" OndrikAppletHost " + options + " \"" + page + "\"";
    }

    CToolResult RunHost(const std::string& options, const std::string& page)
    {
        return RunTool(m_strJdk + "/bin/java", HostCommand(options, page), m_strFolder, m_display.ChildEnvironment());
    }

    void WriteProbe()
    {
        m_dir.Write("classes/Probe.java", kProbeSource);
        m_dir.Write("page.html", kProbePage);
        Compile(m_dir.File("classes"), "Probe.java");
    }

    CTempDir m_dir;
    CTestDisplay m_display;
    std::string m_strJdk;
    std::string m_strFolder;  // the temporary folder with its links resolved, as java sees it
};

}  // namespace

// Would fail if the host could not run the page New Project writes for an applet (CR LF line
// ends, upper-case tag and attribute names, code with ".class"), painted at another place or
// size, or did not end by itself.
TEST_F(AppletHost, TemplateAppletPaintsHelloWorld)
{
    CResources resources;
    LoadAppResources(resources);
    const auto written = [&](int id) {
        return ProjectTemplates::TextModeBytes(ProjectTemplates::ReplaceAll(resources.GetString(id), "MyApplet", "Hello"));
    };
    m_dir.Write("Hello.java", written(Res::IDS_APPLET_TEMPLATE));
    m_dir.Write("Example1.html", written(Res::IDS_APPLET_PAGE_TEMPLATE));
    Compile(m_strFolder, "Hello.java");

    const CToolResult result = RunHost("--paint-once", "Example1.html");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "paint Hello 300 300\ndrawString \"Hello World\" 20 20\n");
    EXPECT_EQ(result.strErr, "");
}

// Would fail on parameters or attributes read by the wrong case or with their quotes or
// entities left in, a code base not taken relative to the page, a tag inside a comment taken
// for real, showStatus writing more than one line, or the life cycle out of order or with the
// wrong isActive at a step.
TEST_F(AppletHost, PageParametersAndCodeBaseReachTheApplet)
{
    WriteProbe();
    const CToolResult result = RunHost("--paint-once", "page.html");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "init active=false\n"
                             "greeting=Hi \"there\"\n"
                             "count=3\n"
                             "width=200\n"
                             "missing=null\n"
                             "codebase=file:" + m_strFolder + "/classes/\n"
                             "documentbase=file:" + m_strFolder + "/page.html\n"
                             "status line\n"
                             "start active=true\n"
                             "paint Probe 200 100\n"
                             "drawString \"say \\\"3\\\"\" 5 50\n"
                             "stop active=false\n"
                             "destroy\n");
    EXPECT_EQ(result.strErr, "");
}

// Would fail if the applet's window never showed, had another size than the tag's, or if
// closing it did not stop and destroy the applet and end the program with 0, whatever threads
// the applet left: the Process Window would then wait for ever.
TEST_F(AppletHost, ClosingTheWindowStopsDestroysAndExitsZero)
{
    WriteProbe();
    CToolProcess host;
    ASSERT_TRUE(host.Start(m_strJdk + "/bin/java", HostCommand("", "page.html"), m_strFolder,
                           m_display.ChildEnvironment()));
    const auto shown = m_display.CloseWindow("Applet: Probe", 60s);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->nWidth, 200);
    EXPECT_EQ(shown->nHeight, 100);

    const CToolResult result = host.Finish(60s);
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    const std::string ending = "start active=true\nstop active=false\ndestroy\n";
    EXPECT_TRUE(result.strOut.ends_with(ending)) << result.strOut;
}

// Would fail on a fault that passes for success or for another fault, a message that does not
// say what to do (the class not compiled), or one spread over several lines.
TEST_F(AppletHost, BrokenPagesAndClassesFailWithTheirCodeAndOneLine)
{
    m_dir.Write("Plain.java", "public class Plain { }\n");
    m_dir.Write("Thrower.java", "public class Thrower extends java.applet.Applet {\n"
                                "    public void init() { throw new IllegalStateException(\"broken\"); }\n"
                                "}\n");
    Compile(m_strFolder, "Plain.java Thrower.java");
    struct Row {
        const char* page;
        const char* text;  // nullptr: no such file
        int nExitCode;
        std::string firstLine;
    };
    const Row rows[] = {
        {"Nothing.html", nullptr, 3, "cannot read the page Nothing.html: no such file"},
        {"NoTag.html", "<html><body><p>No applet here.</p></body></html>", 4, "NoTag.html: no <applet> tag in the page"},
        {"NoCode.html", "<html>\n<applet width=10 height=10></applet>", 4,
         "NoCode.html:2: the <applet> tag has no code attribute"},
        {"Gone.html", "<applet code=\"Gone.class\" width=10 height=10></applet>", 5,
         "Gone.html:1: class Gone not found: there is no Gone.class in " + m_strFolder +
             "/ (compile Gone.java first)"},
        {"Plain.html", "<applet code=Plain width=10 height=10></applet>", 6,
         "Plain.html:1: class Plain is not an applet (it does not extend java.applet.Applet)"},
        {"Thrower.html", "<applet code=Thrower width=10 height=10></applet>", 7,
         "Thrower.html:1: Thrower.init() threw java.lang.IllegalStateException: broken"},
    };
    for (const Row& row : rows) {
        if (row.text != nullptr)
            m_dir.Write(row.page, row.text);
        const CToolResult result = RunHost("", row.page);
        EXPECT_EQ(result.nExitCode, row.nExitCode) << row.page;
        EXPECT_EQ(result.strOut, "") << row.page;
        const std::string firstLine = result.strErr.substr(0, result.strErr.find('\n'));
        EXPECT_EQ(firstLine, row.firstLine) << row.page;
        // Only an applet that threw adds its stack trace below the line.
        const bool bTrace = result.strErr.find("\tat Thrower.init(") != std::string::npos;
        EXPECT_EQ(bTrace, row.nExitCode == 7) << row.page << ": " << result.strErr;
        if (row.nExitCode != 7) {
            EXPECT_EQ(result.strErr, row.firstLine + "\n") << row.page;
        }
    }
}
