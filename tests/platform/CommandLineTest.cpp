#include "support/TempDir.h"

#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

Args Texts(const std::vector<CommandLine::CArgument>& arguments)
{
    Args texts;
    for (const auto& argument : arguments)
        texts.push_back(argument.strText);
    return texts;
}

}  // namespace

TEST(CommandLine, SplitsByTheWindowsRules)
{
    struct Row {
        const char* line;
        Args args;
    };
    const Row rows[] = {
        {"javac Main.java", {"javac", "Main.java"}},
        {"java  Main", {"java", "Main"}},                            // two blanks after the name
        {"  java\tMain  ", {"java", "Main"}},
        {"", {}},
        {"   ", {}},
        {R"(a "b c" d)", {"a", "b c", "d"}},
        {R"(a "b"c"d e" f)", {"a", "bcd e", "f"}},                  // quotes group inside a word
        {R"(a "" b)", {"a", "", "b"}},                               // an empty quoted argument
        {R"(a b\c\\d)", {"a", R"(b\c\\d)"}},                         // backslashes alone are literal
        {R"(a \"b)", {"a", R"("b)"}},                                // odd run: literal quote
        {R"(a \\"b c")", {"a", R"(\b c)"}},                          // even run: half, quote groups
        {R"(a \\\"b)", {"a", R"(\"b)"}},
        {R"(a "x\\" y)", {"a", R"(x\)", "y"}},                       // a folder ending in a backslash
        {R"(a "say ""hi"" now")", {"a", R"(say "hi" now)"}},         // doubled quote inside quotes
        {R"(a "open)", {"a", "open"}},                               // unclosed quote runs to the end
        {R"(jar cmfv "/tmp/my dir/manifest.txt" "/tmp/my dir/A.jar" *.class)",
         {"jar", "cmfv", "/tmp/my dir/manifest.txt", "/tmp/my dir/A.jar", "*.class"}},
        // The program's name keeps its backslashes; its quotes only group.
        {R"("/opt/my tools/javac" -g)", {"/opt/my tools/javac", "-g"}},
        {R"(C:\jdk\bin\java\ x)", {R"(C:\jdk\bin\java\)", "x"}},
        {R"(a\"b c" d)", {R"(a\b c)", "d"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Texts(CommandLine::Split(row.line)), row.args) << row.line;
}

TEST(CommandLine, RemembersWhichArgumentsWereQuoted)
{
    const auto arguments = CommandLine::Split(R"(jar "*.class" *.class a""b)");
    ASSERT_EQ(arguments.size(), 4u);
    EXPECT_FALSE(arguments[0].bQuoted);
    EXPECT_TRUE(arguments[1].bQuoted);
    EXPECT_FALSE(arguments[2].bQuoted);
    EXPECT_TRUE(arguments[3].bQuoted);
}

TEST(CommandLine, WildcardMatching)
{
    struct Row {
        const char* pattern;
        const char* name;
        bool bMatches;
    };
    const Row rows[] = {
        {"*.class", "A.class", true},    {"*.class", "A.classes", false}, {"*.class", ".class", true},
        {"A?.java", "AB.java", true},    {"A?.java", "A.java", false},    {"*", "", true},
        {"a*b*c", "axxbyyc", true},      {"a*b*c", "axxbyy", false},      {"*.CLASS", "A.class", false},
        {"[ab].txt", "[ab].txt", true},  {"[ab].txt", "a.txt", false},    {"**x", "yx", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CommandLine::MatchesWildcard(row.pattern, row.name), row.bMatches)
            << row.pattern << " on " << row.name;
}

TEST(CommandLine, ExpandsUnquotedWildcardsAgainstTheWorkingFolder)
{
    CTempDir dir;
    for (const char* name : {"B.class", "A.class", "a.class", "my file.class", ".hidden.class", "Main.java",
                             "sub/In.class", "sub/Z.class"})
        dir.Write(name, "");
    struct Row {
        const char* line;
        Args argv;
    };
    const Row rows[] = {
        {"jar cf x.jar *.class", {"jar", "cf", "x.jar", "A.class", "B.class", "a.class", "my file.class"}},
        {"jar \"*.class\"", {"jar", "*.class"}},                       // quoted: kept as written
        {"jar *.none", {"jar", "*.none"}},                             // no match: kept as written
        {"jar .*.class", {"jar", ".hidden.class"}},
        {"jar sub/*.class", {"jar", "sub/In.class", "sub/Z.class"}},
        {"jar s*/In.class", {"jar", "s*/In.class"}},                   // wildcards only in the last part
        {"jar M??n.java", {"jar", "Main.java"}},
        {"*.class x", {"*.class", "x"}},                               // the program's name never expands
        // The JDK reads the value of a path switch itself: "lib/*" is its class-path wildcard.
        {"java -cp sub/* Main *.class", {"java", "-cp", "sub/*", "Main", "A.class", "B.class", "a.class", "my file.class"}},
        {"javac -classpath sub/* --class-path sub/* -sourcepath sub/I* --source-path s?b/* A.java",
         {"javac", "-classpath", "sub/*", "--class-path", "sub/*", "-sourcepath", "sub/I*", "--source-path", "s?b/*", "A.java"}},
        {"java -p sub/* --module-path sub/* -cp:x sub/*", {"java", "-p", "sub/*", "--module-path", "sub/*", "-cp:x", "sub/In.class", "sub/Z.class"}},
        {"java -cp", {"java", "-cp"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CommandLine::ToArgv(row.line, dir.Path()), row.argv) << row.line;

    const std::string absolute = "jar " + dir.Path() + "/sub/I*";
    EXPECT_EQ(CommandLine::ToArgv(absolute, "/"), (Args {"jar", dir.Path() + "/sub/In.class"}));
}

// Each argument quoted and split again comes back as it was, whatever it holds.
TEST(CommandLine, QuotedArgumentsSplitBackUnchanged)
{
    const std::string tricky[] = {"plain", "", "two words", "tab\there", R"(say "hi")", R"(C:\dir\)",
                                  R"(end\)", R"(a\"b)", R"(\\"x\\)", "*.class", R"("")"};
    std::string line = "java";
    for (const std::string& argument : tricky)
        line += " " + CommandLine::Quote(argument);
    Args expected = {"java"};
    expected.insert(expected.end(), std::begin(tricky), std::end(tricky));
    EXPECT_EQ(Texts(CommandLine::Split(line)), expected) << line;
    EXPECT_EQ(CommandLine::Quote("Main"), "Main") << "a plain argument stays as it is";
    EXPECT_TRUE(CommandLine::Split(CommandLine::Quote("*.class"))[0].bQuoted) << "so no wildcard is expanded again";
}
