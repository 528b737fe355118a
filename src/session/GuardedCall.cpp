#include "session/GuardedCall.h"

#include <QtGlobal>
#include <stdexcept>

namespace orbelle {

void reportUnhandledFailure(std::exception_ptr failure) noexcept {
  try {
    std::rethrow_exception(std::move(failure));
  } catch (const std::exception& error) {
    qCritical("Unhandled failure: %s", error.what());
  } catch (...) {
    qCritical("Unhandled failure of unknown kind");
  }
}

}  // namespace orbelle
