#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CDocument;
class CMDIChildWnd;

// One document type: its seven-field description string, its resource id (menu, accelerators,
// icon), and how to make its document and its frame with the view inside.
class CDocTemplate {
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    // How well a path suits this type; the open command takes the best, the first type on a tie.
    enum Confidence { noAttempt, yesAttemptForeign, yesAttemptNative, yesAlreadyOpen };

    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CMDIChildWnd*(CDocument&)>;

    CDocTemplate(int resourceId, std::string description, DocFactory makeDoc, FrameFactory makeFrame);

    int GetResourceId() const { return m_nResourceId; }
    std::string GetDocString(DocStringIndex index) const;
    static std::string DocStringOf(std::string_view description, int index);

    // Whether the path's extension is this type's (compared without regard to case, as paths
    // are by the shell); an already open document is the manager's to find.
    Confidence MatchExtension(std::string_view path) const;

    std::unique_ptr<CDocument> CreateDocument() const;
    CMDIChildWnd* CreateFrame(CDocument& doc) const { return m_makeFrame(doc); }

    // "JavaDocument1", "JavaDocument2", ... for untitled documents.
    std::string NextUntitledTitle();

private:
    int m_nResourceId;
    std::string m_strDescription;
    DocFactory m_makeDoc;
    FrameFactory m_makeFrame;
    int m_nUntitledCount = 0;
};
