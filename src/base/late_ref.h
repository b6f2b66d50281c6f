#pragma once

#include <functional>
#include <utility>

namespace pelorix {

// A reference to something that may be built after its holder: the windows are built one after
// another and link to each other, and a member of a window that does not exist yet must not be
// touched. The target is looked up when used, by then every window exists.
template <class T> class LateRef {
public:
    LateRef(T& target) : get_([&target]() -> T& { return target; }) {}
    explicit LateRef(std::function<T&()> get) : get_(std::move(get)) {}

    T& operator()() const { return get_(); }

private:
    std::function<T&()> get_;
};

} // namespace pelorix
