#pragma once

#include <string>

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// A modal dialog as the Ui seam sees it: a named set of fields that the real dialog edits, or
// that a test's scripted answer fills in.
class CModalDialog {
public:
    virtual ~CModalDialog() = default;

    virtual std::string DialogName() const = 0;

    // Shows the real dialog and returns its result.
    virtual int Execute() = 0;
};
