#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CModalDialog;

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// A message text with its first "%1" replaced by arg.
inline std::string MessageWithArg(std::string text, const std::string& arg)
{
    if (const auto pos = text.find("%1"); pos != std::string::npos)
        text.replace(pos, 2, arg);
    return text;
}

// What a file open or save dialog is asked to show. The filter is written as pairs of a
// description and patterns, each ended by "|", the list ended by an extra "|".
struct CFileDialogSpec {
    std::string title;
    std::string defaultExtension;  // without the dot
    std::string initialName;
    std::string initialFolder;
    std::string filter;
    bool hideReadOnly = false;
    bool allowMultiple = false;
    bool promptOverwrite = false;
};

// Every question the program asks a person goes through here: the running program shows real
// dialogs, the tests answer from a script and see every text that would have been shown.
class CUi {
public:
    static constexpr const char* kAppCaption = "Ondrik";

    virtual ~CUi() = default;

    // With MsgIcon::None the icon follows the buttons: a warning for OK boxes, a question otherwise.
    virtual MsgAnswer MessageBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None, const std::string& caption = kAppCaption) = 0;

    // The chosen paths, or nothing when the person cancelled.
    virtual std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec& request) = 0;
    virtual std::optional<std::string> GetSaveFileName(const CFileDialogSpec& request) = 0;

    // Colours are 0x00BBGGRR.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
    virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initial) = 0;

    // Shows a modal dialog and gives its result (kIdOk, kIdCancel, ...).
    virtual int DoModal(CModalDialog& dialog) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
