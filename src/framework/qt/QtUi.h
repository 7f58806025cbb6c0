#pragma once

#include "framework/ModalDialog.h"
#include "framework/Ui.h"

#include <QString>

#include <functional>
#include <map>
#include <typeindex>

class QWidget;

// The Ui seam on real Qt dialogs. Every box and dialog is owned by the dialog open at the time,
// else by the main window, also during start-up.
class CQtUi : public CUi {
public:
    CQtUi() = default;

    // Where the main window is found when a dialog is shown; none gives unowned dialogs.
    void SetMainWindow(std::function<QWidget*()> mainWindow) { m_mainWindow = std::move(mainWindow); }
    // The window a dialog shown now belongs to.
    QWidget* Owner() const;

    // The view that shows dialogs of the model type Model: it returns kIdOk or kIdCancel.
    template <class Model>
    void AddDialogView(std::function<int(Model&, QWidget*)> show)
    {
        m_views[std::type_index(typeid(Model))] = [show = std::move(show)](CModalDialog& dialog, QWidget* owner) {
            return show(static_cast<Model&>(dialog), owner);
        };
    }

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
    std::function<QWidget*()> m_mainWindow;
    std::map<std::type_index, std::function<int(CModalDialog&, QWidget*)>> m_views;
};
