#include "project/JavaClass.h"
#include "platform/FileStamp.h"
#include "project/JavaProjectDoc.h"

#include "support/TempDir.h"
#include "support/TestProjectHost.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

class JavaProjectDocTest : public ::testing::Test {
protected:
    CTestProjectHost m_host;
    CTempDir m_dir;
};

const CJavaClass* ClassOf(const CJavaProjectDoc& doc, int file, int cls)
{
    return doc.GetJavaFiles().GetAt(file)->GetClasses().GetAt(cls);
}

}  // namespace

TEST_F(JavaProjectDocTest, ConstructionSetsTheOpenProjectAndCopiesDefaultSwitches)
{
    m_host.m_strJavaOptions = "-Xmx64m";
    m_host.m_strJavac = "-g";
    {
        CJavaProjectDoc doc(m_host);
        EXPECT_EQ(m_host.m_pOpenProject, &doc);
        EXPECT_EQ(doc.GetJavaSwitches(), "-Xmx64m");
        EXPECT_EQ(doc.GetJavacSwitches(), "-g");
    }
    EXPECT_EQ(m_host.m_pOpenProject, nullptr);
}

TEST_F(JavaProjectDocTest, EmptyProjectIsFourteenBytes)
{
    CJavaProjectDoc doc(m_host);
    const auto path = m_dir.File("e.jpr");
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_EQ(CTempDir::Read(path), std::string(14, '\0'));
}

TEST_F(JavaProjectDocTest, StoredItemsInTheirOrderAndTrailingBytesIgnored)
{
    CJavaProjectDoc doc(m_host);
    doc.SetPathName(m_dir.File("p.jpr"));
    ASSERT_TRUE(doc.AddJavaFile(m_dir.File("Main.java")));
    doc.AddPlainFile(m_dir.File("a.html"));
    doc.SetMainJavaFile("Main.java");
    doc.SetMainHtmlFile("a.html");
    doc.SetJavaSwitches("-cp .");
    doc.SetJavacSwitches("-g");
    ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    const std::string bytes = CTempDir::Read(doc.GetPathName());
    const std::string d = m_dir.Path();
    // Items 3 to 8: main Java file, main folder, package, main HTML file, Java and javac switches.
    const std::string tail = std::string("\x09" "Main.java") + static_cast<char>(d.size()) + d + std::string(1, '\0') +
                             "\x06" "a.html" "\x05" "-cp ." "\x02" "-g";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    m_dir.Write("p.jpr", bytes + "garbage after the last item");
    CJavaProjectDoc other(m_host);
    ASSERT_TRUE(other.OnOpenDocument(m_dir.File("p.jpr")));
    EXPECT_EQ(other.GetMainJavaFile(), "Main.java");
    EXPECT_EQ(other.GetMainFolder(), d);
    EXPECT_EQ(other.GetMainHtmlFile(), "a.html");
    EXPECT_EQ(other.GetJavaSwitches(), "-cp .");
    EXPECT_EQ(other.GetJavacSwitches(), "-g");
    EXPECT_EQ(other.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(other.GetPlainFiles().GetCount(), 1);
    EXPECT_FALSE(other.IsModified());
}

TEST_F(JavaProjectDocTest, ZeroLengthFileIsAnEmptyProjectWithTheCurrentDefaults)
{
    m_host.m_strJavac = "-deprecation";
    const auto path = m_dir.Write("z.jpr", "");
    CJavaProjectDoc doc(m_host);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetJavacSwitches(), "-deprecation");
    EXPECT_EQ(doc.GetJavaFiles().GetCount(), 0);
}

TEST_F(JavaProjectDocTest, TruncatedFileIsRefusedAtEveryCut)
{
    CJavaProjectDoc doc(m_host);
    doc.SetPathName(m_dir.File("full.jpr"));
    doc.AddJavaFile("/src/A.java");
    doc.BeginFileScan("/src/A.java");
    doc.AddClass("/src/A.java", "A");
    doc.AddMethod("/src/A.java", "A", "f()");
    doc.SetMainJavaFile("A.java");
    ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    const std::string bytes = CTempDir::Read(doc.GetPathName());
    for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
        const auto path = m_dir.Write("cut.jpr", bytes.substr(0, cut));
        CJavaProjectDoc damaged(m_host);
        m_host.m_ui.ExpectMessage("Unexpected file format.");
        EXPECT_FALSE(damaged.OnOpenDocument(path)) << cut;
        EXPECT_EQ(damaged.GetJavaFiles().GetCount(), 0) << "a refused file leaves no half-loaded entries";
    }
}

// Two files of one name in different folders (Document.java of two packages) were one entry
// re-pointed at the second: the first dropped from the project without a word. Now the second
// is refused, naming both.
TEST_F(JavaProjectDocTest, AddJavaFileByPathAndByName)
{
    CJavaProjectDoc doc(m_host);
    EXPECT_TRUE(doc.AddJavaFile("/a/X.java"));
    doc.AddClass("/a/X.java", "X");
    EXPECT_FALSE(doc.AddJavaFile("/a/X.java")) << "the same path twice";
    EXPECT_TRUE(m_host.m_ui.Messages().empty()) << "a file already in the project is not refused";
    m_host.m_ui.ExpectMessage("You cannot add two Java files with the same name to a project.\n/b/X.java\n"
                              "was not added: /a/X.java\nis already in it.");
    EXPECT_FALSE(doc.AddJavaFile("/b/X.java"));
    ASSERT_EQ(doc.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(doc.GetJavaFiles().GetAt(0)->GetPath(), "/a/X.java");
    EXPECT_EQ(ClassOf(doc, 0, 0)->GetName(), "X");
    EXPECT_TRUE(doc.AddJavaFile("/b/x.java")) << "names compare case-sensitively";
    EXPECT_EQ(doc.GetJavaFiles().GetCount(), 2);
}

TEST_F(JavaProjectDocTest, FullListRefusesTheNewEntryAndSaysSo)
{
    CJavaProjectDoc doc(m_host);
    for (int i = 0; i < 255; ++i)
        ASSERT_TRUE(doc.AddJavaFile("/p/F" + std::to_string(i) + ".java"));
    m_host.m_ui.ExpectMessage("1 file was not added: a project holds at most 255 Java files.");
    EXPECT_FALSE(doc.AddJavaFile("/p/F255.java"));
    EXPECT_EQ(doc.GetJavaFiles().GetCount(), 255);
    EXPECT_EQ(doc.GetFilePath("F255.java"), "NOFILE");

    for (int i = 0; i < 255; ++i)
        ASSERT_TRUE(doc.AddPlainFile("/p/p" + std::to_string(i) + ".html"));
    m_host.m_ui.ExpectMessage("1 file was not added: a project holds at most 255 HTML files.");
    EXPECT_FALSE(doc.AddPlainFile("/p/last.html"));
    m_host.m_ui.ExpectOpenFiles({"/p/other.html"});
    m_host.m_ui.ExpectMessage("1 file was not added: a project holds at most 255 HTML files.");
    doc.AddHtmlFile();
    EXPECT_EQ(doc.GetPlainFiles().GetCount(), 255);
}

TEST_F(JavaProjectDocTest, FilePathLookupRelocatesAndMainFolderFollows)
{
    CJavaProjectDoc doc(m_host);
    doc.SetPathName("/old/p.jpr");
    doc.AddJavaFile("/old/src/A.java");
    doc.AddPlainFile("/old/web/a.html");
    doc.SetPathName("/new/p.jpr");
    EXPECT_EQ(doc.GetPlainFilePath("a.html"), "/old/web/a.html") << "the plain lookup is not relocated";
    EXPECT_EQ(doc.GetFilePath("A.java"), "/new/src/A.java");
    EXPECT_EQ(doc.GetFilePath("a.html"), "/new/web/a.html");
    EXPECT_EQ(doc.GetFilePath("nothing.java"), "NOFILE");
    EXPECT_EQ(doc.GetPlainFilePath("nothing.html"), "");
    doc.SetMainJavaFile("A.java");
    EXPECT_EQ(doc.GetMainFolder(), "/new/src");
    doc.SetMainJavaFile("nothing.java");
    EXPECT_EQ(doc.GetMainFolder(), "");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(JavaProjectDocTest, ProjectMovedWithItsSourcesFindsThemInTheNewPlace)
{
    const std::string oldRoot = m_dir.Path() + "/p";
    const std::string newRoot = m_dir.Path() + "/q";
    {
        CJavaProjectDoc doc(m_host);
        doc.SetPathName(oldRoot + "/p.jpr");
        doc.AddJavaFile(oldRoot + "/src/Main.java");
        m_dir.Write("p/p.jpr", "");
        ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    }
    std::filesystem::rename(oldRoot, newRoot);
    CJavaProjectDoc moved(m_host);
    ASSERT_TRUE(moved.OnOpenDocument(newRoot + "/p.jpr"));
    moved.SetPathName(newRoot + "/p.jpr");
    EXPECT_EQ(moved.GetJavaFiles().GetAt(0)->GetPath(), oldRoot + "/src/Main.java") << "stored paths load as stored";
    EXPECT_EQ(moved.GetFilePath("Main.java"), newRoot + "/src/Main.java");
}

TEST_F(JavaProjectDocTest, RemoveFileTakesThePlainAndTheJavaEntry)
{
    CJavaProjectDoc doc(m_host);
    doc.AddJavaFile("/p/A.java");
    doc.AddJavaFile("/p/B.java");
    doc.AddPlainFile("/p/A.java");
    doc.SetModifiedFlag(false);
    doc.RemoveFile("/p/A.java");
    EXPECT_EQ(doc.GetPlainFiles().GetCount(), 0);
    ASSERT_EQ(doc.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(doc.GetJavaFiles().GetAt(0)->GetName(), "B.java");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(JavaProjectDocTest, ClassInformationCalls)
{
    CJavaProjectDoc doc(m_host);
    doc.AddJavaFile("/p/A.java");
    doc.BeginFileScan("/p/A.java");
    doc.AddClass("/p/A.java", "A");
    doc.AddClass("/p/A.java", "A");
    doc.AddMethod("/p/A.java", "A", "f()");
    doc.AddMethod("/p/A.java", "A", "f()");
    doc.AddMethod("/p/A.java", "Missing", "g()");
    doc.AddInnerClass("/p/A.java", "A", "In");
    doc.AddInnerClass("/p/A.java", "A", "In");
    doc.AddInnerMethod("/p/A.java", "A", "In", "h(int x)");
    doc.AddInnerMethod("/p/A.java", "A", "In", "h(int x)");
    doc.AddClass("/p/NotInProject.java", "Z");
    m_host.m_ui.ExpectMessage("Error parsing file");
    doc.AddInnerMethod("/p/A.java", "A", "NoSuchInner", "k()");
    doc.EndFileScan();

    // A call that finds its item already there still marks the project; one that finds no
    // class does not.
    doc.SetModifiedFlag(false);
    doc.AddMethod("/p/A.java", "Missing", "g()");
    EXPECT_FALSE(doc.IsModified());
    doc.AddMethod("/p/A.java", "A", "f()");
    EXPECT_TRUE(doc.IsModified());

    ASSERT_EQ(doc.GetJavaFiles().GetAt(0)->GetClasses().GetCount(), 1);
    const CJavaClass* a = ClassOf(doc, 0, 0);
    EXPECT_EQ(a->GetMethods(), std::vector<std::string>{"f()"});
    ASSERT_EQ(a->GetInnerClasses().GetCount(), 1);
    EXPECT_EQ(a->GetInnerClasses().GetAt(0)->GetMethods(), std::vector<std::string>{"h(int x)"});

    doc.BeginFileScan("/p/A.java");
    EXPECT_EQ(doc.GetJavaFiles().GetAt(0)->GetClasses().GetCount(), 0) << "a new scan starts empty";
}

// Checked against a plain walk of the methods found so far, over enough signatures to grow the
// class's index of them several times, with each repeat far from its first: a signature the
// index loses is added twice, one it wrongly holds is never added.
TEST_F(JavaProjectDocTest, EachMethodIsAddedOnceInTheOrderFirstFound)
{
    CJavaProjectDoc doc(m_host);
    doc.AddJavaFile("/p/A.java");
    doc.AddClass("/p/A.java", "A");
    doc.AddInnerClass("/p/A.java", "A", "In");
    std::vector<std::string> expected;
    for (int i = 0; i < 2000; ++i) {
        const int n = (i * 7919) % 1201;
        const std::string signature = (n % 3 == 0 ? "M" : "m") + std::to_string(n / 3) + (n % 2 == 0 ? "()" : "( )");
        doc.AddMethod("/p/A.java", "A", signature);
        doc.AddInnerMethod("/p/A.java", "A", "In", signature);
        if (std::find(expected.begin(), expected.end(), signature) == expected.end())
            expected.push_back(signature);
    }
    ASSERT_EQ(expected.size(), 1201u);
    const CJavaClass* a = ClassOf(doc, 0, 0);
    EXPECT_EQ(a->GetMethods(), expected);
    EXPECT_EQ(a->GetInnerClasses().GetAt(0)->GetMethods(), expected);
}

TEST_F(JavaProjectDocTest, TitledProjectIsRewrittenOnCloseWithoutAQuestion)
{
    const auto path = m_dir.Write("t.jpr", std::string(14, '\0'));
    CJavaProjectDoc doc(m_host);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.SetPathName(path);
    const CFileStamp before = CFileStamp::Of(path);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_NE(CFileStamp::Of(path), before) << "written again, unchanged";
    EXPECT_EQ(CTempDir::Read(path), std::string(14, '\0'));
    // Another program's newer file is not written over unasked; with no changes of the
    // project's own there is nothing to ask about.
    m_dir.Write("t.jpr", "not a project any more");
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(CTempDir::Read(path), "not a project any more");
    doc.OnCloseDocument();
    EXPECT_EQ(m_host.m_added, std::vector<std::string>{path});
    EXPECT_EQ(m_host.m_saved, std::vector<std::string>{path});
}

TEST_F(JavaProjectDocTest, ReadOnlyOrVanishedProjectGoesThroughSaveAs)
{
    const auto path = m_dir.Write("ro.jpr", std::string(14, '\0'));
    ::chmod(path.c_str(), 0444);
    Unprivileged::MakeTraversable(m_dir.Path());
    Unprivileged::GiveToUser(path);
    Unprivileged::Run([&] {
        CTestProjectHost host;
        CJavaProjectDoc doc(host);
        doc.SetPathName(path);
        host.m_ui.ExpectSaveFile("");
        EXPECT_FALSE(doc.SaveModified()) << "Save As cancelled";
        EXPECT_EQ(host.m_ui.FileDialogs().back().defaultExtension, "jpr");
        EXPECT_EQ(host.m_ui.FileDialogs().back().initialName, "ro.jpr");
    });

    CJavaProjectDoc doc(m_host);
    doc.SetPathName(m_dir.File("gone.jpr"));
    m_host.m_ui.ExpectSaveFile(m_dir.File("saved.jpr"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.GetPathName(), m_dir.File("saved.jpr"));
}

TEST_F(JavaProjectDocTest, UntitledModifiedProjectAsksToSave)
{
    CJavaProjectDoc doc(m_host);
    doc.SetTitle("JavaProject1");
    EXPECT_TRUE(doc.SaveModified()) << "unmodified and untitled: nothing to ask";
    doc.AddPlainFile("/p/a.html");
    m_host.m_ui.ExpectMessage("Save changes to JavaProject1?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    EXPECT_FALSE(doc.SaveModified());
    doc.OnCloseDocument();
    EXPECT_TRUE(m_host.m_added == std::vector<std::string>{""});
    EXPECT_EQ(m_host.m_saved, std::vector<std::string>{""});
}

TEST_F(JavaProjectDocTest, AddJavaFilesCommand)
{
    CJavaProjectDoc doc(m_host);
    m_host.m_ui.ExpectOpenFiles({"/p/A.java"});
    doc.AddJavaFiles();
    const CFileDialogSpec& request = m_host.m_ui.FileDialogs().back();
    EXPECT_EQ(request.filter, "Java Source Files (*.jav;*.java)|*.jav;*.java|All Files (*.*)|*.*||");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_TRUE(request.allowMultiple);
    EXPECT_TRUE(request.hideReadOnly);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    m_host.m_ui.ExpectOpenFiles({"/p/A.java"});
    doc.AddJavaFiles();
    EXPECT_FALSE(doc.IsModified()) << "one file already there changes nothing";

    m_host.m_ui.ExpectOpenFiles({"/p/A.java", "/p/B.java"});
    doc.AddJavaFiles();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetJavaFiles().GetCount(), 2);

    doc.SetModifiedFlag(false);
    m_host.m_ui.ExpectOpenFiles({});
    doc.AddJavaFiles();
    EXPECT_FALSE(doc.IsModified());
}

// Adding 300 files kept 255 and said nothing. What fits goes in; then one message names the
// files refused for their names (the first ten of them) and one counts those left without room.
TEST_F(JavaProjectDocTest, AddJavaFilesSaysWhatItRefused)
{
    CJavaProjectDoc doc(m_host);
    ASSERT_TRUE(doc.AddJavaFile("/a/F0.java"));
    std::vector<std::string> chosen;
    for (int i = 0; i < 300; ++i)
        chosen.push_back("/p/F" + std::to_string(i) + ".java");
    for (int i = 0; i < 11; ++i)
        chosen.push_back("/q/F" + std::to_string(i + 1) + ".java");
    m_host.m_ui.ExpectOpenFiles(chosen);
    std::string sameNames = "You cannot add two Java files with the same name to a project. These were not added:\n"
                            "/p/F0.java (/a/F0.java is in it)";
    for (int i = 1; i < 10; ++i)
        sameNames += "\n/q/F" + std::to_string(i) + ".java (/p/F" + std::to_string(i) + ".java is in it)";
    m_host.m_ui.ExpectMessage(sameNames + "\nand 2 more.");
    m_host.m_ui.ExpectMessage("45 files were not added: a project holds at most 255 Java files.");
    doc.AddJavaFiles();
    EXPECT_EQ(doc.GetJavaFiles().GetCount(), 255);
    EXPECT_EQ(doc.GetJavaFiles().GetAt(254)->GetPath(), "/p/F254.java");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(JavaProjectDocTest, AddHtmlFileCommandRefusesDuplicates)
{
    CJavaProjectDoc doc(m_host);
    doc.SetPathName("/p/p.jpr");
    m_host.m_ui.ExpectOpenFiles({"/p/a.html"});
    doc.AddHtmlFile();
    EXPECT_EQ(m_host.m_ui.FileDialogs().back().filter, "HTML Files (*.htm;*.html)|*.htm;*.html||");
    EXPECT_EQ(m_host.m_ui.FileDialogs().back().defaultExtension, "html");
    ASSERT_EQ(doc.GetPlainFiles().GetCount(), 1);
    EXPECT_EQ(doc.GetPlainFiles().GetAt(0)->GetProjectPath(), "/p/p.jpr");

    m_host.m_ui.ExpectOpenFiles({"/p/a.html"});
    m_host.m_ui.ExpectMessage("File is already in project.");
    doc.AddHtmlFile();
    m_host.m_ui.ExpectOpenFiles({"/q/a.html"});
    m_host.m_ui.ExpectMessage("You cannot add two HTML files with the same name to a project.");
    doc.AddHtmlFile();
    EXPECT_EQ(doc.GetPlainFiles().GetCount(), 1);
}

// The run commands put the package before the main class; it must follow the main file whichever
// way the file was chosen or changed, and a project opened from disk must not turn modified.
TEST_F(JavaProjectDocTest, MainPackageFollowsTheMainFileWhenChosenOpenedAndScanned)
{
    const std::string main = m_dir.Write("src/org/example/app/Main.java", "/* x */ package org.example.app;\n");
    m_dir.Write("src/Other.java", "class Other {}\n");
    CJavaProjectDoc doc(m_host);
    doc.SetPathName(m_dir.File("p.jpr"));
    doc.AddJavaFile(main);
    doc.AddJavaFile(m_dir.File("src/Other.java"));
    doc.SetMainJavaFile("Main.java");
    EXPECT_EQ(doc.GetMainPackage(), "org.example.app");
    ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));

    doc.SetMainJavaFile("Other.java");
    EXPECT_EQ(doc.GetMainPackage(), "") << "the new main file has none";
    doc.SetMainJavaFile("Gone.java");
    EXPECT_EQ(doc.GetMainPackage(), "") << "a file that cannot be read has no known package";

    // Opened again after the file changed on disk: the package is the file's, and the project as stored.
    m_dir.Write("src/org/example/app/Main.java", "package org.example;\n");
    CJavaProjectDoc opened(m_host);
    ASSERT_TRUE(opened.OnOpenDocument(m_dir.File("p.jpr")));
    opened.SetPathName(m_dir.File("p.jpr"));
    EXPECT_EQ(opened.GetMainPackage(), "org.example");
    EXPECT_FALSE(opened.IsModified());

    // A scan of the main file's text, saved or not, gives its package; other files change nothing.
    opened.NoteScannedSource(m_dir.File("src/Other.java"), "package elsewhere;");
    EXPECT_EQ(opened.GetMainPackage(), "org.example");
    opened.NoteScannedSource(main, "package org.example.app;");
    EXPECT_EQ(opened.GetMainPackage(), "org.example.app");
    EXPECT_TRUE(opened.IsModified());
}
