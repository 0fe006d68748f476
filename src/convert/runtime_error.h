#pragma once

#include <stdexcept>
#include <string>

namespace morvatek {

// The one error a control operation raises. It leaves the event handler and ends the program.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { MissingControlArrayElement, ListIndexOutOfRange };

    static RuntimeError missingElement(const std::string& arrayName, long index);
    static RuntimeError listIndexOutOfRange(long index, long count);

    Kind kind() const { return kind_; }
    long index() const { return index_; }

private:
    RuntimeError(Kind kind, long index, const std::string& message);

    Kind kind_;
    long index_;
};

} // namespace morvatek
