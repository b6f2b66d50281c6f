#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace pelorix {

// A listener's hold on what it listens to: dropping it (or destroying it) stops the calls. It
// may outlive the source; it then does nothing.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (auto cancel = std::exchange(cancel_, {})) cancel();
    }

private:
    std::function<void()> cancel_;
};

// The listeners of one source, each told of every event in the order they subscribed. One that
// unsubscribes while an event is told hears nothing more; one that subscribes meanwhile hears
// from the next event on.
template <class Event> class Listeners {
public:
    Subscription subscribe(std::function<void(Event)> listener) {
        const int id = state_->nextId++;
        state_->entries.push_back(
            {id, std::make_shared<std::function<void(Event)>>(std::move(listener))});
        return Subscription([weak = std::weak_ptr<State>(state_), id] {
            if (const auto state = weak.lock())
                std::erase_if(state->entries, [id](const Entry& e) { return e.id == id; });
        });
    }

    void notify(Event event) const {
        const std::vector<Entry> now = state_->entries;
        for (const Entry& e : now)
            if (isSubscribed(e.id)) (*e.listener)(event);
    }

private:
    struct Entry {
        int id;
        std::shared_ptr<std::function<void(Event)>> listener;
    };
    struct State {
        std::vector<Entry> entries;
        int nextId = 0;
    };

    bool isSubscribed(int id) const {
        for (const Entry& e : state_->entries)
            if (e.id == id) return true;
        return false;
    }

    std::shared_ptr<State> state_ = std::make_shared<State>();
};

} // namespace pelorix
