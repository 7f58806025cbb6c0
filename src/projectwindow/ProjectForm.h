#pragma once

#include <string>
#include <vector>

class CJavaProjectDoc;

// The properties form's rules: the sorted lists of main-file candidates, choosing a main file,
// and storing the switches. Storing switches that differ marks the project modified, so they
// are written with it (an unnamed project asks to be saved when it closes).
class CProjectForm {
public:
    explicit CProjectForm(CJavaProjectDoc& project) : m_project(project) {}

    static constexpr const char* kResetQuestion = "Reset switches to application defaults?";
    static constexpr const char* kResetCaption = "Reset to Defaults";

    // The names of the project's Java files, and of its HTML files, in the lists' order.
    std::vector<std::string> JavaFileNames() const;
    std::vector<std::string> HtmlFileNames() const;
    // The place of the main file in its list; -1 when it is not there.
    int MainJavaIndex() const;
    int MainHtmlIndex() const;

    void ChooseMainJavaFile(const std::string& name);
    void ChooseMainHtmlFile(const std::string& name);

    void SetJavaSwitches(const std::string& switches);
    void SetJavacSwitches(const std::string& switches);
    // Asks first; on OK both switches take the program's defaults. True when they did.
    bool ResetToDefaults();

private:
    CJavaProjectDoc& m_project;
};
