#pragma once

#include <exception>
#include <functional>
#include <utility>

namespace orbelle {

// Takes an exception that must not cross Qt's event loop. It is called inside the slot that
// caught it, on that slot's thread, and must not throw.
using FailureSink = std::function<void(std::exception_ptr)>;

// The last resort when no sink is set: the failure is written to the log and dropped.
void reportUnhandledFailure(std::exception_ptr failure) noexcept;

// Runs `body` where Qt has called our code (a slot, a timer, a lambda connected to a signal)
// and hands whatever it throws to `sink`. Qt does not support exceptions through its event
// loop: one that gets there ends the program or leaves Qt in a broken state.
template <typename Body>
void runGuarded(const FailureSink& sink, Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    if (sink) {
      sink(std::current_exception());
    } else {
      reportUnhandledFailure(std::current_exception());
    }
  }
}

}  // namespace orbelle
