#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a debug session tells of the program: where it stopped, its stack and its values. The
// texts are UTF-8 as the debugger wrote them, except output, which is the program's own bytes.

enum class DebugState {
    NotStarted,
    Starting,  // the debugger runs; the program's JVM is not up yet
    Running,
    Stopped,
    Ended,     // the debugger has gone, and the program with it
};

enum class DebugStopReason { Breakpoint, Step, Exception, Pause };

enum class DebugStepKind { Over, Into, Out };

enum class DebugStream {
    Out,       // the program's standard output
    Err,       // the program's standard error
    Debugger,  // what the debugger's own JVM wrote on its standard error
};

// One place in the program: the source file relative to the source root ("app/Main.java", ""
// when the class has no source information), the class with its package, the method, and the
// line (-1 when unknown, as in native code).
struct CDebugLocation {
    std::string strFile;
    std::string strClass;
    std::string strMethod;
    int nLine = -1;

    bool operator==(const CDebugLocation&) const = default;
};

struct CDebugStop {
    DebugStopReason reason = DebugStopReason::Breakpoint;
    std::string strThread;
    // The frame shown: the innermost in the program's own code (a pause inside the JDK's
    // input reading shows the program's line that reads).
    CDebugLocation location;
    int nFrame = 0;
    std::vector<CDebugLocation> frames;  // innermost first; at most the first 200
    int nDepth = 0;                      // how many frames the stack has in all
    std::string strExceptionType;        // for an uncaught exception
    std::string strExceptionMessage;

    bool operator==(const CDebugStop&) const = default;
};

// One row of the variables: a local, `this`, a field, an array element or a collection entry.
struct CDebugVariable {
    std::string strName;
    std::string strType;
    std::string strValue;  // as shown: 42, "text" (quoted), app.Point (id=12)
    std::int64_t nRef = 0; // expands into more rows when not 0, while the program stays stopped

    bool operator==(const CDebugVariable&) const = default;
};

struct CDebugVariables {
    int nFrame = 0;
    std::vector<CDebugVariable> variables;
    bool bLocalsAvailable = true;  // false for code compiled without -g, and native frames

    bool operator==(const CDebugVariables&) const = default;
};

struct CDebugChildren {
    std::int64_t nRef = 0;
    std::vector<CDebugVariable> variables;
    int nMore = 0;  // entries left out past the first 100

    bool operator==(const CDebugChildren&) const = default;
};

struct CDebugBreakpoint {
    std::string strFile;  // relative to the source root, "/" between folders
    int nLine = 0;

    bool operator==(const CDebugBreakpoint&) const = default;
};

// How a program is run under the debugger.
struct CDebugLaunch {
    std::string strJavaBin;       // the JDK folder: its bin/java runs the debugger and the program
    std::string strDebuggerJar;   // debugger.jar, beside the program
    std::string strSourceRoot;    // the program's working folder; breakpoint files are relative to it
    std::string strPackage;       // the main class's package; "" for none
    std::string strMainClass;     // the main class's own name
    std::string strJavaSwitches;  // the Java switches, one command-line text as the project keeps them
    std::string strArguments;     // the program's arguments, one command-line text
    std::string strClassPath;     // "" leaves the JVM's default
    std::vector<CDebugBreakpoint> breakpoints;  // in place before the program's first line runs
};
