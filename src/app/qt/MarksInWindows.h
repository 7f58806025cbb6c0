#pragma once

#include "project/SourceMarksObserver.h"

class CDocManager;
class CJavaProjectDoc;

// Shows the open project's compile marks in the windows of the files they mark, and takes the
// marks away from the windows of files the compile said nothing of. A file opened later takes
// its marks from the project itself as it opens.
class CMarksInWindows : public CSourceMarksObserver {
public:
    explicit CMarksInWindows(CDocManager& docs) : m_docs(docs) {}
    ~CMarksInWindows() override;
    CMarksInWindows(const CMarksInWindows&) = delete;
    CMarksInWindows& operator=(const CMarksInWindows&) = delete;

    // The project that is open now, or none.
    void Follow(CJavaProjectDoc* project);

    void OnSourceMarksChanged(const CSourceMarks& marks) override;

private:
    CDocManager& m_docs;
    CJavaProjectDoc* m_pProject = nullptr;
};
