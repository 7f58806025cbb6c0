#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The scanning verbs of ondrik-jpr; args are the words after the verb. Each returns the exit code.
int RunClasses(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRescan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
