#pragma once

#include "change_queue.h"

#include <functional>
#include <utility>
#include <vector>

namespace morvatek {

// Every control tells its listeners when its state changes, so that a display can follow it.
// Inside a window, the notifications wait for the end of the pupil's action (ChangeQueue).
class Control {
public:
    using Listener = std::function<void()>;

    // Watching a control does not change it, so even a read-only one can be watched.
    void subscribe(Listener listener) const { listeners_.push_back(std::move(listener)); }

    // Sends this control's notifications through the window's queue from now on.
    void queueChangesIn(ChangeQueue& queue) { queue_ = &queue; }

protected:
    void notifyChanged() const {
        if (queue_ != nullptr && queue_->holding()) {
            queue_->mark(*this);
        } else {
            tellListeners();
        }
    }

    // Opened by every entry point of the pupil's, for as long as the action runs.
    ChangeQueue::Hold pupilAction() const { return ChangeQueue::Hold(queue_); }

private:
    friend class ChangeQueue;

    void tellListeners() const {
        for (const auto& listener : listeners_) {
            listener();
        }
    }

    mutable std::vector<Listener> listeners_;
    ChangeQueue* queue_ = nullptr;
};

// A control that raises Click. Only the pupil's actions raise it, never a property change.
class ClickSource {
public:
    using Handler = std::function<void()>;

    void onClick(Handler handler) { handler_ = std::move(handler); }

protected:
    void raiseClick() const {
        if (handler_) {
            handler_();
        }
    }

private:
    Handler handler_;
};

} // namespace morvatek
