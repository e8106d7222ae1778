#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tessellon {

// The outcome of an operation that can fail with a message for the user: success (with its
// value), or the sentence that says what went wrong. Such operations never throw and never
// show anything; the caller decides what to tell the user. `Result<>` carries no value.
template <class T = void> class Result;

template <> class [[nodiscard]] Result<void> {
public:
    static Result Ok() { return Result(); }
    static Result Fail(QString description) {
        Result r;
        r.error_ = description.isEmpty() ? QStringLiteral("Unknown error") : std::move(description);
        return r;
    }

    bool ok() const { return error_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    Result() = default;
    QString error_;
};

// A value, or the description of why there is none.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Result<> failure) : error_(failure.error()) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Unknown error");
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    const T& operator*() const { return *value_; }
    const QString& error() const { return error_; }
    Result<> status() const { return ok() ? Result<>::Ok() : Result<>::Fail(error_); }

private:
    std::optional<T> value_;
    QString error_;
};

} // namespace tessellon
