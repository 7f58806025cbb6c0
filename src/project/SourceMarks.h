#pragma once

#include "LineMarker.h"

#include <map>
#include <string>
#include <vector>

class CSourceMarksObserver;

// The marks the last compile or build of the project left in its sources, by the file's full
// path: they last while the project is open, so that a file opened after the compile shows
// them too. Each compile replaces them all.
class CSourceMarks {
public:
    CSourceMarks() = default;
    CSourceMarks(const CSourceMarks&) = delete;
    CSourceMarks& operator=(const CSourceMarks&) = delete;

    // The marks of one compile, in place of all there were; the observers hear of it.
    void Replace(std::map<std::string, std::vector<CLineMarker>> marks);
    // A window that goes leaves the marks of its file where its edits moved them; nobody
    // else shows them, so nobody is told.
    void Keep(const std::string& path, std::vector<CLineMarker> marks);

    // The file's marks; none for a file the compile said nothing of.
    const std::vector<CLineMarker>& For(const std::string& path) const;
    const std::map<std::string, std::vector<CLineMarker>>& All() const { return m_marks; }

    void AddObserver(CSourceMarksObserver* observer);
    void RemoveObserver(CSourceMarksObserver* observer);

private:
    std::map<std::string, std::vector<CLineMarker>> m_marks;
    std::vector<CSourceMarksObserver*> m_observers;
};
