#pragma once

#include "Breakpoints.h"
#include "JavaFileList.h"
#include "MessageJump.h"
#include "OutputMessages.h"
#include "SourceMarks.h"
#include "VelmarFileList.h"

#include "framework/Document.h"

#include <memory>
#include <string>
#include <string_view>

class CProjectHost;
class CProjectWindows;

// The project: its Java source entries with their classes, its plain files, the main Java and
// HTML files, the switches for the runner and the compiler, stored as a .jpr file.
// Its breakpoints are kept in a side file beside the .jpr file (see BreakpointFile), read when
// the project is opened and written whenever they change.
class CJavaProjectDoc : public CDocument, private CBreakpointObserver {
public:
    explicit CJavaProjectDoc(CProjectHost& host);
    ~CJavaProjectDoc() override;

    void Serialize(CArchive& ar) override;
    bool SaveModified() override;
    void OnCloseDocument() override;
    // Opening a project and saving it under a new name read the main class package again.
    void SetPathName(const std::string& path) override;

    // Content; names and paths compare exactly.
    enum class EAdded { Added, AlreadyThere, SameName, ListFull };
    // Adds a Java file without a word, and tells what became of it: a file already in the project
    // stays as it is; one whose name a file from another folder has, or one beyond the list's
    // slots, is not added.
    EAdded TryAddJavaFile(const std::string& path);
    // The same, saying why a file was not added. True when it was.
    bool AddJavaFile(const std::string& path);
    // Adds a plain file; a full list refuses it with a message. True when it was added.
    bool AddPlainFile(const std::string& path);
    std::string GetFilePath(const std::string& name);
    std::string GetPlainFilePath(const std::string& name) const;
    void RemoveFile(const std::string& path);
    void SetMainJavaFile(const std::string& name);
    void SetMainHtmlFile(const std::string& name);

    // Class information, filled by the class scanner for one Java file at a time.
    void BeginFileScan(const std::string& path);
    void AddClass(const std::string& path, const std::string& className);
    void AddMethod(const std::string& path, const std::string& className, const std::string& signature);
    void AddInnerClass(const std::string& path, const std::string& className, const std::string& inner);
    void AddInnerMethod(const std::string& path, const std::string& className, const std::string& inner,
                        const std::string& signature);
    void EndFileScan();

    // The views and the project window's tree hear of the change through the document's
    // observers.
    void RefreshViews();

    // Commands.
    void AddJavaFiles();
    void AddHtmlFile();
    // Makes the project window bar the first time, then hides and shows it.
    void OnProjectWindow();
    // Hides and shows the Process Window bar once a captured run has made it.
    void OnProcessWindow();

    // The project's bars; none when its host gives it no windows.
    CProjectWindows* GetWindows() const { return m_pWindows.get(); }
    // The commands that start the project's tools, made by the host; none without a runner.
    CCmdTarget* GetRunCommands() const { return m_pRunCommands.get(); }
    CProjectHost& GetHost() const { return m_host; }

    CJavaFileList& GetJavaFiles() { return m_javaFiles; }
    const CJavaFileList& GetJavaFiles() const { return m_javaFiles; }
    CVelmarFileList& GetPlainFiles() { return m_plainFiles; }
    const CVelmarFileList& GetPlainFiles() const { return m_plainFiles; }
    const std::string& GetLastCompileOutput() const { return m_strLastCompileOutput; }
    void SetLastCompileOutput(std::string output) { m_strLastCompileOutput = std::move(output); }
    // A double-click on line nLine (0-based) of the Process Window's output: the output becomes
    // the last output, and a project Java file the line names opens at the line it gives.
    void JumpToMessage(const std::string& output, int nLine);
    const std::string& GetMainJavaFile() const { return m_strMainJavaFile; }
    const std::string& GetJavaSwitches() const { return m_strJavaSwitches; }
    void SetJavaSwitches(std::string switches) { m_strJavaSwitches = std::move(switches); }
    const std::string& GetJavacSwitches() const { return m_strJavacSwitches; }
    void SetJavacSwitches(std::string switches) { m_strJavacSwitches = std::move(switches); }
    const std::string& GetMainHtmlFile() const { return m_strMainHtmlFile; }
    bool IsProjectWindowShown() const { return m_bProjectWindowShown; }
    void SetProjectWindowShown(bool bShown) { m_bProjectWindowShown = bShown; }
    const std::string& GetMainPackage() const { return m_strMainPackage; }
    void SetMainPackage(std::string package) { m_strMainPackage = std::move(package); }
    // The main class package, read again from the main file as it is on disk; a file that cannot
    // be read leaves it as it was. True when it was read.
    bool ReadMainPackage();
    // A source's text, as the class scanner reads it: when it is the main file, the package it
    // declares becomes the main class package.
    void NoteScannedSource(const std::string& path, std::string_view text);
    // The folder the last tool started for the project worked in: the paths in its messages are
    // written from there.
    const std::string& GetLastRunFolder() const { return m_strLastRunFolder; }
    void SetLastRunFolder(std::string folder) { m_strLastRunFolder = std::move(folder); }

    // A captured run started in folder: until it ends there are no messages to walk. The output
    // of a compile or a build marks its sources when it ends.
    enum class ERunKind { Compile, Other };
    void OnRunStarted(std::string folder, ERunKind kind);
    // The run the Process Window showed ended with this output: its messages are the ones Next
    // Error and Previous Error walk, and a compile's errors and warnings replace every mark.
    void OnRunEnded(std::string_view output);
    // Next Error and Previous Error: the message opens at its line as a double-click on it does,
    // and the Process Window selects it; past either end the status bar says there are no more.
    void GoToNextMessage();
    void GoToPreviousMessage();
    const COutputMessages& GetOutputMessages() const { return m_messages; }
    // The marks the last compile left in the project's sources.
    CSourceMarks& GetSourceMarks() { return m_marks; }
    const CSourceMarks& GetSourceMarks() const { return m_marks; }
    const std::string& GetMainFolder() const { return m_strMainFolder; }
    CBreakpoints& GetBreakpoints() { return m_breakpoints; }
    const CBreakpoints& GetBreakpoints() const { return m_breakpoints; }

protected:
    void DeleteContents() override;
    CFileDialogSpec SaveAsDialogSpec() const override;

private:
    CJavaFile* FindScannedFile(const std::string& path) const;
    // The side file of the project's first path is read, joined by what was set before; a new
    // path by Save As gets the breakpoints written beside it.
    void AttachBreakpoints(const std::string& path);
    void OnBreakpointsChanged() override;
    void TakeMainPackage(std::string package);
    // Where the files the last output's messages name are looked for.
    MessageJump::CMessagePlaces MessagePlaces();
    void GoToMessage(const COutputMessages::CEntry* entry);

    CProjectHost& m_host;
    std::string m_strLastCompileOutput;
    std::string m_strMainJavaFile;
    CJavaFileList m_javaFiles;
    CVelmarFileList m_plainFiles;
    std::string m_strJavaSwitches;
    std::string m_strJavacSwitches;
    std::string m_strMainHtmlFile;
    bool m_bProjectWindowShown = false;
    std::string m_strMainPackage;  // the package of the main class, as "app" for app.Main
    std::string m_strMainFolder;
    std::string m_strLastRunFolder;
    ERunKind m_lastRunKind = ERunKind::Other;
    COutputMessages m_messages;
    CSourceMarks m_marks;
    CBreakpoints m_breakpoints;
    std::string m_strBreakpointsOf;  // the .jpr path whose side file holds the breakpoints
    bool m_bReadingBreakpoints = false;
    bool m_bKeepBreakpoints = true;  // false while a side file that could not be read stays in place
    bool m_bBreakpointWriteFailed = false;
    std::unique_ptr<CProjectWindows> m_pWindows;
    std::unique_ptr<CCmdTarget> m_pRunCommands;
};
