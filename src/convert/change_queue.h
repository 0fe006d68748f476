#pragma once

#include <functional>
#include <vector>

namespace morvatek {

class Control;

// Holds back the change notifications of a window's controls while a pupil's action runs, so
// that a display follows each changed control once per action, however often the handlers
// assign to it on the way.
class ChangeQueue {
public:
    // While a Hold lives, a control that changes is only marked. When the outermost Hold ends,
    // every marked control tells its listeners once, in the order in which it first changed.
    class Hold {
    public:
        // A control outside any window has no queue: it tells its listeners at once.
        explicit Hold(ChangeQueue* queue);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ChangeQueue* queue_;
    };

    // Told at the end of every pupil's action, after the controls' own listeners, which controls
    // the action changed, in the order in which they first changed.
    using ActionListener = std::function<void(const std::vector<const Control*>& changed)>;
    void onActionEnd(ActionListener listener) { actionListener_ = std::move(listener); }

    bool holding() const { return depth_ > 0; }
    void mark(const Control& control);

private:
    void deliver();

    int depth_ = 0;
    std::vector<const Control*> marked_;
    ActionListener actionListener_;
};

} // namespace morvatek
