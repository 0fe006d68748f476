#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace morvatek {

// Every control tells its listeners when its state changes, so that a display can follow it.
class Control {
public:
    using Listener = std::function<void()>;

    // Watching a control does not change it, so even a read-only one can be watched.
    void subscribe(Listener listener) const { listeners_.push_back(std::move(listener)); }

protected:
    void notifyChanged() const {
        for (const auto& listener : listeners_) {
            listener();
        }
    }

private:
    mutable std::vector<Listener> listeners_;
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
