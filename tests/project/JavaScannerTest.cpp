#include "ScannerOracle.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"
#include "project/JavaScanner.h"

#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// The editor's form of a source written with "\n": every line ends in CR LF.
std::string Crlf(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The 0-based line that holds pos; CR LF, a lone CR and a lone LF each end a line.
int LineOf(std::string_view text, std::int32_t pos)
{
    int line = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(pos) && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

std::string Shown(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

using EntryLines = std::vector<std::pair<std::string, int>>;

EntryLines Scan(const std::string& text)
{
    CJavaScanner scanner;
    scanner.ScanSource(text, nullptr, "/p/A.java");
    EntryLines found;
    for (std::size_t i = 0; i < scanner.GetEntries().size(); ++i)
        found.emplace_back(scanner.GetEntries()[i], LineOf(text, scanner.GetEntryPositions()[i]));
    return found;
}

struct CScanRow {
    const char* name;
    std::string text;
    EntryLines expected;  // each entry with the line its position falls on
};

const std::string kSpaces32(32, ' ');
const std::string kSpaces33(33, ' ');

const std::vector<CScanRow> kRows = {
    {"class header at the very start", Crlf("class A {\n}\n"), {{"A", 0}}},
    {"blank line, one method holding an if-block",
     Crlf("\nclass A {\n    void f() {\n        if (x > 0) {\n        }\n    }\n}\n"),
     {{"A", 1}, {"A.f()", 2}}},
    {"parameters split over two lines, brace on its own line",
     Crlf("class A {\n    int sum(int a,\n            int b)\n    {\n        return a + b;\n    }\n}\n"),
     {{"A", 0}, {"A.sum(int a, int b)", 1}}},
    {"extends clause on the next line, brace on a third",
     Crlf("public class Shape\n    extends Object implements Cloneable\n{\n}\n"), {{"Shape", 0}}},
    {"inner class methods listed, blocks in methods never",
     Crlf("class Outer {\n    class Inner {\n        void m() {\n            while (true) {\n            }\n        }\n"
          "    }\n    void g() {\n        if (a) {\n        }\n    }\n}\n"),
     {{"Outer", 0}, {"Outer.Inner", 1}, {"Outer.Inner.m()", 2}, {"Outer.g()", 7}}},
    {"a class inside an inner class takes over the inner name",
     Crlf("class A {\n  class B {\n    class C {\n      void m() {\n      }\n    }\n    void n() {\n    }\n  }\n}\n"),
     {{"A", 0}, {"A.B", 1}, {"A.C", 2}, {"A.C.n()", 6}}},
    {"static block and anonymous class at member depth",
     Crlf("class Shape {\n    static {\n    }\n    Runnable r = new Runnable() {\n        public void run() {\n"
          "        }\n    };\n}\n"),
     {{"Shape", 0}, {"Shape.Runnable()", 3}}},
    {"method before any class", Crlf("void f() {\n}\n"), {{".f()", 0}}},
    {"interface with a method after a declaration",
     Crlf("public interface Shape {\n    double area();\n    void draw(int x) {\n    }\n}\n"),
     {{"Shape", 0}, {"Shape.draw(int x)", 2}}},
    {"class wins over interface, inside a word", Crlf("interface Subclass extends Base {\n}\n"), {{"extends", 0}}},
    {"TABs become spaces before the keyword test", Crlf("public\tclass\tA\t{\n}\n"), {{"A", 0}}},
    {"brace in a string is a space", Crlf("class A {\n    String s = \"{\";\n    void f() {\n    }\n}\n"),
     {{"A", 0}, {"A.f()", 2}}},
    {"brace in a character literal is a space",
     Crlf("class A {\n    char c = '}';\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 2}}},
    {"a quote in a character literal opens no string",
     Crlf("class A {\n    char q = '\"'; String s = \"}\";\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 2}}},
    {"braces in a text block are spaces",
     Crlf("class A {\n    String t = \"\"\"\n        } { \\\"\"\" \"\n        \"\"\";\n    void f() {\n    }\n}\n"),
     {{"A", 0}, {"A.f()", 4}}},
    {"quotes in comments open no literal",
     Crlf("class A {\n    // don't\n    /* it's */ void f() {\n    }\n    void g() {\n    }\n}\n"),
     {{"A", 0}, {"A.f()", 2}, {"A.g()", 4}}},
    {"an unterminated literal ends at its line",
     Crlf("class A {\n    char c = '{;\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 2}}},
    {"enum and record headers declare types, their members are methods",
     Crlf("public enum Colour implements Cloneable {\n    RED;\n    int rgb() {\n    }\n}\n"
          "record Point(int x,\n             int y) {\n    Point {\n    }\n    int sum() {\n    }\n}\n"),
     {{"Colour", 0}, {"Colour.rgb()", 2}, {"Point", 5}, {"Point.sum()", 9}}},
    {"nested enum and record, generic names cut at their parameters",
     Crlf("final class LinkedTreeMap<K, V>\n    extends AbstractMap<K, V> {\n    enum Kind { A, B }\n"
          "    private record Node<T>(T value) {\n        T get() {\n        }\n    }\n}\n"),
     {{"LinkedTreeMap", 0}, {"LinkedTreeMap.Kind", 2}, {"LinkedTreeMap.Node", 3}, {"LinkedTreeMap.Node.get()", 4}}},
    {"an enum header over two lines starts at its keyword",
     Crlf("public enum Op\n    implements IntBinaryOperator\n{\n}\n"), {{"Op", 0}}},
    {"a parameter or field named record declares nothing",
     Crlf("class H {\n    void publish(LogRecord record ) {\n    }\n    Record record = new Record() {\n    };\n}\n"),
     {{"H", 0}, {"H.publish(LogRecord record )", 1}, {"H.Record()", 3}}},
    {"a line comment marker in a string starts no comment",
     Crlf("class A {\n    String u = \"//\"; void f() {\n    }\n    void g() {\n    }\n}\n"),
     {{"A", 0}, {"A.f()", 1}, {"A.g()", 3}}},
    {"a block comment marker in a string starts no comment",
     Crlf("class A {\n    String s = \"/*\";\n    void f() {\n    }\n    /* done */\n    void g() {\n    }\n}\n"),
     {{"A", 0}, {"A.f()", 2}, {"A.g()", 5}}},
    {"a comment end in a string ends no comment",
     Crlf("class A {\n    String s = \"*/\"; /* { } */\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 2}}},
    {"an interface header over two lines starts at its keyword",
     Crlf("public sealed interface Shape\n    extends Comparable<Shape>\n    permits Square {\n    int area();\n"
          "    default int twice() {\n    }\n}\n"),
     {{"Shape", 0}, {"Shape.twice()", 4}}},
    {"comments holding braces before the next brace are skipped",
     Crlf("class A {\n    /* } { */\n    // } {\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 3}}},
    {"block comment after a line comment waits for the next brace",
     Crlf("class A {\n// }\n/* { */ void f() {\n}\n}\n"), {{"A", 0}}},
    {"unterminated block comment is scanned as code",
     Crlf("/* class A {\n    void f() {\n    }\n}\n"), {{"A", 0}, {"A.f()", 1}}},
    {"extra closing brace ends the scan", Crlf("class A {\n}\n}\nclass B {\n}\n"), {{"A", 0}}},
    {"no closing brace at all: nothing", Crlf("class A {\n    void f() {\n"), {}},
    {"one closing brace short", Crlf("class A {\n    void f() {\n}\n"), {{"A", 0}, {"A.f()", 1}}},
    {"no brace", Crlf("class A\n"), {}},
    {"empty text", "", {}},
    {"LF line ends stay inside a signature", "class A {\n    int sum(int a,\n            int b) {\n    }\n}\n",
     {{"A", 0}, {"A.sum(int a,\n int b)", 1}}},
    {"CR line ends", "class A {\r    void f() {\r    }\r}\r", {{"A", 0}, {"A.f()", 1}}},
    {"runs of up to 32 spaces become one",
     Crlf("class A {\n    void f(int a," + kSpaces32 + "int b) {\n    }\n    void g(int a," + kSpaces33 +
          "int b) {\n    }\n}\n"),
     {{"A", 0}, {"A.f(int a, int b)", 1}, {"A.g(int a,  int b)", 3}}},
    {"a \")\" before the name leaves an empty signature", Crlf("class A {\n  x) y( {\n  }\n}\n"), {{"A", 0}, {"A.", 1}}},
};

}  // namespace

TEST(JavaScanner, ExamplesGiveTheirEntriesOnTheirLines)
{
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Scan(row.text), row.expected);
        EXPECT_EQ(DifferenceFromOracle(row.text), "");
    }
}

TEST(JavaScanner, PositionIsCountedFromTheOffsetPastTheBrace)
{
    CJavaScanner scanner;
    scanner.ScanSource("class A {}\r\nclass B {}", nullptr, "");
    // 9 past the first brace, minus the 7 of "class A"; then 21 + 2 - 9 for "\r\nclass B".
    EXPECT_EQ(scanner.GetEntryPositions(), (std::vector<std::int32_t>{2, 14}));
}

TEST(JavaScanner, ListGrowsPastTheOldTableWithPositionsInStep)
{
    std::string text = "class A {\r\n";
    for (int i = 0; i < 300; ++i)
        text += "    void m" + std::to_string(i) + "() {\r\n    }\r\n";
    text += "}\r\n";
    CJavaScanner scanner;
    scanner.ScanSource(text, nullptr, "");
    ASSERT_EQ(scanner.GetEntries().size(), 301u);
    ASSERT_EQ(scanner.GetEntryPositions().size(), 301u);
    EXPECT_EQ(scanner.GetEntries().back(), "A.m299()");
    EXPECT_EQ(LineOf(text, scanner.FindEntryPosition("A.m299()")), 1 + 2 * 299);
    EXPECT_EQ(LineOf(text, scanner.FindEntryPosition("A.m255()")), 1 + 2 * 255);
}

TEST(JavaScanner, FindEntryPositionTakesTheFirstExactMatch)
{
    CJavaScanner scanner;
    const std::string text = Crlf("class A {\n  void f() {\n  }\n  void f() {\n  }\n}\n");
    scanner.ScanSource(text, nullptr, "");
    ASSERT_EQ(scanner.GetEntries().size(), 3u);
    EXPECT_EQ(scanner.FindEntryPosition("A.f()"), scanner.GetEntryPositions()[1]);
    EXPECT_EQ(scanner.FindEntryPosition("a.f()"), -1);
    EXPECT_EQ(scanner.FindEntryPosition("A.f"), -1);
}

TEST(JavaScanner, InnerNameOutlivesTheScanTheRestStartsAfresh)
{
    CJavaScanner scanner;
    scanner.ScanSource("class A { class B { } }", nullptr, "");
    EXPECT_TRUE(scanner.IsInInnerClass());
    scanner.ScanSource("f() {}", nullptr, "");
    EXPECT_EQ(scanner.GetEntries(), std::vector<std::string>{".f()"});
    EXPECT_EQ(scanner.GetCurrentClass(), "");
    EXPECT_EQ(scanner.GetCurrentInner(), "B");
    EXPECT_FALSE(scanner.IsInInnerClass());
}

class JavaScannerProjectTest : public ::testing::Test {
protected:
    JavaScannerProjectTest()
    {
        m_project.SetPathName("/p/p.jpr");
        m_project.AddJavaFile("/p/A.java");
        m_project.AddClass("/p/A.java", "Old");
        m_project.SetModifiedFlag(false);
    }
    const CJavaClassList& Classes() const { return m_project.GetJavaFiles().GetAt(0)->GetClasses(); }

    CTestProjectHost m_host;
    CJavaProjectDoc m_project{m_host};
    CJavaScanner m_scanner;
};

TEST_F(JavaScannerProjectTest, FileOfTheProjectGetsItsClassesOnceHoweverOftenScanned)
{
    const std::string text = Crlf("class A {\n  void f(int x) {\n  }\n  class B {\n    void g() {\n    }\n  }\n}\n"
                                  "class A {\n}\n");
    for (int round = 0; round < 2; ++round) {
        m_scanner.ScanSource(text, &m_project, "/p/A.java");
        ASSERT_EQ(Classes().GetCount(), 1);
        const CJavaClass& a = *Classes().GetAt(0);
        EXPECT_EQ(a.GetName(), "A");
        EXPECT_EQ(a.GetMethods(), std::vector<std::string>{"f(int x)"});
        ASSERT_EQ(a.GetInnerClasses().GetCount(), 1);
        EXPECT_EQ(a.GetInnerClasses().GetAt(0)->GetName(), "B");
        EXPECT_EQ(a.GetInnerClasses().GetAt(0)->GetMethods(), std::vector<std::string>{"g()"});
    }
    EXPECT_TRUE(m_project.IsModified());
    EXPECT_EQ(m_scanner.GetEntries().size(), 5u);
}

TEST_F(JavaScannerProjectTest, TextWithoutBracesStillEmptiesTheFilesClasses)
{
    m_scanner.ScanSource("class A", &m_project, "/p/A.java");
    EXPECT_EQ(Classes().GetCount(), 0);
    EXPECT_TRUE(m_scanner.GetEntries().empty());
}

TEST_F(JavaScannerProjectTest, OtherDocumentOrNoProjectChangesOnlyTheList)
{
    m_scanner.ScanSource("class B { void f() {} }", &m_project, "/p/B.java");
    EXPECT_EQ(m_scanner.GetEntries(), (std::vector<std::string>{"B", "B.f()"}));
    m_scanner.ScanSource("class C { }", nullptr, "/p/A.java");
    EXPECT_EQ(m_scanner.GetEntries(), std::vector<std::string>{"C"});
    ASSERT_EQ(Classes().GetCount(), 1);
    EXPECT_EQ(Classes().GetAt(0)->GetName(), "Old");
    EXPECT_FALSE(m_project.IsModified());
}

TEST_F(JavaScannerProjectTest, MethodOfAnInnerClassThatDidNotFitIsAParsingError)
{
    // The project keeps 255 inner classes; the 256th is dropped, so its method has nowhere to go.
    std::string text = "class A {\r\n";
    for (int i = 0; i < 256; ++i)
        text += "  class I" + std::to_string(i) + " {\r\n    void m() {\r\n    }\r\n  }\r\n";
    text += "  void last() {\r\n  }\r\n}\r\n";
    m_host.m_ui.ExpectMessage("Error parsing file");
    m_scanner.ScanSource(text, &m_project, "/p/A.java");
    EXPECT_EQ(m_scanner.GetEntries().size(), 1u + 2 * 256 + 1);
    EXPECT_EQ(m_scanner.GetEntries().back(), "A.last()");
    EXPECT_EQ(Classes().GetAt(0)->GetInnerClasses().GetCount(), 255);
    EXPECT_EQ(Classes().GetAt(0)->GetMethods(), std::vector<std::string>{"last()"});
}

namespace {

// Pieces that exercise every rule of the scan when strung together at random.
const std::vector<std::string> kPieces = {
    "{", "{", "}", "}", "/*", "*/", "//", "/", "*", "\r\n", "\r\n", "\n", "\r", " ", "  ", "\t", "\v",
    "class ", "interface ", "class", "(", ")", "void f", "int a", ", ", "\"", "'", "static ", "Foo",
    "new Runnable()", "if (x) ", ";", "x", "    ", "public ", "extends B", "m(int a,\r\n   int b)",
    "'{'", "'\"'", "\"}\"", "\"\"\"", "\\", "enum ", "record ", "<", ">", "Box<T, U>", "record P(int x) ",
    "enum Colour ", "Record record", "$",
};

std::string RandomSoup(std::mt19937& random)
{
    std::uniform_int_distribution<std::size_t> count(0, 120);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::string text;
    for (std::size_t n = count(random); n > 0; --n)
        text += kPieces[pick(random)];
    return text;
}

// Java-like nesting with comments, strings, literals holding braces and quotes, and the header
// styles the scanner meets in real files: classes, interfaces, enums, records, generic types.
class CSourceGenerator {
public:
    explicit CSourceGenerator(std::mt19937& random, std::string lineEnd) : m_random(random), m_eol(std::move(lineEnd)) {}

    std::string Source()
    {
        std::string out;
        for (int n = Roll(3); n >= 0; --n)
            Member(out, 0);
        return out;
    }

private:
    int Roll(int max) { return std::uniform_int_distribution<int>(0, max)(m_random); }

    void Member(std::string& out, int level)
    {
        const std::string indent(static_cast<std::size_t>(level) * 4, ' ');
        switch (Roll(11)) {
        case 0:
            out += indent + "/* a comment { with } braces */" + m_eol;
            break;
        case 1:
            out += indent + "// a line comment }" + m_eol;
            break;
        case 2:
            out += indent + "String s = \"{ // /* \";" + m_eol;
            break;
        case 4:
            out += indent + "char c = '}', q = '\"'; String t = \"\"\"" + m_eol + indent + "  } \\\"\"\" {" + m_eol +
                   indent + "  \"\"\";" + m_eol;
            break;
        case 5:
            out += indent + (Roll(1) ? "enum E" : "record R") + std::to_string(Roll(9)) +
                   (Roll(1) ? "<T, U>" : "") + (Roll(1) ? "(int a," + m_eol + indent + "    int b)" : "") + Brace(indent);
            if (level < 4) {
                for (int n = Roll(2); n >= 0; --n)
                    Member(out, level + 1);
            }
            out += indent + "}" + m_eol;
            break;
        case 3:
            out += indent + (Roll(1) ? "public class C" : "interface I") + std::to_string(Roll(9)) +
                   (Roll(1) ? m_eol + indent + "    extends Base" : std::string()) + Brace(indent);
            if (level < 4) {
                for (int n = Roll(3); n >= 0; --n)
                    Member(out, level + 1);
            }
            out += indent + "}" + m_eol;
            break;
        default:
            out += indent + "void m" + std::to_string(Roll(9)) + "(int a," +
                   (Roll(1) ? m_eol + indent + "\t" : std::string(" ")) + "int b)" + Brace(indent);
            if (level < 5 && Roll(1))
                Member(out, level + 1);
            out += indent + "}" + m_eol;
            break;
        }
    }

    std::string Brace(const std::string& indent) { return Roll(1) ? " {" + m_eol : m_eol + indent + "{" + m_eol; }

    std::mt19937& m_random;
    std::string m_eol;
};

}  // namespace

TEST(JavaScannerOracle, AgreesOnRandomPieces)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = RandomSoup(random);
        ASSERT_EQ(DifferenceFromOracle(text), "") << "text: " << Shown(text);
    }
}

TEST(JavaScannerOracle, AgreesOnGeneratedSourcesWithEveryLineEnd)
{
    std::mt19937 random(7);
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        for (int i = 0; i < 200; ++i) {
            std::string text = CSourceGenerator(random, eol).Source();
            // Cut some short, so braces no longer balance and comments stay open.
            if (i % 3 == 0)
                text.resize(text.size() * 2 / 3);
            ASSERT_EQ(DifferenceFromOracle(text), "") << "text: " << Shown(text);
        }
    }
}
