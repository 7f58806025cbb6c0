#include "ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

const char* KindName(int kind)
{
    static const char* const names[] = {"message", "open-file dialog", "save-file dialog",
                                        "colour chooser", "folder chooser", "dialog"};
    return names[kind];
}

// Whether a box with these buttons can give the answer.
bool Offers(MsgButtons buttons, MsgAnswer answer)
{
    switch (buttons) {
    case MsgButtons::Ok: return answer == MsgAnswer::Ok;
    case MsgButtons::OkCancel: return answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel;
    case MsgButtons::YesNo: return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesNoCancel: return answer != MsgAnswer::Ok;
    }
    return false;
}

}  // namespace

CScriptedUi::~CScriptedUi()
{
    for (const auto& answer : m_answers)
        ADD_FAILURE() << "expected " << KindName(static_cast<int>(answer.kind)) << " never came: " << answer.text;
}

bool CScriptedUi::AllAnswered() const
{
    return m_answers.empty();
}

void CScriptedUi::ExpectMessage(std::string text, MsgAnswer answer, MsgButtons buttons, std::string caption)
{
    CAnswer a = Make(Kind::Message, std::move(text));
    a.messageAnswer = answer;
    a.buttons = buttons;
    a.caption = std::move(caption);
    EXPECT_TRUE(Offers(buttons, answer)) << "a box with these buttons cannot give that answer: " << a.text;
    m_answers.push_back(std::move(a));
}

void CScriptedUi::ExpectOpenFiles(std::vector<std::string> paths)
{
    CAnswer a = Make(Kind::OpenFiles, {});
    a.paths = std::move(paths);
    m_answers.push_back(std::move(a));
}

void CScriptedUi::ExpectSaveFile(std::string path)
{
    m_answers.push_back(Make(Kind::SaveFile, std::move(path)));
}

void CScriptedUi::ExpectColour(std::optional<std::uint32_t> colour)
{
    CAnswer a = Make(Kind::Colour, {});
    a.colour = colour;
    m_answers.push_back(std::move(a));
}

void CScriptedUi::ExpectFolder(std::optional<std::string> folder)
{
    CAnswer a = Make(Kind::Folder, {});
    a.folder = std::move(folder);
    m_answers.push_back(std::move(a));
}

void CScriptedUi::ExpectDialog(std::string name, DialogAnswer answer)
{
    CAnswer a = Make(Kind::Dialog, std::move(name));
    a.dialogAnswer = std::move(answer);
    m_answers.push_back(std::move(a));
}

bool CScriptedUi::Next(Kind kind, const std::string& what, CAnswer& answer)
{
    if (m_answers.empty() || m_answers.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": " << what
                      << (m_answers.empty() ? std::string(" (nothing queued)")
                                            : std::string(" (next queued: ") +
                                                  KindName(static_cast<int>(m_answers.front().kind)) + " " +
                                                  m_answers.front().text + ")");
        return false;
    }
    answer = std::move(m_answers.front());
    m_answers.pop_front();
    return true;
}

MsgAnswer CScriptedUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon, const std::string& caption)
{
    m_messages.push_back(text);
    CAnswer answer;
    if (!Next(Kind::Message, text, answer))
        return MsgAnswer::Cancel;
    EXPECT_EQ(answer.text, text) << "a different message was shown";
    EXPECT_EQ(static_cast<int>(buttons), static_cast<int>(answer.buttons)) << "other buttons than expected: " << text;
    EXPECT_EQ(caption, answer.caption) << "another caption than expected: " << text;
    return answer.messageAnswer;
}

std::optional<std::vector<std::string>> CScriptedUi::GetOpenFileNames(const CFileDialogSpec& request)
{
    m_fileDialogs.push_back(request);
    CAnswer answer;
    if (!Next(Kind::OpenFiles, request.filter, answer) || answer.paths.empty())
        return std::nullopt;
    return answer.paths;
}

std::optional<std::string> CScriptedUi::GetSaveFileName(const CFileDialogSpec& request)
{
    m_fileDialogs.push_back(request);
    CAnswer answer;
    if (!Next(Kind::SaveFile, request.filter, answer) || answer.text.empty())
        return std::nullopt;
    return answer.text;
}

std::optional<std::uint32_t> CScriptedUi::ChooseColour(std::uint32_t)
{
    CAnswer answer;
    if (!Next(Kind::Colour, {}, answer))
        return std::nullopt;
    return answer.colour;
}

std::optional<std::string> CScriptedUi::ChooseFolder(const std::string& title, const std::string&)
{
    CAnswer answer;
    if (!Next(Kind::Folder, title, answer))
        return std::nullopt;
    return answer.folder;
}

int CScriptedUi::DoModal(CModalDialog& dialog)
{
    CAnswer answer;
    if (!Next(Kind::Dialog, dialog.DialogName(), answer))
        return kIdCancel;
    EXPECT_EQ(answer.text, dialog.DialogName()) << "a different dialog was shown";
    return answer.dialogAnswer ? answer.dialogAnswer(dialog) : kIdCancel;
}
