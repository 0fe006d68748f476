#pragma once

#include "runtime_error.h"
#include "text.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace morvatek {

// Several controls of one kind under one name, addressed by their Index (0 … N-1).
template <typename T, std::size_t N> class ControlArray {
public:
    ControlArray(std::string name, std::array<T, N> elements)
        : name_(std::move(name)), elements_(std::move(elements)) {}

    T& operator()(long index) { return elements_[checked(index)]; }
    const T& operator()(long index) const { return elements_[checked(index)]; }

    static constexpr std::size_t size() { return N; }
    auto begin() { return elements_.begin(); }
    auto end() { return elements_.end(); }
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    std::size_t checked(long index) const {
        if (index < 0 || index >= static_cast<long>(N)) {
            throw RuntimeError::missingElement(name_, index);
        }
        return static_cast<std::size_t>(index);
    }

    std::string name_;
    std::array<T, N> elements_;
};

} // namespace morvatek
