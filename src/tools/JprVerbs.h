#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The verbs of ondrik-jpr; args are the words after the verb. Each returns the exit code.
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRoundtrip(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
