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
    explicit CWriter(std::string& out) : m_out(out) {}

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

private:
    std::string& m_out;
    CRandom m_random;
};

}  // namespace

std::string GenerateJavaSource(std::size_t bytes)
{
    std::string out;
    out.reserve(bytes + 4096);
    out += "package org.example.generated;\r\n\r\nimport java.util.List;\r\n\r\n";
    CWriter writer(out);
    for (int serial = 0; out.size() < bytes; ++serial)
        writer.Class(0, serial);
    return out;
}
