#include "debug/DebugBarModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CDebugStop StopIn(const std::string& method, int nLine, int nDepth = 1)
{
    CDebugStop stop;
    stop.reason = DebugStopReason::Step;
    stop.strThread = "main";
    stop.location = {"app/Main.java", "app.Main", method, nLine};
    stop.frames = {stop.location};
    for (int i = 1; i < nDepth; ++i)
        stop.frames.push_back({"app/Main.java", "app.Main", "main", 40 + i});
    stop.nDepth = nDepth;
    return stop;
}

const CDebugBarModel::CRow* Named(const CDebugBarModel& model, const std::string& name, int nParent = 0)
{
    const auto rows = model.RowsUnder(nParent);
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const auto* row) { return row->variable.strName == name; });
    return it == rows.end() ? nullptr : *it;
}

}  // namespace

// Would catch a value marked changed against another frame's or not marked at all, a row the
// person expanded that comes back closed at the next stop (so every step means expanding it
// again), a value asked for with the ref of an earlier stop (which the debugger no longer
// knows), and variables of a frame no longer chosen shown in its place.
TEST(DebugBarModel, ChangedValuesAreMarkedAndExpandedRowsStayExpanded)
{
    CDebugBarModel model;
    model.ShowStop(StopIn("run", 10));
    EXPECT_EQ(model.Status(), "Stopped after a step in thread \"main\"");
    EXPECT_EQ(model.ShowVariables({0, {{"this", "app.Main", "app.Main (id=7)", 7}, {"count", "int", "1", 0}}, true}),
              std::vector<std::int64_t>{});
    const int nThis = Named(model, "this")->nId;
    EXPECT_EQ(model.Expand(nThis), 7);
    EXPECT_EQ(model.Expand(nThis), 0) << "asked once";
    EXPECT_EQ(model.ShowChildren({7, {{"cart", "app.Cart", "app.Cart (id=9)", 9}, {"name", "java.lang.String", "\"x\"", 0}}, 0}),
              std::vector<std::int64_t>{});
    EXPECT_EQ(model.Expand(Named(model, "cart", nThis)->nId), 9);
    model.ShowChildren({9, {{"total", "int", "5", 0}}, 3});
    EXPECT_EQ(Named(model, "cart", nThis)->nMore, 3);

    model.ShowRunning();
    EXPECT_EQ(model.Expand(Named(model, "this")->nId), 0) << "the program runs: refs are gone";
    model.ShowStop(StopIn("run", 11));
    EXPECT_EQ(model.Expand(Named(model, "this")->nId), 0) << "the last stop's rows, before this stop's come";
    // The rows kept expanded ask again, each level as it comes; a field now holding another
    // object shows it.
    EXPECT_EQ(model.ShowVariables({0, {{"this", "app.Main", "app.Main (id=7)", 7}, {"count", "int", "2", 0}}, true}),
              std::vector<std::int64_t>{7});
    EXPECT_FALSE(Named(model, "this")->bChanged);
    EXPECT_TRUE(Named(model, "count")->bChanged);
    EXPECT_EQ(model.ShowChildren({7, {{"cart", "app.Cart", "app.Cart (id=12)", 12}}, 0}), std::vector<std::int64_t>{12});

    // A deeper call is another frame, even of the same method: nothing to compare with.
    model.ShowStop(StopIn("run", 10, 2));
    model.ShowVariables({0, {{"count", "int", "7", 0}}, true});
    EXPECT_FALSE(Named(model, "count")->bChanged);
    ASSERT_TRUE(model.SelectFrame(1));
    model.ShowVariables({0, {{"late", "int", "1", 0}}, true});
    EXPECT_EQ(Named(model, "late"), nullptr) << "the frame no longer chosen";
    model.ShowVariables({1, {{"args", "java.lang.String[]", "java.lang.String[0] (id=3)", 3}}, true});
    EXPECT_NE(Named(model, "args"), nullptr);
    EXPECT_EQ(CDebugBarModel::FrameText(model.Frames()[1]), "app.Main.main(Main.java:41)");
}
