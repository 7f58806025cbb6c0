
#include "run/ArgumentsDlg.h"

#include <gtest/gtest.h>

namespace {

std::string g_strSeenAtOpening;

int AnswerWithText(CArgumentsDlg& dialog)
{
    g_strSeenAtOpening = dialog.m_strArguments;
    dialog.m_strArguments = "-v input.txt";
    return kIdOk;
}

// Leaves no presenter behind for the next test.
struct CPresenterScope {
    explicit CPresenterScope(CArgumentsDlg::Presenter presenter) { CArgumentsDlg::SetPresenter(presenter); }
    ~CPresenterScope() { CArgumentsDlg::SetPresenter(nullptr); }
};

}  // namespace

TEST(ArgumentsDlg, OpensEmptyEveryTimeAndReturnsTheText)
{
    CPresenterScope scope(&AnswerWithText);
    CArgumentsDlg dialog;
    dialog.m_strArguments = "left from before";
    EXPECT_EQ(dialog.Execute(), kIdOk);
    EXPECT_EQ(g_strSeenAtOpening, "");
    EXPECT_EQ(dialog.m_strArguments, "-v input.txt");
}

TEST(ArgumentsDlg, WithoutTheRealDialogNothingIsConfirmed)
{
    CArgumentsDlg dialog;
    EXPECT_EQ(dialog.Execute(), kIdCancel);
    EXPECT_EQ(dialog.m_strArguments, "");
}

