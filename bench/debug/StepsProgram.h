#pragma once

// What both debugger benchmarks share: the program they step through, a frame of 50 locals and
// then a long loop whose lines a step goes round, and the quantiles they report.

#include <algorithm>
#include <string>
#include <vector>

namespace StepsProgram {

inline const std::string kFile = "bench/Steps.java";

inline std::string Source()
{
    std::string text = "package bench;\n\npublic class Steps {\n    public static void main(String[] args) {\n";
    for (int i = 0; i < 50; ++i)
        text += "        int local" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    text += "        System.out.println(\"reached\"); // @reached\n"
            "        for (int round = 0; round < 1000000; ++round) {\n"
            "            local0 += round; // @loop\n"
            "            local1 += local0;\n"
            "            local49 += local1;\n"
            "        }\n"
            "        System.out.println(local49);\n"
            "    }\n}\n";
    return text;
}

// The value below which the fraction q of the values lie.
inline double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

}  // namespace StepsProgram
