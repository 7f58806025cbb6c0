#include "run/ToolLines.h"

#include <gtest/gtest.h>

// Each command's tool, line, folder and caption, as the build and run commands start them.
TEST(ToolLines, EachCommandsLineFolderAndCaption)
{
    using namespace ToolLines;
    struct Row {
        CToolLine line;
        CToolLine expected;
    };
    const Row rows[] = {
        {Build("/jdk", "/p/src/Main.java", ""),
         {"/jdk/bin/javac", "javac Main.java", "/p/src", "Building \"/p/src/Main.java\""}},
        {Build("/jdk", "/p/src/Main.java", "-g"), {"/jdk/bin/javac", "javac Main.java -g", "/p/src", "Building \"/p/src/Main.java\""}},
        {Compile("/jdk", "/p/A.java", "-Xlint", ""), {"/jdk/bin/javac", "javac A.java -Xlint", "/p", ""}},
        {RunMain("/jdk", "java", "/p/Main.java", "", ""), {"/jdk/bin/java", "java  Main", "/p", "java  Main"}},
        {RunMain("/jdk", "java", "/p/Main.java", "-cp .", "app"),
         {"/jdk/bin/java", "java -cp . app.Main", "/p", "java -cp . app.Main"}},
        {RunMain("/jdk", "jdb", "/p/Main.java", "", ""), {"/jdk/bin/jdb", "jdb  Main", "/p", "jdb  Main"}},
        {RunMain("/jdk", "java", "/p/Main", "", ""), {"/jdk/bin/java", "java  ", "/p", "java  "}},
        {AppletViewer("/jdk", "/p/web/Example1.html"),
         {"/jdk/bin/appletviewer", "appletviewer \"Example1.html\"", "/p/web", "AppletViewer: \"/p/web/Example1.html\""}},
        {AppletHost("/jdk", "/opt/ondrik/applethost.jar", "/p/web/Example1.html"),
         {"/jdk/bin/java", "java -cp \"/opt/ondrik/applethost.jar\" OndrikAppletHost \"Example1.html\"", "/p/web",
          "AppletViewer: \"/p/web/Example1.html\""}},
        {CreateJar("/jdk", "/p/src", "/out/manifest.txt", "/out/Main.jar"),
         {"/jdk/bin/jar", "jar cmfv \"/out/manifest.txt\" \"/out/Main.jar\" *.class", "/p/src",
          "Creating jar /out/Main.jar"}},
        {ArchiveListing("/jdk/", "/lib/my classes.jar"), {"/jdk//bin/jar", "jar tvf \"my classes.jar\"", "/lib", ""}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.line.strApplication, row.expected.strApplication) << row.expected.strCommandLine;
        EXPECT_EQ(row.line.strCommandLine, row.expected.strCommandLine);
        EXPECT_EQ(row.line.strFolder, row.expected.strFolder) << row.expected.strCommandLine;
        EXPECT_EQ(row.line.strCaption, row.expected.strCaption) << row.expected.strCommandLine;
    }
    EXPECT_EQ(ClassForManifest("Main.java"), "Main");
    EXPECT_EQ(ClassForManifest("a.javaMain.java"), "aMain") << "every .java goes";
    EXPECT_EQ(ClassOfFile("a.b.java"), "a.b") << "up to the last dot";
}
