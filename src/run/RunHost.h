#pragma once

#include <string>

class CUi;

// What the build and run commands take from the application: the settings they read, the
// process caption they set for the Process Window, Save All, and the program's own folder.
class CRunHost {
public:
    virtual ~CRunHost() = default;

    virtual CUi& GetUi() = 0;
    virtual std::string GetJavaBin() const = 0;        // JAVABIN, the JDK's folder as stored
    virtual std::string GetJavacSwitches() const = 0;  // JAVAC, for single-file compiles
    virtual bool SaveBeforeCompiling() const = 0;      // SAVECOMP
    virtual bool AskForArguments() const = 0;          // SHOWARGS
    // Asks every open document to save itself, as File > Save All does.
    virtual void SaveAll() = 0;
    virtual void SetProcessCaption(const std::string& caption) = 0;
    virtual std::string GetProcessCaption() const = 0;
    // The folder of the program file, where the applet host lies.
    virtual std::string GetProgramFolder() const = 0;
};
