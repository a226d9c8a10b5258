#pragma once

#include "FormatError.h"

#include <optional>
#include <utility>
#include <variant>

namespace orvanta {

// Either a value or the FormatError that prevented it; never ignored.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(FormatError error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    T &value() { return std::get<T>(m_state); }
    const T &value() const { return std::get<T>(m_state); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const FormatError &error() const { return std::get<FormatError>(m_state); }

private:
    std::variant<T, FormatError> m_state;
};

// For operations that produce nothing but may fail.
struct Done {};
using Status = Result<Done>;

} // namespace orvanta
