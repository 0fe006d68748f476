#include "runtime_error.h"

namespace morvatek {

RuntimeError::RuntimeError(Kind kind, long index, const std::string& message)
    : std::runtime_error(message), kind_(kind), index_(index) {}

RuntimeError RuntimeError::missingElement(const std::string& arrayName, long index) {
    return {Kind::MissingControlArrayElement, index,
            "Несъществуващ елемент на масив от контроли: " + arrayName + "(" +
                std::to_string(index) + ") не съществува."};
}

RuntimeError RuntimeError::listIndexOutOfRange(long index, long count) {
    return {Kind::ListIndexOutOfRange, index,
            "Невалиден индекс на елемент от списък: " + std::to_string(index) + " (списъкът има " +
                std::to_string(count) + " елемента)."};
}

} // namespace morvatek
