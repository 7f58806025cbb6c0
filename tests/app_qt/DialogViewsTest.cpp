// The dialogs on screen, driven as a person would: each view shows its model's fields, hands
// what is typed and clicked back to it, and ends the way the model decides.
#include "app/AboutDlg.h"
#include "app/NewDocumentDlg.h"
#include "app/NewProjectDlg.h"
#include "app/RecentProjectsDlg.h"
#include "app/TipOfTheDayDlg.h"
#include "app/qt/AboutDlgView.h"
#include "app/qt/DialogViews.h"
#include "app/qt/NewDocumentDlgView.h"
#include "app/qt/NewProjectDlgView.h"
#include "app/qt/QuarnelApp.h"
#include "app/qt/RecentProjectsDlgView.h"
#include "app/qt/TipOfTheDayDlgView.h"
#include "framework/CommandIds.h"
#include "framework/qt/MDIFrameWnd.h"
#include "framework/qt/QtUi.h"

#include "support/AppTestEnv.h"
#include "support/MapProfile.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Acts on the view once it is up in its modal loop. Whatever the act leaves open is cancelled,
// so a failing test never hangs.
template <class View>
void WhenShown(std::function<void(View&)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* view = qobject_cast<View*>(modal);
        if (view == nullptr) {
            ADD_FAILURE() << "the expected dialog is not up";
        } else {
            act(*view);
        }
        if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget()); left != nullptr && left == modal)
            left->reject();
    });
}

QPushButton* StandardButton(QDialog& view, QDialogButtonBox::StandardButton which)
{
    return view.findChild<QDialogButtonBox*>()->button(which);
}

}  // namespace

TEST(DialogViews, NewDialogWantsASelectionBeforeOk)
{
    CNewDocumentDlg model;
    bool bStayedOpen = false;
    WhenShown<CNewDocumentDlgView>([&](CNewDocumentDlgView& view) {
        EXPECT_EQ(view.windowTitle(), "New Ondrik Document");
        ASSERT_EQ(view.GetList()->count(), 3);
        EXPECT_EQ(view.GetList()->item(1)->text(), "Ondrik Project");
        EXPECT_TRUE(view.GetList()->selectedItems().isEmpty());
        StandardButton(view, QDialogButtonBox::Ok)->click();
        bStayedOpen = view.isVisible();
        view.GetList()->item(2)->setSelected(true);
        StandardButton(view, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(CNewDocumentDlgView::Show(model, nullptr), kIdOk);
    EXPECT_TRUE(bStayedOpen) << "OK without a selection does nothing";
    EXPECT_EQ(model.m_nSelected, CNewDocumentDlg::kHtmlPage);
}

TEST(DialogViews, NewProjectShowsThePresetsAndRefusesAnEmptyName)
{
    CScriptedUi ui;
    CNewProjectDlg model(ui);
    model.m_nProjectType = CNewProjectDlg::kEmpty;
    model.m_strClassName = "MyApp";
    ui.ExpectMessage("Please enter a name for your class");
    WhenShown<CNewProjectDlgView>([&](CNewProjectDlgView& view) {
        EXPECT_EQ(view.GetTypes()->checkedId(), CNewProjectDlg::kEmpty);
        EXPECT_EQ(view.GetClassName()->text(), "MyApp");
        EXPECT_EQ(view.GetClassName()->selectedText(), "MyApp");
        view.GetTypes()->button(CNewProjectDlg::kApplet)->click();
        view.GetClassName()->clear();
        StandardButton(view, QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(view.isVisible());
        EXPECT_EQ(view.GetClassName()->text(), "MyApp") << "the name goes back to the default";
        view.GetClassName()->setText("Foo");
        StandardButton(view, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(CNewProjectDlgView::Show(model, nullptr), kIdOk);
    EXPECT_EQ(model.m_nProjectType, CNewProjectDlg::kApplet);
    EXPECT_EQ(model.m_strClassName, "Foo");
}

TEST(DialogViews, RecentProjectsRemovesAndOpensByDoubleClick)
{
    CScriptedUi ui;
    std::vector<std::string> recent{"/p/one.jpr", "/p/two.jpr"};
    CRecentProjectsDlg model(ui, recent);
    ui.ExpectMessage("Please choose an item from the list");
    WhenShown<CRecentProjectsDlgView>([&](CRecentProjectsDlgView& view) {
        QListWidget& list = *view.GetList();
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.currentRow(), 0) << "the first line starts selected";
        view.findChild<QPushButton*>("1044")->click();
        EXPECT_EQ(list.count(), 1);
        EXPECT_TRUE(list.selectedItems().isEmpty());
        StandardButton(view, QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(view.isVisible());
        list.setCurrentRow(0);
        emit list.itemDoubleClicked(list.item(0));
    });
    EXPECT_EQ(CRecentProjectsDlgView::Show(model, nullptr), kIdOk);
    EXPECT_EQ(model.m_strSelectedPath, "/p/two.jpr");
    EXPECT_EQ(recent, std::vector<std::string>{"/p/two.jpr"});
}

TEST(DialogViews, TipOfTheDayStepsThroughTipsAndCloseStoresTheStartUpBox)
{
    CTempDir dir;
    const std::string tips = dir.Write("help/tips.dat", "First\nSecond\n");
    CScriptedUi ui;
    CMapProfile profile;
    {
        CTipOfTheDayDlg model(ui, profile, tips);
        WhenShown<CTipOfTheDayDlgView>([&](CTipOfTheDayDlgView& view) {
            EXPECT_EQ(view.GetTip()->text(), "First");
            EXPECT_TRUE(view.GetStartup()->isChecked());
            view.GetNextTip()->click();
            EXPECT_EQ(view.GetTip()->text(), "Second");
            view.GetStartup()->setChecked(false);
            view.GetClose()->click();
        });
        EXPECT_EQ(CTipOfTheDayDlgView::Show(model, nullptr), kIdOk);
    }
    EXPECT_EQ(profile.m_ints["Tip/StartUp"], 1) << "the box unchecked: not shown at start-up";
    profile.m_ints.erase("Tip/StartUp");
    {
        CTipOfTheDayDlg model(ui, profile, tips);
        WhenShown<CTipOfTheDayDlgView>([](CTipOfTheDayDlgView& view) {
            view.GetStartup()->setChecked(false);
            QTest::keyClick(&view, Qt::Key_Escape);
        });
        EXPECT_EQ(CTipOfTheDayDlgView::Show(model, nullptr), kIdCancel);
    }
    EXPECT_EQ(profile.m_ints.count("Tip/StartUp"), 0u) << "Esc stores nothing";
}

TEST(DialogViews, AboutBoxShowsTheProductAndVisitsTheWebSite)
{
    CRecordingShell shell;
    CAboutDlg model(shell, "/usr/lib/jvm/default-java");
    WhenShown<CAboutDlgView>([](CAboutDlgView& view) {
        EXPECT_EQ(view.windowTitle(), "About Ondrik");
        QStringList texts;
        for (const QLabel* label : view.findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QString::fromStdString(CAboutDlg::ProductLine())));
        EXPECT_TRUE(texts.contains(CAboutDlg::kWebSite));
        EXPECT_TRUE(texts.contains("JDK folder: /usr/lib/jvm/default-java"));
        view.GetVisitWebSite()->click();
        StandardButton(view, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(CAboutDlgView::Show(model, nullptr), kIdOk);
    EXPECT_EQ(shell.m_opened, std::vector<std::string>{CAboutDlg::kWebSite});
    EXPECT_EQ(CAboutDlg::ProductLine().rfind("Ondrik Version ", 0), 0u);
}

// The program's Ui shows each model through the view of its type, owned by the main window,
// also while the program is starting; a model without a view is not confirmed.
TEST(DialogViews, TheUiShowsEachModelInItsViewOwnedByTheMainWindow)
{
    CTestConfigHome home;
    home.Dir().Write("install/help/tips.dat", "A tip\n");
    CAppEnvironment env;
    env.strProgramPath = home.Dir().File("install/ondrik");
    env.strSettingsFile = home.SettingsFile();
    env.jdkSearch = {home.Dir().File("jvm/default-java"), ""};
    CQtUi ui;
    InstallDialogViews(ui);
    CRecordingShell shell;
    CQuarnelApp app(ui, shell, env);
    ui.SetMainWindow([&app] { return app.GetMainWnd(); });

    QWidget* tipOwner = nullptr;
    WhenShown<CTipOfTheDayDlgView>([&](CTipOfTheDayDlgView& view) { tipOwner = view.parentWidget(); });
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.GetMainWnd(), nullptr);
    EXPECT_EQ(tipOwner, app.GetMainWnd()) << "the start-up tip belongs to the main window";

    QWidget* boxOwner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxOwner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    app.SendCommand(Cmd::ID_HELP_HELP);  // the help file is missing: a message box
    EXPECT_EQ(boxOwner, app.GetMainWnd());

    QString aboutTitle;
    WhenShown<CAboutDlgView>([&](CAboutDlgView& view) { aboutTitle = view.windowTitle(); });
    app.SendCommand(Cmd::ID_APP_ABOUT);
    EXPECT_EQ(aboutTitle, "About Ondrik");

    struct CUnknownDlg : CModalDialog {
        std::string DialogName() const override { return "Unknown"; }
    } unknown;
    EXPECT_EQ(ui.DoModal(unknown), kIdCancel);
}
