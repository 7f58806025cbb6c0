#pragma once

#include <functional>
#include <unordered_map>

class CCmdUI;

// Something on the command route: a view, a document, a frame, the main frame or the
// application. Each registers the commands it handles, with an optional update handler.
class CCmdTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    bool HandlesCommand(int id) const;
    bool HasUpdateHandler(int id) const;
    // Runs the command; false when this target does not handle it.
    bool RunCommand(int id);
    // Answers the update; false when this target has no update handler for it.
    bool UpdateCommand(CCmdUI& ui);

protected:
    void OnCommand(int id, Handler handler);
    void OnUpdateUI(int id, UpdateHandler update);
    void OnCommandRange(int first, int last, std::function<void(int)> handler);
    void OnUpdateUIRange(int first, int last, UpdateHandler update);

private:
    std::unordered_map<int, Handler> m_handlers;
    std::unordered_map<int, UpdateHandler> m_updates;
};
