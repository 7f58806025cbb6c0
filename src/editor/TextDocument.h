#pragma once

#include "framework/Document.h"

#include <functional>
#include <string>

// A document whose file is plain text, kept as its exact bytes. While a window shows it, the
// window's editor holds the current text; saving takes it from there.
class CTextDocument : public CDocument {
public:
    using CDocument::CDocument;

    // Loading takes every byte of the file; storing writes the current text unchanged.
    void Serialize(CArchive& ar) override;

    // The text as loaded, or as last taken from the editor.
    const std::string& GetLoadedText() const { return m_strText; }
    std::string GetText() const;
    void SetText(std::string text) { m_strText = std::move(text); }

    // The editor that holds the current text; none when no window shows the document.
    void SetTextSource(std::function<std::string()> source) { m_textSource = std::move(source); }

protected:
    void DeleteContents() override { m_strText.clear(); }

private:
    std::string m_strText;
    std::function<std::string()> m_textSource;
};
