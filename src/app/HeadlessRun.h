#pragma once

#include <iosfwd>

struct CAppEnvironment;
struct CCommandLineInfo;

// --build and --run: the project's Build or Run Application as the IDE runs them, with the
// IDE's settings and no window. The output goes to out as it comes, messages to err. The exit
// code is the tool's; a project that cannot be read or a command that starts nothing gives 1.
// --export-html: the Java file coloured as its window colours it, written as an HTML page in
// the settings' colours; nothing on out, 0 when written, else the IDE's message and 1.
int RunHeadless(const CCommandLineInfo& cmdInfo, const CAppEnvironment& env, std::ostream& out, std::ostream& err);
