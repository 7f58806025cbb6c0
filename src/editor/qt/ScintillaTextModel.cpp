#include "ScintillaTextModel.h"

#include "SourceMargins.h"

#include "editor/ColourClass.h"

#include <Qsci/qsciscintilla.h>

#include <QTimer>

#include <algorithm>
#include <string>

namespace {

using Sci = QsciScintillaBase;

int MarkerOf(ELineMark mark)
{
    return mark == ELineMark::Breakpoint ? CSourceMargins::kBreakpointMarker : CSourceMargins::kCurrentLineMarker;
}

bool IsClassStyle(char code)
{
    return ColourClass::Shown(code) == code;
}

}  // namespace

CScintillaTextModel::CScintillaTextModel(QsciScintilla& editor) : QObject(&editor), m_editor(editor)
{
    // Every window on a shared text hears of every change to it, whoever made it. The editor is
    // told to report a change only as it is about to happen: its report of a finished insertion
    // or deletion costs time in proportion to the whole text, at every keystroke.
    m_editor.SendScintilla(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(kChangeEvents));
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int nPosition, int nType, const char*, int nLength, int, int, int, int, int, int) {
                if ((nType & kChangeEvents) == 0)
                    return;
                OnChange(nPosition, nLength, (nType & Sci::SC_MOD_BEFOREINSERT) != 0);
                NotifyTextChanged(nPosition);
            });
}

TextPos CScintillaTextModel::GetLength() const
{
    return m_editor.SendScintilla(Sci::SCI_GETLENGTH);
}

std::string_view CScintillaTextModel::GetBytes(TextPos nStart, TextPos nEnd) const
{
    nStart = Clamp(nStart);
    nEnd = std::max(nStart, Clamp(nEnd));
    if (nEnd == nStart)
        return {};
    // The editor keeps the range in one piece until the text next changes.
    const long nPointer = m_editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(nStart),
                                                 static_cast<long>(nEnd - nStart));
    return {reinterpret_cast<const char*>(nPointer), static_cast<std::size_t>(nEnd - nStart)};
}

int CScintillaTextModel::GetLineCount() const
{
    return static_cast<int>(m_editor.SendScintilla(Sci::SCI_GETLINECOUNT));
}

int CScintillaTextModel::LineFromPosition(TextPos nPos) const
{
    return static_cast<int>(m_editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Clamp(nPos))));
}

TextPos CScintillaTextModel::LineStart(int nLine) const
{
    if (nLine < 0)
        return 0;
    if (nLine >= GetLineCount())
        return GetLength();
    return m_editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine));
}

TextPos CScintillaTextModel::LineEnd(int nLine) const
{
    if (nLine >= GetLineCount())
        return GetLength();
    return m_editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(std::max(nLine, 0)));
}

CTextRange CScintillaTextModel::GetSelection() const
{
    return {m_editor.SendScintilla(Sci::SCI_GETSELECTIONSTART), m_editor.SendScintilla(Sci::SCI_GETSELECTIONEND)};
}

void CScintillaTextModel::SetSelection(TextPos nStart, TextPos nEnd)
{
    m_editor.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(Clamp(nStart)), static_cast<long>(Clamp(nEnd)));
}

void CScintillaTextModel::Replace(TextPos nStart, TextPos nEnd, std::string_view bytes)
{
    m_editor.SendScintilla(Sci::SCI_BEGINUNDOACTION);
    m_editor.SendScintilla(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(Clamp(nStart)));
    m_editor.SendScintilla(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(Clamp(nEnd)));
    m_editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.data());
    m_editor.SendScintilla(Sci::SCI_ENDUNDOACTION);
}

void CScintillaTextModel::BeginUndoStep()
{
    m_editor.SendScintilla(Sci::SCI_BEGINUNDOACTION);
}

void CScintillaTextModel::EndUndoStep()
{
    m_editor.SendScintilla(Sci::SCI_ENDUNDOACTION);
}

std::string CScintillaTextModel::GetClasses(TextPos nStart, TextPos nEnd) const
{
    nStart = Clamp(nStart);
    nEnd = std::max(nStart, Clamp(nEnd));
    const TextPos nHeldEnd = m_strUnwritten.empty() ? nEnd : std::clamp(m_nUnwrittenFrom, nStart, nEnd);
    // The editor gives each byte followed by its style, and two closing NULs.
    std::string styled(static_cast<std::size_t>(nHeldEnd - nStart) * 2 + 2, '\0');
    m_editor.SendScintilla(Sci::SCI_GETSTYLEDTEXT, static_cast<long>(nStart), static_cast<long>(nHeldEnd), styled.data());
    std::string classes(static_cast<std::size_t>(nEnd - nStart), ColourClass::kNormal);
    for (std::size_t i = 0; i < static_cast<std::size_t>(nHeldEnd - nStart); ++i)
        classes[i] = IsClassStyle(styled[2 * i + 1]) ? styled[2 * i + 1] : ColourClass::kNormal;
    for (TextPos nPos = nHeldEnd; nPos < nEnd; ++nPos)
        classes[static_cast<std::size_t>(nPos - nStart)] = m_strUnwritten[static_cast<std::size_t>(nPos - m_nUnwrittenFrom)];
    return classes;
}

void CScintillaTextModel::SetClasses(TextPos nStart, std::string_view classes)
{
    nStart = Clamp(nStart);
    classes = classes.substr(0, static_cast<std::size_t>(std::min<TextPos>(static_cast<TextPos>(classes.size()),
                                                                            GetLength() - nStart)));
    if (!m_strUnwritten.empty()) {
        // Where the classes meet those still waiting, they take their place.
        const TextPos nEnd = nStart + static_cast<TextPos>(classes.size());
        const TextPos nFrom = std::max(nStart, m_nUnwrittenFrom);
        if (nFrom < nEnd)
            m_strUnwritten.replace(static_cast<std::size_t>(nFrom - m_nUnwrittenFrom),
                                   static_cast<std::size_t>(nEnd - nFrom),
                                   classes.substr(static_cast<std::size_t>(nFrom - nStart)));
        classes = classes.substr(0, static_cast<std::size_t>(std::max<TextPos>(0, m_nUnwrittenFrom - nStart)));
    }
    WriteStyles(nStart, classes);
}

void CScintillaTextModel::ApplyClasses(TextPos nBase, std::string_view classes)
{
    nBase = Clamp(nBase);
    const bool bToTheEnd = nBase + static_cast<TextPos>(classes.size()) >= GetLength();
    if (bToTheEnd && classes.size() > kStretchBytes) {
        // The whole rest of the text: what waited before is replaced.
        m_strUnwritten.assign(classes.substr(kStretchBytes, static_cast<std::size_t>(GetLength() - nBase) - kStretchBytes));
        m_nUnwrittenFrom = nBase + static_cast<TextPos>(kStretchBytes);
        classes = classes.substr(0, kStretchBytes);
        if (!m_bStretchQueued) {
            m_bStretchQueued = true;
            QTimer::singleShot(0, this, [this] { WriteNextStretch(); });
        }
    }
    SetClasses(nBase, classes);
}

void CScintillaTextModel::WriteAllClasses()
{
    while (!m_strUnwritten.empty())
        WriteNextStretch();
}

void CScintillaTextModel::WriteNextStretch()
{
    m_bStretchQueued = false;
    const std::size_t nLength = std::min(kStretchBytes, m_strUnwritten.size());
    WriteStyles(m_nUnwrittenFrom, std::string_view(m_strUnwritten).substr(0, nLength));
    m_strUnwritten.erase(0, nLength);
    m_nUnwrittenFrom += static_cast<TextPos>(nLength);
    if (!m_strUnwritten.empty() && !m_bStretchQueued) {
        m_bStretchQueued = true;
        QTimer::singleShot(0, this, [this] { WriteNextStretch(); });
    }
}

// The waiting classes move with the bytes they belong to; inserted bytes wait as normal.
void CScintillaTextModel::OnChange(TextPos nPos, TextPos nLength, bool bInsert)
{
    if (m_strUnwritten.empty())
        return;
    const TextPos nWaitEnd = m_nUnwrittenFrom + static_cast<TextPos>(m_strUnwritten.size());
    if (bInsert) {
        if (nPos <= m_nUnwrittenFrom)
            m_nUnwrittenFrom += nLength;
        else
            m_strUnwritten.insert(static_cast<std::size_t>(std::min(nPos, nWaitEnd) - m_nUnwrittenFrom),
                                  static_cast<std::size_t>(nLength), ColourClass::kNormal);
        return;
    }
    const TextPos nEnd = nPos + nLength;
    const TextPos nFrom = std::max(nPos, m_nUnwrittenFrom);
    const TextPos nTo = std::min(nEnd, nWaitEnd);
    if (nFrom < nTo)
        m_strUnwritten.erase(static_cast<std::size_t>(nFrom - m_nUnwrittenFrom), static_cast<std::size_t>(nTo - nFrom));
    m_nUnwrittenFrom -= std::max<TextPos>(0, std::min(nEnd, m_nUnwrittenFrom) - nPos);
}

void CScintillaTextModel::WriteStyles(TextPos nStart, std::string_view classes)
{
    if (classes.empty())
        return;
    // The passes write only class codes, which go to the editor as they stand; any other byte
    // is written as normal.
    std::string shown;
    std::string_view styles = classes;
    if (!std::all_of(styles.begin(), styles.end(), IsClassStyle)) {
        shown.assign(styles);
        std::transform(shown.begin(), shown.end(), shown.begin(), ColourClass::Shown);
        styles = shown;
    }
    m_editor.SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(nStart), 0xffL);
    m_editor.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()), styles.data());
}

TextPos CScintillaTextModel::Clamp(TextPos nPos) const
{
    return std::clamp<TextPos>(nPos, 0, GetLength());
}

std::vector<int> CScintillaTextModel::GetMarkedLines(ELineMark mark) const
{
    const long nMask = 1L << MarkerOf(mark);
    std::vector<int> lines;
    for (long nLine = m_editor.SendScintilla(Sci::SCI_MARKERNEXT, 0UL, nMask); nLine >= 0;
         nLine = m_editor.SendScintilla(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(nLine + 1), nMask))
        lines.push_back(static_cast<int>(nLine));
    return lines;
}

void CScintillaTextModel::SetMarkedLines(ELineMark mark, const std::vector<int>& lines)
{
    std::vector<int> markers = {MarkerOf(mark)};
    if (mark == ELineMark::CurrentLine)
        markers.push_back(CSourceMargins::kCurrentLineTint);
    for (int nMarker : markers)
        m_editor.SendScintilla(Sci::SCI_MARKERDELETEALL, static_cast<unsigned long>(nMarker));
    const int nLast = std::max(GetLineCount() - 1, 0);
    for (int nLine : lines) {
        for (int nMarker : markers)
            m_editor.SendScintilla(Sci::SCI_MARKERADD, static_cast<unsigned long>(std::clamp(nLine, 0, nLast)),
                                   static_cast<long>(nMarker));
    }
}
