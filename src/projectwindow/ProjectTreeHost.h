#pragma once

#include <cstdint>
#include <string>

class CDesktopShell;
class CDocument;

// What the project tree needs of the program around it: opening files as the program opens
// any file, finding a class or method in an open Java source, and the desktop's handler.
class CProjectTreeHost {
public:
    virtual ~CProjectTreeHost() = default;

    // The document shown for path (opened, or activated when it is open already); none when it
    // could not be opened.
    virtual CDocument* OpenDocumentFile(const std::string& path) = 0;
    virtual bool IsJavaSource(const CDocument& doc) const = 0;
    // In a Java source: the position of the first function-list entry equal to entry, or -1.
    virtual std::int32_t FindEntryPosition(const CDocument& doc, const std::string& entry) const = 0;
    // In a Java source: shows and selects the line that holds position nPos.
    virtual void GoToPosition(CDocument& doc, std::int32_t nPos) = 0;
    virtual CDesktopShell& GetShell() = 0;
};
