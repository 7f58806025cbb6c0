#include "DocTemplate.h"

#include "Document.h"

#include <cctype>

CDocTemplate::CDocTemplate(int resourceId, std::string description, DocFactory makeDoc, FrameFactory makeFrame)
    : m_nResourceId(resourceId),
      m_strDescription(std::move(description)),
      m_makeDoc(std::move(makeDoc)),
      m_makeFrame(std::move(makeFrame))
{
}

std::string CDocTemplate::DocStringOf(std::string_view description, int index)
{
    for (int i = 0; i < index; ++i) {
        const auto pos = description.find('\n');
        if (pos == std::string_view::npos)
            return {};
        description.remove_prefix(pos + 1);
    }
    return std::string(description.substr(0, description.find('\n')));
}

std::string CDocTemplate::GetDocString(DocStringIndex index) const
{
    return DocStringOf(m_strDescription, index);
}

CDocTemplate::Confidence CDocTemplate::MatchExtension(std::string_view path) const
{
    const std::string ext = GetDocString(filterExt);
    if (ext.empty() || path.size() < ext.size())
        return yesAttemptForeign;
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return yesAttemptForeign;
    const std::string_view pathExt = path.substr(dot);
    if (pathExt.size() != ext.size())
        return yesAttemptForeign;
    for (std::size_t i = 0; i < ext.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(pathExt[i])) != std::tolower(static_cast<unsigned char>(ext[i])))
            return yesAttemptForeign;
    }
    return yesAttemptNative;
}

std::string CDocTemplate::NextUntitledTitle()
{
    std::string name = GetDocString(docName);
    if (name.empty())
        name = "Untitled";
    return name + std::to_string(++m_nUntitledCount);
}

std::unique_ptr<CDocument> CDocTemplate::CreateDocument() const
{
    return m_makeDoc();
}
