#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"
#include "framework/CommandRouter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A target that records which of its handlers ran.
class CFakeTarget : public CCmdTarget {
public:
    CFakeTarget(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

    void Handle(int id)
    {
        OnCommand(id, [this, id] { m_log.push_back(m_name + ":" + std::to_string(id)); });
    }
    void Answer(int id, bool bEnabled, bool bChecked = false)
    {
        OnUpdateUI(id, [bEnabled, bChecked](CCmdUI& ui) {
            ui.Enable(bEnabled);
            ui.SetCheck(bChecked);
        });
    }
    using CCmdTarget::OnUpdateUI;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class CommandRouterTest : public ::testing::Test {
protected:
    std::vector<std::string> m_log;
    CFakeTarget m_view{"view", m_log};
    CFakeTarget m_doc{"doc", m_log};
    CFakeTarget m_frame{"frame", m_log};
    CFakeTarget m_main{"main", m_log};
    CFakeTarget m_app{"app", m_log};
    bool m_bViewActive = true;
    CCommandRouter m_router{[this] {
        std::vector<CCmdTarget*> route;
        if (m_bViewActive) {
            route.push_back(&m_view);
            route.push_back(&m_doc);
            route.push_back(&m_frame);
        }
        route.push_back(&m_main);
        route.push_back(&m_app);
        return route;
    }};
};

}  // namespace

TEST_F(CommandRouterTest, FirstTargetOnTheRouteRunsTheCommand)
{
    m_doc.Handle(1);
    m_app.Handle(1);
    m_app.Handle(2);
    EXPECT_TRUE(m_router.Route(1));
    EXPECT_TRUE(m_router.Route(2));
    EXPECT_FALSE(m_router.Route(3));
    EXPECT_EQ(m_log, (std::vector<std::string>{"doc:1", "app:2"}));

    // With no active view the document drops off the route and the application takes over.
    m_bViewActive = false;
    EXPECT_TRUE(m_router.Route(1));
    EXPECT_EQ(m_log.back(), "app:1");
}

TEST_F(CommandRouterTest, RouteOrderIsViewDocumentFrameMainFrameApplication)
{
    for (auto* target : {&m_view, &m_doc, &m_frame, &m_main, &m_app})
        target->Handle(7);
    m_router.Route(7);
    EXPECT_EQ(m_log, std::vector<std::string>{"view:7"});
}

TEST_F(CommandRouterTest, CommandNobodyHandlesIsDisabled)
{
    EXPECT_FALSE(m_router.Update(9).IsEnabled());
    m_frame.Handle(9);
    EXPECT_TRUE(m_router.Update(9).IsEnabled()) << "a handler with no update handler means enabled";
}

TEST_F(CommandRouterTest, FirstUpdateHandlerOnTheRouteAnswers)
{
    m_app.Handle(5);
    m_app.Answer(5, true);
    m_view.Answer(5, false, true);
    const CCmdUI ui = m_router.Update(5);
    EXPECT_FALSE(ui.IsEnabled());
    EXPECT_TRUE(ui.IsChecked());
    m_bViewActive = false;
    EXPECT_TRUE(m_router.Update(5).IsEnabled());
}

TEST_F(CommandRouterTest, UpdateHandlerCanAskWhetherTheRouteHandlesTheCommand)
{
    // As the application does for Compile: enabled exactly when a window on the route handles it.
    m_app.OnUpdateUI(11, [](CCmdUI& ui) { ui.Enable(ui.HasHandlerOnRoute()); });
    EXPECT_FALSE(m_router.Update(11).IsEnabled());
    m_view.Handle(11);
    EXPECT_TRUE(m_router.Update(11).IsEnabled());
    m_bViewActive = false;
    EXPECT_FALSE(m_router.Update(11).IsEnabled());
}
