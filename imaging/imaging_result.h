#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tessellon {

// Outcome of an imaging operation: success, or the description of what went wrong. Imaging
// operations never throw and never show anything; the caller decides what to tell the user.
class [[nodiscard]] ImagingResult {
public:
    static ImagingResult Ok() { return ImagingResult(); }
    static ImagingResult Fail(QString description) {
        ImagingResult r;
        r.error_ = description.isEmpty() ? QStringLiteral("Unknown imaging error")
                                         : std::move(description);
        return r;
    }

    bool ok() const { return error_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    ImagingResult() = default;
    QString error_;
};

// A value, or the description of why there is none.
template <class T> class [[nodiscard]] ImagingValue {
public:
    ImagingValue(T value) : value_(std::move(value)) {}
    ImagingValue(ImagingResult failure) : error_(failure.error()) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Unknown imaging error");
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    const T& operator*() const { return *value_; }
    const QString& error() const { return error_; }
    ImagingResult status() const {
        return ok() ? ImagingResult::Ok() : ImagingResult::Fail(error_);
    }

private:
    std::optional<T> value_;
    QString error_;
};

} // namespace tessellon
