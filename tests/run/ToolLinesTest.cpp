#include "run/ToolLines.h"

#include "project/SourceRoot.h"

#include <gtest/gtest.h>

namespace {

// Where the tools work on the file at path, declaring package.
CSourceRoot Root(const std::string& path, const std::string& package = "")
{
    return SourceRoot::Find(path, package).value();
}

}  // namespace

// Each command's tool, line, folder and caption, as the build and run commands start them.
TEST(ToolLines, EachCommandsLineFolderAndCaption)
{
    using namespace ToolLines;
    struct Row {
        CToolLine line;
        CToolLine expected;
    };
    const Row rows[] = {
        {Build("/jdk", Root("/p/src/Main.java"), ""),
         {"/jdk/bin/javac", "javac Main.java", "/p/src", "Building \"/p/src/Main.java\""}},
        {Build("/jdk", Root("/p/src/Main.java"), "-g"), {"/jdk/bin/javac", "javac Main.java -g", "/p/src", "Building \"/p/src/Main.java\""}},
        {Compile("/jdk", Root("/p/A.java"), "-Xlint", ""), {"/jdk/bin/javac", "javac A.java -Xlint", "/p", ""}},
        {RunMain("/jdk", "java", Root("/p/Main.java"), ""), {"/jdk/bin/java", "java  Main", "/p", "java  Main"}},
        {RunMain("/jdk", "java", Root("/p/app/Main.java", "app"), "-cp ."),
         {"/jdk/bin/java", "java -cp . app.Main", "/p", "java -cp . app.Main"}},
        {RunMain("/jdk", "jdb", Root("/p/Main.java"), ""), {"/jdk/bin/jdb", "jdb  Main", "/p", "jdb  Main"}},
        {RunMain("/jdk", "java", Root("/p/Main"), ""), {"/jdk/bin/java", "java  ", "/p", "java  "}},
        {AppletViewer("/jdk", "/p/web/Example1.html"),
         {"/jdk/bin/appletviewer", "appletviewer \"Example1.html\"", "/p/web", "AppletViewer: \"/p/web/Example1.html\""}},
        {AppletHost("/jdk", "/opt/ondrik/applethost.jar", "/p/web/Example1.html"),
         {"/jdk/bin/java", "java -cp \"/opt/ondrik/applethost.jar\" OndrikAppletHost \"Example1.html\"", "/p/web",
          "AppletViewer: \"/p/web/Example1.html\""}},
        {CreateJar("/jdk", Root("/p/src/Main.java"), {}, "/out/manifest.txt", "/out/Main.jar"),
         {"/jdk/bin/jar", "jar cmfv \"/out/manifest.txt\" \"/out/Main.jar\" *.class", "/p/src",
          "Creating jar /out/Main.jar"}},
        {ArchiveListing("/jdk/", "/lib/my classes.jar"), {"/jdk//bin/jar", "jar tvf \"my classes.jar\"", "/lib", ""}},
        // A main class in a package: every tool works in the source root and names it in full.
        {Build("/jdk", Root("/p/src/org/example/app/Main.java", "org.example.app"), "-g"),
         {"/jdk/bin/javac", "javac org/example/app/Main.java -g", "/p/src",
          "Building \"/p/src/org/example/app/Main.java\""}},
        {Compile("/jdk", Root("/p/src/org/example/util/Text.java", "org.example.util"), "", ""),
         {"/jdk/bin/javac", "javac org/example/util/Text.java", "/p/src", ""}},
        {RunMain("/jdk", "java", Root("/p/src/org/example/app/Main.java", "org.example.app"), ""),
         {"/jdk/bin/java", "java  org.example.app.Main", "/p/src", "java  org.example.app.Main"}},
        {RunMain("/jdk", "jdb", Root("/p/src/org/example/app/Main.java", "org.example.app"), "-cp lib/*"),
         {"/jdk/bin/jdb", "jdb -cp lib/* org.example.app.Main", "/p/src", "jdb -cp lib/* org.example.app.Main"}},
        {CreateJar("/jdk", Root("/p/src/org/example/app/Main.java", "org.example.app"),
                   {"org/example/app", "org/example/util"}, "/out/manifest.txt", "/out/Main.jar"),
         {"/jdk/bin/jar",
          "jar cmfv \"/out/manifest.txt\" \"/out/Main.jar\" org/example/app/*.class org/example/util/*.class", "/p/src",
          "Creating jar /out/Main.jar"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.line.strApplication, row.expected.strApplication) << row.expected.strCommandLine;
        EXPECT_EQ(row.line.strCommandLine, row.expected.strCommandLine);
        EXPECT_EQ(row.line.strFolder, row.expected.strFolder) << row.expected.strCommandLine;
        EXPECT_EQ(row.line.strCaption, row.expected.strCaption) << row.expected.strCommandLine;
    }
    EXPECT_EQ(ClassForManifest("Main.java"), "Main");
    EXPECT_EQ(ClassForManifest("a.javaMain.java"), "aMain") << "every .java goes";
    EXPECT_EQ(ClassForManifest("Main.java", "org.example.app"), "org.example.app.Main") << "after its package";
}
