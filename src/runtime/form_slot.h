#pragma once
// A form that is loaded on first access: the first call of get() builds it
// with its design-time values (hidden) and runs its Load handler; unload()
// runs its Unload handler and, unless that cancels, discards all of its
// state, so that the next access builds it afresh.
#include <functional>
#include <memory>

namespace mirl::rt {

template <class F>
class FormSlot {
 public:
  using Factory = std::function<std::unique_ptr<F>()>;

  FormSlot() = default;
  explicit FormSlot(Factory factory) : factory_(std::move(factory)) {}
  void setFactory(Factory factory) { factory_ = std::move(factory); }

  F& get() {
    if (!form_) {
      form_ = factory_();
      if (form_->onLoad) {
        auto handler = form_->onLoad;
        handler();
      }
    }
    return *form_;
  }

  bool loaded() const { return form_ != nullptr; }
  F* ifLoaded() const { return form_.get(); }

  // True when the form is gone afterwards (also when it was not loaded).
  bool unload() {
    if (!form_) return true;
    int cancel = 0;
    if (form_->onUnload) {
      auto handler = form_->onUnload;
      handler(cancel);
    }
    if (cancel != 0) return false;
    form_.reset();
    return true;
  }

 private:
  Factory factory_;
  std::unique_ptr<F> form_;
};

}  // namespace mirl::rt
