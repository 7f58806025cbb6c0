#include "TextDocument.h"

#include "TextModel.h"

#include "framework/Archive.h"

std::string CTextDocument::GetText() const
{
    return m_pTextModel != nullptr ? std::string(m_pTextModel->GetAllBytes()) : m_strText;
}

void CTextDocument::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strText = GetText();
        ar.WriteBytes(m_strText);
    } else {
        m_strText = ar.ReadRemaining();
    }
}
