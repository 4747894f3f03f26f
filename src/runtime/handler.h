#pragma once
// An event handler slot of a control or form. Each event has one handler,
// connected once: connecting a second one throws std::logic_error naming the
// control and the event, so that a handler replaced by mistake during the
// wiring fails at once instead of going unnoticed. A stand-in that replaces
// a handler on purpose (a test) says so with replace().
#include <functional>
#include <string>
#include <utility>

namespace mirl::rt {

// Throws std::logic_error: "OWNER.EVENT already has a handler".
[[noreturn]] void refuseSecondHandler(const std::string& owner, int index, const char* event);

template <class Sig>
class Handler;

template <class R, class... Args>
class Handler<R(Args...)> {
 public:
  // owner and index point to the name and array index of the control or
  // form (index may be null), for the message.
  Handler(const std::string* owner, const int* index, const char* event)
      : owner_(owner), index_(index), event_(event) {}
  // A copy is a snapshot for one call (a handler may rewire its control).
  Handler(const Handler&) = default;
  Handler& operator=(const Handler&) = delete;

  template <class F>
  Handler& operator=(F&& f) {
    if (fn_) refuseSecondHandler(*owner_, index_ ? *index_ : -1, event_);
    fn_ = std::forward<F>(f);
    return *this;
  }
  void replace(std::function<R(Args...)> f) { fn_ = std::move(f); }
  void clear() { fn_ = nullptr; }

  explicit operator bool() const { return static_cast<bool>(fn_); }
  R operator()(Args... args) const { return fn_(std::forward<Args>(args)...); }

 private:
  const std::string* owner_;
  const int* index_;
  const char* event_;
  std::function<R(Args...)> fn_;
};

}  // namespace mirl::rt
