#pragma once
// Letting the message loop run during long work. Every call is one logical
// pass: it is counted, an optional hook sees the count (tests inject user
// actions at pass N), and the host handles pending input.
#include <cstdint>
#include <functional>

#include "runtime/host.h"

namespace mirl::rt {

class EventLoop {
 public:
  explicit EventLoop(Host& host) : host_(&host) {}

  void DoEvents() {
    ++passes_;
    if (hook_) hook_(passes_);
    host_->processEvents();
  }

  std::uint64_t passes() const { return passes_; }
  void resetPasses() { passes_ = 0; }
  void setHook(std::function<void(std::uint64_t)> hook) { hook_ = std::move(hook); }

  Host& host() const { return *host_; }
  void setHost(Host& host) { host_ = &host; }

 private:
  Host* host_;
  std::uint64_t passes_ = 0;
  std::function<void(std::uint64_t)> hook_;
};

}  // namespace mirl::rt
