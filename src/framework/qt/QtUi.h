#pragma once

#include "framework/Ui.h"

#include <QString>

class QWidget;

// The Ui seam on real Qt dialogs, owned by the main window.
class CQtUi : public CUi {
public:
    CQtUi() = default;

    void SetOwner(QWidget* owner) { m_pOwner = owner; }

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& caption) override;
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec& request) override;
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec& request) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initial) override;
    int DoModal(CModalDialog& dialog) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // "Name (*.a;*.b)|*.a;*.b|All Files (*.*)|*.*||" as Qt's "Name (*.a *.b);;All Files (*)".
    static QString QtFilter(const std::string& filter);

private:
    QWidget* m_pOwner = nullptr;
};
