#pragma once

#include "framework/Ui.h"

#include <iosfwd>

// The Ui seam for command-line tools: messages go to standard error, and every question is
// answered with Cancel, since nobody is there to answer it.
class CConsoleUi : public CUi {
public:
    explicit CConsoleUi(std::ostream& err) : m_err(err) {}

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& caption) override;
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    int DoModal(CModalDialog& dialog) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    std::ostream& m_err;
};
