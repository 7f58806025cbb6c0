#include "run/ArgumentsDlg.h"
#include "run/qt/ArgumentsDlgQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the dialog once it is up, then lets the modal loop return.
int ExecuteWith(CArgumentsDlg& dialog, std::function<void(CArgumentsDlgQt&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* shown = dynamic_cast<CArgumentsDlgQt*>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            ADD_FAILURE() << "the Arguments dialog is not up";
            QApplication::activeModalWidget()->close();
            return;
        }
        act(*shown);
    });
    return CArgumentsDlgQt::Show(dialog, nullptr);
}

QPushButton* Button(CArgumentsDlgQt& shown, int id)
{
    return shown.findChild<QPushButton*>(QString::number(id));
}

}  // namespace

TEST(ArgumentsDlgQt, ShowsThePromptAndAnEmptyBoxWithOkAsDefault)
{
    CArgumentsDlg dialog;
    dialog.m_strArguments = "stale";
    ExecuteWith(dialog, [](CArgumentsDlgQt& shown) {
        EXPECT_EQ(shown.windowTitle(), "Arguments");
        EXPECT_EQ(shown.findChild<QLabel*>()->text(), "Enter the arguments to pass to your program:");
        EXPECT_EQ(shown.findChild<QLineEdit*>("1000")->text(), "");
        EXPECT_EQ(Button(shown, kIdOk)->text(), "OK");
        EXPECT_TRUE(Button(shown, kIdOk)->isDefault());
        EXPECT_EQ(Button(shown, kIdCancel)->text(), "Cancel");
        Button(shown, kIdCancel)->click();
    });
}

TEST(ArgumentsDlgQt, OkReturnsTheTypedText)
{
    CArgumentsDlg dialog;
    const int result = ExecuteWith(dialog, [](CArgumentsDlgQt& shown) {
        QTest::keyClicks(shown.ArgumentsEdit(), "-x \"a b\"");
        QTest::keyClick(shown.ArgumentsEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(result, kIdOk);
    EXPECT_EQ(dialog.m_strArguments, "-x \"a b\"");
}

TEST(ArgumentsDlgQt, OkWithAnEmptyBoxGivesAnEmptyText)
{
    CArgumentsDlg dialog;
    const int result = ExecuteWith(dialog, [](CArgumentsDlgQt& shown) { Button(shown, kIdOk)->click(); });
    EXPECT_EQ(result, kIdOk);
    EXPECT_EQ(dialog.m_strArguments, "");
}

TEST(ArgumentsDlgQt, CancelAndEscapeGiveCancel)
{
    CArgumentsDlg dialog;
    EXPECT_EQ(ExecuteWith(dialog,
                          [](CArgumentsDlgQt& shown) {
                              QTest::keyClicks(shown.ArgumentsEdit(), "typed");
                              Button(shown, kIdCancel)->click();
                          }),
              kIdCancel);
    EXPECT_EQ(dialog.m_strArguments, "");
    EXPECT_EQ(ExecuteWith(dialog,
                          [](CArgumentsDlgQt& shown) { QTest::keyClick(shown.ArgumentsEdit(), Qt::Key_Escape); }),
              kIdCancel);
}
