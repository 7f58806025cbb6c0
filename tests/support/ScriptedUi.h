#pragma once

#include "framework/ModalDialog.h"
#include "framework/Ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The Ui seam for tests: answers come from a queue the test fills in advance, every text and
// dialog request is recorded, and a prompt nobody expected fails the test. Answers left over
// when the object is destroyed fail the test too: the prompt they were meant for never came.
class CScriptedUi : public CUi {
public:
    using DialogAnswer = std::function<int(CModalDialog&)>;

    ~CScriptedUi() override;

    // Queue the answer to the next prompt of each kind; prompts are answered in queue order.
    // A message box must come with the buttons and caption given, and the answer must be one
    // of its buttons.
    void ExpectMessage(std::string text, MsgAnswer answer = MsgAnswer::Ok, MsgButtons buttons = MsgButtons::Ok,
                       std::string caption = CUi::kAppCaption);
    void ExpectOpenFiles(std::vector<std::string> paths);  // an empty list cancels
    void ExpectSaveFile(std::string path);                  // an empty path cancels
    void ExpectColour(std::optional<std::uint32_t> colour);
    void ExpectFolder(std::optional<std::string> folder);
    void ExpectDialog(std::string name, DialogAnswer answer);

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& caption) override;
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec& request) override;
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec& request) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initial) override;
    int DoModal(CModalDialog& dialog) override;
    void BeginWaitCursor() override { ++m_nWaitDepth; }
    void EndWaitCursor() override { --m_nWaitDepth; }

    const std::vector<std::string>& Messages() const { return m_messages; }
    const std::vector<CFileDialogSpec>& FileDialogs() const { return m_fileDialogs; }
    int WaitDepth() const { return m_nWaitDepth; }
    bool AllAnswered() const;

private:
    enum class Kind { Message, OpenFiles, SaveFile, Colour, Folder, Dialog };
    struct CAnswer {
        Kind kind = Kind::Message;
        std::string text;  // message text, dialog name, or saved path
        MsgAnswer messageAnswer = MsgAnswer::Ok;
        MsgButtons buttons = MsgButtons::Ok;
        std::string caption;
        std::vector<std::string> paths;
        std::optional<std::uint32_t> colour;
        std::optional<std::string> folder;
        DialogAnswer dialogAnswer;
    };
    static CAnswer Make(Kind kind, std::string text)
    {
        CAnswer answer;
        answer.kind = kind;
        answer.text = std::move(text);
        return answer;
    }
    bool Next(Kind kind, const std::string& what, CAnswer& answer);

    std::deque<CAnswer> m_answers;
    std::vector<std::string> m_messages;
    std::vector<CFileDialogSpec> m_fileDialogs;
    int m_nWaitDepth = 0;
};
