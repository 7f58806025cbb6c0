// ondrik-jpr: shows and mends what a project file holds, on the same code as the IDE.
#include "JprScanVerbs.h"
#include "JprVerbs.h"

#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct CVerb {
    const char* name;
    const char* usage;
    std::function<int(const std::vector<std::string>&)> run;
};

const std::vector<CVerb>& Verbs()
{
    static const std::vector<CVerb> verbs = {
        {"dump", "dump FILE            print what the project holds",
         [](const auto& args) { return RunDump(args, std::cout, std::cerr); }},
        {"roundtrip", "roundtrip FILE OUT   load the project and store it again as OUT",
         [](const auto& args) { return RunRoundtrip(args, std::cout, std::cerr); }},
        {"classes", "classes FILE.java    print the classes and methods a source window would list",
         [](const auto& args) { return RunClasses(args, std::cout, std::cerr); }},
        {"rescan", "rescan PROJECT.jpr   scan every Java file of the project again and store it",
         [](const auto& args) { return RunRescan(args, std::cout, std::cerr); }},
    };
    return verbs;
}

int Usage(std::ostream& out, int code)
{
    out << "usage: ondrik-jpr VERB ARGS...\n";
    for (const auto& verb : Verbs())
        out << "  ondrik-jpr " << verb.usage << "\n";
    out << "  ondrik-jpr --help, -h           show this help\n"
           "  ondrik-jpr --version            show the version\n";
    return code;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return Usage(std::cerr, 2);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        return Usage(std::cout, 0);
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "Ondrik Version " ONDRIK_VERSION "\n";
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& verb : Verbs()) {
        if (verb.name == std::string_view(argv[1]))
            return verb.run(args);
    }
    std::cerr << "ondrik-jpr: unknown verb '" << argv[1] << "'\n";
    return Usage(std::cerr, 2);
}
