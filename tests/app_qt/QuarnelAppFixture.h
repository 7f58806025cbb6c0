#pragma once

#include "app/qt/MainFrame.h"
#include "app/qt/QuarnelApp.h"
#include "framework/Resources.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"
#include "project/JavaProjectDoc.h"

#include "support/AppTestEnv.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include <QApplication>
#include <QMdiArea>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QuarnelAppTest : public ::testing::Test {
protected:
    QuarnelAppTest()
    {
        // No tip at start-up unless a test asks for it.
        WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n");
    }

    void WriteSettings(const std::string& keys)
    {
        m_home.Dir().Write("config/Kestrune/Ondrik.reg", "Windows Registry Editor Version 5.00\n\n" + keys);
    }

    CAppEnvironment Environment() const
    {
        CAppEnvironment env;
        env.strProgramPath = m_home.Dir().File("install/ondrik");
        env.strSettingsFile = m_home.SettingsFile();
        env.jdkSearch = {m_home.Dir().File("jvm/default-java"), ""};
        env.strRecoveryFolder = m_strRecoveryFolder;
        return env;
    }

    CQuarnelApp& Start(const CCommandLineInfo& cmd = {})
    {
        m_app = std::make_unique<CQuarnelApp>(m_ui, m_shell, Environment());
        m_bStarted = m_app->InitInstance(cmd);
        return *m_app;
    }

    // A saved project with one Java file, as the program writes it.
    std::string MakeProject(const std::string& name)
    {
        const std::string folder = m_home.Dir().File(name);
        m_home.Dir().Write(name + "/" + name + ".java", "class " + name + " {}\r\n");
        CScriptedUi ui;
        CRecordingShell shell;
        CQuarnelApp maker(ui, shell, Environment());
        CJavaProjectDoc project(maker.ProjectHost());
        project.SetPathName(folder + "/" + name + ".jpr");
        project.AddJavaFile(folder + "/" + name + ".java");
        project.SetMainJavaFile(name + ".java");
        EXPECT_TRUE(project.OnSaveDocument(project.GetPathName()));
        return project.GetPathName();
    }

    // Opens path; when the active window's view is a View, its editor has the keyboard, as a click
    // in it would give.
    template <class View>
    View* OpenView(const std::string& path)
    {
        m_app->OpenDocumentFile(path);
        CMDIChildWnd* frame = m_app->GetMainWnd()->GetActiveFrame();
        auto* view = frame != nullptr ? dynamic_cast<View*>(frame->GetActiveView()) : nullptr;
        if (view != nullptr) {
            QApplication::setActiveWindow(m_app->GetMainWnd());
            view->GetEditor()->setFocus();
        }
        return view;
    }

    // Types each key of accelerator table nTable into target and expects it to fire its own
    // shortcut, and only that one.
    void ExpectEveryKeyReachesItsCommand(QWidget* target, int nTable)
    {
        std::vector<QString> reached;
        // The connections end with this, so none outlives reached.
        const QObject listening;
        for (QShortcut* shortcut : m_app->GetMainWnd()->findChildren<QShortcut*>()) {
            if (shortcut->isEnabled())
                QObject::connect(shortcut, &QShortcut::activated, &listening,
                                 [&reached, shortcut] { reached.push_back(shortcut->key().toString()); });
        }
        const auto* accels = m_app->GetResources().GetAccelerators(nTable);
        ASSERT_NE(accels, nullptr);
        ASSERT_FALSE(accels->empty());
        for (const CAccelerator& accel : *accels) {
            const QKeySequence key(QString::fromStdString(accel.keys));
            reached.clear();
            QTest::keySequence(target, key);
            EXPECT_EQ(reached, std::vector<QString>{key.toString()}) << accel.keys;
        }
    }

    void ProcessDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::size_t WindowCount() const { return m_app->GetMainWnd()->GetMdiArea()->subWindowList().size(); }

    CTestConfigHome m_home;
    CScriptedUi m_ui;
    CRecordingShell m_shell;
    std::unique_ptr<CQuarnelApp> m_app;
    bool m_bStarted = false;
    // Unsaved work is kept only by tests that name a folder for it.
    std::string m_strRecoveryFolder;
};

