#pragma once

#include <functional>
#include <vector>

class CCmdTarget;
class CCmdUI;

// Sends a command along the route: active view, its document, its frame, the main frame,
// the application. The first target that handles it runs it. The update answer comes from
// the first target with an update handler; without one, a command is enabled exactly when
// some target on the route handles it.
class CCommandRouter {
public:
    // Gives the current route, first target first; empty slots are left out.
    using RouteProvider = std::function<std::vector<CCmdTarget*>()>;

    explicit CCommandRouter(RouteProvider route) : m_route(std::move(route)) {}

    bool Route(int id) const;
    CCmdUI Update(int id) const;
    bool HasHandler(int id) const;

private:
    RouteProvider m_route;
};
