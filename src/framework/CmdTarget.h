#pragma once

#include <functional>
#include <unordered_map>

class CCmdUI;

// Something on the command route: a view, a document, a frame, the main frame or the
// application. Each registers the commands it handles, with an optional update handler.
// A target may also have a helper, a target of its own that works on its behalf (a document's
// commands kept in a layer above the document): what the target itself does not handle, the
// helper is asked for, and it counts as part of the target on the route.
class CCmdTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    virtual bool HandlesCommand(int id) const;
    // Runs the command; false when this target does not handle it.
    virtual bool RunCommand(int id);
    // Answers the update; false when this target has no update handler for it.
    virtual bool UpdateCommand(CCmdUI& ui);

protected:
    void OnCommand(int id, Handler handler);
    void OnUpdateUI(int id, UpdateHandler update);
    void OnCommandRange(int first, int last, std::function<void(int)> handler);
    void OnUpdateUIRange(int first, int last, UpdateHandler update);
    // The helper must outlive its use here; none by default.
    void SetCommandHelper(CCmdTarget* helper) { m_pHelper = helper; }

private:
    std::unordered_map<int, Handler> m_handlers;
    std::unordered_map<int, UpdateHandler> m_updates;
    CCmdTarget* m_pHelper = nullptr;
};
