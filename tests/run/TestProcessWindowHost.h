#pragma once

#include "run/ProcessWindowHost.h"
#include "run/ProcessWindowOwner.h"

#include "support/ScriptedUi.h"

#include <string>
#include <utility>
#include <vector>

// Stands in for the application around a Process Window: the caption and font as fields, and a
// record of the message pane's texts and the stored window boxes.
class CTestProcessWindowHost : public CProcessWindowHost {
public:
    CUi& GetUi() override { return m_ui; }
    std::string GetProcessCaption() const override { return m_strCaption; }
    std::string GetProcessFontName() const override { return m_strFontName; }
    int GetProcessFontSize() const override { return m_nFontSize; }
    void SaveWindowBox(const CWindowBox& box) override { m_savedBoxes.push_back(box); }
    void SetMessagePaneText(const std::string& text) override { m_paneTexts.push_back(text); }

    CScriptedUi m_ui;
    std::string m_strCaption = "Building Main.java";
    std::string m_strFontName = "Courier New";
    int m_nFontSize = 90;
    std::vector<CWindowBox> m_savedBoxes;
    std::vector<std::string> m_paneTexts;
};

// Stands in for the project: records what the window tells it.
class CTestProcessWindowOwner : public CProcessWindowOwner {
public:
    void OnOutputLineDoubleClicked(const std::string& output, int nLine) override
    {
        m_doubleClicks.emplace_back(output, nLine);
    }
    void OnProcessWindowClosed(std::string output) override { m_closedWith.push_back(std::move(output)); }

    std::vector<std::pair<std::string, int>> m_doubleClicks;
    std::vector<std::string> m_closedWith;
};
