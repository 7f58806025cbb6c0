#include "JavaSourceGenerator.h"

#include <cstdint>

namespace {

// A small fixed generator, so every machine measures the same text.
class CRandom {
public:
    int Roll(int max)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((m_state >> 33) % static_cast<std::uint64_t>(max + 1));
    }

private:
    std::uint64_t m_state = 0x2545F4914F6CDD1DULL;
};

class CWriter {
public:
    CWriter(std::string& out, bool bToday) : m_out(out), m_bToday(bToday) {}

    void Line(int level, const std::string& text)
    {
        m_out.append(static_cast<std::size_t>(level) * 4, ' ');
        m_out += text;
        m_out += "\r\n";
    }

    void Class(int level, int serial)
    {
        Line(level, "/**");
        Line(level, " * Keeps the state of part " + std::to_string(serial) + " { and } of its neighbours.");
        Line(level, " */");
        const bool bInterface = level == 0 && m_random.Roll(7) == 0;
        if (m_bToday)
            TodaysHeader(level, serial, bInterface);
        else
            Line(level, std::string(level == 0 ? "public " : "private static ") + (bInterface ? "interface" : "class") +
                            " Part" + std::to_string(serial) + (m_random.Roll(1) ? " extends Base" : "") +
                            (m_random.Roll(2) == 0 ? " implements Runnable, Cloneable" : "") + " {");
        Line(level + 1, "private int count" + std::to_string(serial) + " = 0;");
        Line(level + 1, "private String name = \"part " + std::to_string(serial) + "\";");
        const int members = 4 + m_random.Roll(8);
        for (int i = 0; i < members; ++i) {
            if (level == 0 && m_random.Roll(9) == 0)
                Class(level + 1, serial * 10 + i);
            else
                Method(level + 1, i);
        }
        Line(level, "}");
        Line(level, "");
    }

    void Method(int level, int serial)
    {
        Line(level, "// Method " + std::to_string(serial) + ": adds up what it is given");
        const std::string name = "compute" + std::to_string(serial);
        if (m_random.Roll(3) == 0) {
            Line(level, "public synchronized long " + name + "(int first,");
            Line(level, "        String second, java.util.List<String> third)");
            Line(level, "    throws java.io.IOException");
            Line(level, "{");
        } else {
            Line(level, "public int " + name + "(int value, String label) {");
        }
        Body(level + 1, 0);
        Line(level, "}");
        Line(level, "");
    }

    void Body(int level, int nesting)
    {
        const int statements = 1 + m_random.Roll(3);
        for (int i = 0; i < statements; ++i) {
            if (m_bToday && m_random.Roll(2) == 0) {
                Literals(level, i);
                continue;
            }
            switch (m_random.Roll(nesting < 2 ? 6 : 2)) {
            case 0:
                Line(level, "int total" + std::to_string(i) + " = value * " + std::to_string(i + 1) + ";");
                break;
            case 1:
                Line(level, "System.out.println(\"value: \" + value + \" label: \" + label);");
                break;
            case 2:
                Line(level, "label = label.trim(); /* keep the label short */");
                break;
            case 3:
                Line(level, "if (value > " + std::to_string(i) + ") {");
                Body(level + 1, nesting + 1);
                Line(level, "} else {");
                Line(level + 1, "value = -value;");
                Line(level, "}");
                break;
            case 4:
                Line(level, "for (int i = 0; i < value; i++) {");
                Body(level + 1, nesting + 1);
                Line(level, "}");
                break;
            case 5:
                Line(level, "Runnable task = new Runnable() {");
                Line(level + 1, "public void run() {");
                Line(level + 2, "count++;");
                Line(level + 1, "}");
                Line(level, "};");
                break;
            default:
                Line(level, "while (value-- > 0) {");
                Body(level + 1, nesting + 1);
                Line(level, "}");
                break;
            }
        }
        Line(level, "return value;");
    }

    // Today's sources also hold enums, records and generic types.
    void TodaysHeader(int level, int serial, bool bInterface)
    {
        const int nKind = bInterface ? 0 : m_random.Roll(3);
        const std::string kind = bInterface ? "interface" : nKind == 1 ? "enum" : nKind == 2 ? "record" : "class";
        const std::string parameters = nKind == 2 ? "<T>(T first, int second)" : nKind == 0 ? "<K, V extends Comparable<V>>" : "";
        const bool bExtends = m_random.Roll(1) != 0;
        Line(level, std::string(level == 0 ? "public " : "private static ") + kind + " Part" + std::to_string(serial) +
                        parameters + (kind == "class" && bExtends ? " extends Base" : "") +
                        (m_random.Roll(2) == 0 ? " implements Runnable, Cloneable" : "") + " {");
        if (kind == "enum")
            Line(level + 1, "FIRST, SECOND;");
    }

    // Character literals and text blocks holding braces, quotes and comment markers.
    void Literals(int level, int serial)
    {
        if (m_random.Roll(1) == 0) {
            Line(level, "char open" + std::to_string(serial) + " = '{', quote = '\"', close = '}', tick = '\\'';");
            return;
        }
        Line(level, "String text" + std::to_string(serial) + " = \"\"\"");
        Line(level + 1, "{ \"name\": \"value\" } // not a comment");
        Line(level + 1, "/* nor this */ \\\"\"\" }");
        Line(level + 1, "\"\"\";");
    }

private:
    std::string& m_out;
    bool m_bToday;
    CRandom m_random;
};

}  // namespace

std::string GenerateJavaSource(std::size_t bytes, EJavaSource kind)
{
    std::string out;
    out.reserve(bytes + 4096);
    out += "package org.example.generated;\r\n\r\nimport java.util.List;\r\n\r\n";
    CWriter writer(out, kind == EJavaSource::Today);
    for (int serial = 0; out.size() < bytes; ++serial)
        writer.Class(0, serial);
    return out;
}
