#include "ScintillaTextModel.h"

#include "editor/ColourClass.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

char StyleOf(char code)
{
    switch (ColourClass::Shown(code)) {
    case ColourClass::kKeyword: return CScintillaTextModel::kKeywordStyle;
    case ColourClass::kComment: return CScintillaTextModel::kCommentStyle;
    case ColourClass::kString: return CScintillaTextModel::kStringStyle;
    case ColourClass::kTag: return CScintillaTextModel::kTagStyle;
    default: return CScintillaTextModel::kNormalStyle;
    }
}

char ClassOf(char style)
{
    switch (style) {
    case CScintillaTextModel::kKeywordStyle: return ColourClass::kKeyword;
    case CScintillaTextModel::kCommentStyle: return ColourClass::kComment;
    case CScintillaTextModel::kStringStyle: return ColourClass::kString;
    case CScintillaTextModel::kTagStyle: return ColourClass::kTag;
    default: return ColourClass::kNormal;
    }
}

}  // namespace

CScintillaTextModel::CScintillaTextModel(QsciScintilla& editor) : QObject(&editor), m_editor(editor)
{
    // Every window on a shared text hears of every change to it, whoever made it.
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int nPosition, int nType, const char*, int, int, int, int, int, int, int) {
                if ((nType & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT)) != 0)
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

std::string CScintillaTextModel::GetClasses(TextPos nStart, TextPos nEnd) const
{
    nStart = Clamp(nStart);
    nEnd = std::max(nStart, Clamp(nEnd));
    // The editor gives each byte followed by its style, and two closing NULs.
    std::string styled(static_cast<std::size_t>(nEnd - nStart) * 2 + 2, '\0');
    m_editor.SendScintilla(Sci::SCI_GETSTYLEDTEXT, static_cast<long>(nStart), static_cast<long>(nEnd), styled.data());
    std::string classes(static_cast<std::size_t>(nEnd - nStart), ColourClass::kNormal);
    for (std::size_t i = 0; i < classes.size(); ++i)
        classes[i] = ClassOf(styled[2 * i + 1]);
    return classes;
}

void CScintillaTextModel::SetClasses(TextPos nStart, std::string_view classes)
{
    nStart = Clamp(nStart);
    const auto nLength = static_cast<std::size_t>(std::min<TextPos>(static_cast<TextPos>(classes.size()),
                                                                    GetLength() - nStart));
    if (nLength == 0)
        return;
    std::string styles(nLength, '\0');
    for (std::size_t i = 0; i < nLength; ++i)
        styles[i] = StyleOf(classes[i]);
    m_editor.SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(nStart), 0xffL);
    m_editor.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(nLength), styles.data());
}

TextPos CScintillaTextModel::Clamp(TextPos nPos) const
{
    return std::clamp<TextPos>(nPos, 0, GetLength());
}
