#pragma once

#include "editor/TextSearch.h"

#include <string>

class CTextModel;
class CUi;

// The find and replace dialog without its window: what it looks for, what it puts in, and its
// buttons, acting on whichever text window is active when a button is pressed. It stays after
// the dialog closes, so Find Next repeats the last search.
class CFindReplace {
public:
    CSearchOptions& Options() { return m_options; }
    const CSearchOptions& Options() const { return m_options; }
    std::string& ReplaceWith() { return m_strReplace; }

    // A search has been made, so there is one to repeat.
    bool HasSearch() const { return m_bSearched && !m_options.strFind.empty(); }
    // A selection within one line is what the dialog offers to find when it opens.
    void TakeSelection(const CTextModel& text);

    // Each tells the person when nothing is found; false then.
    bool FindNext(CTextModel& text, CUi& ui);
    bool Replace(CTextModel& text, CUi& ui);
    // How many were replaced.
    int ReplaceAll(CTextModel& text, CUi& ui);

private:
    bool Report(bool bFound, CUi& ui) const;

    CSearchOptions m_options;
    std::string m_strReplace;
    bool m_bSearched = false;
};
