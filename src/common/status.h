#pragma once
// What a step that can fail gives back, in one shape everywhere: success, or a failure that
// carries what kind of failure it was, the Czech text the user is to see and the system's own
// reason. Nothing that can fail throws; only the language's own failures (no memory) do, and the
// windows catch those at one edge. Which box shows a failure, with which caption and icon, is
// the flows' decision (bank_preview_flow, eldp_form_flow, the main window's flows).
//
//   Status s = files.Write(path, bytes);
//   if (!s.ok()) return s;                                   // passed up as it is
//   Result<std::string> text = files.ReadWhole(path);
//   if (!text.ok()) return text.status().Reworded("...");    // told in this step's words

#include <string>
#include <utility>
#include <variant>

namespace zerkon {

enum class StatusCode {
    kOk,
    kNotFound,            // a file or folder that is not there, an entry a lookup did not find
    kCannotOpen,          // a file that is there but cannot be opened (held, denied, a folder)
    kCannotRead,          // a read that failed after the file was opened
    kCannotWrite,         // a write that fell short: the disk full, a network gone
    kCannotReplace,       // a finished file that could not be moved over its target
    kCannotCreateFolder,  // a folder that could not be made
    kTooLarge,            // more than memory or a limit holds
    kNotValid,            // content that is no number or no date where one must stand
};

class Status {
  public:
    Status() = default;  // success
    static Status Ok() { return {}; }
    // `message`: Windows-1250 program text for the user; `reason`: the system's words (program
    // text) or "".
    static Status Failed(StatusCode code, std::string message, std::string reason = {}) {
        Status status;
        status.code_ = code == StatusCode::kOk ? StatusCode::kCannotOpen : code;
        status.message_ = std::move(message);
        status.reason_ = std::move(reason);
        return status;
    }

    bool ok() const { return code_ == StatusCode::kOk; }
    StatusCode code() const { return code_; }
    const std::string& message() const { return message_; }
    const std::string& reason() const { return reason_; }
    // The message followed by the reason, one blank between them.
    std::string Text() const {
        if (reason_.empty()) return message_;
        if (message_.empty()) return reason_;
        return message_ + " " + reason_;
    }
    // The same failure told in the words of the step that called the failing one.
    Status Reworded(std::string message) const {
        return ok() ? *this : Failed(code_, std::move(message), reason_);
    }

  private:
    StatusCode code_ = StatusCode::kOk;
    std::string message_;
    std::string reason_;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : held_(std::move(value)) {}
    Result(Status failure) : held_(std::move(failure)) {
        if (std::get<Status>(held_).ok()) {
            held_ = Status::Failed(StatusCode::kNotFound, "");  // a success without a value
        }
    }

    bool ok() const { return std::holds_alternative<T>(held_); }
    // Success for a value.
    Status status() const { return ok() ? Status::Ok() : std::get<Status>(held_); }

    T& value() & { return std::get<T>(held_); }
    const T& value() const& { return std::get<T>(held_); }
    T&& value() && { return std::get<T>(std::move(held_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    // A value equal to `expected` (a failure equals no value).
    friend bool operator==(const Result& result, const T& expected) {
        return result.ok() && result.value() == expected;
    }

    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }
    T value_or(T fallback) && { return ok() ? std::move(*this).value() : std::move(fallback); }

  private:
    std::variant<T, Status> held_;
};

}  // namespace zerkon
