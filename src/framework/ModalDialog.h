#pragma once

#include <string>

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// A modal dialog as the Ui seam sees it: the model that holds the dialog's fields, its rules
// and its messages, without any window. The Ui shows it through the view made for its type, or
// a test's scripted answer fills it in.
class CModalDialog {
public:
    virtual ~CModalDialog() = default;

    virtual std::string DialogName() const = 0;
};
