#include "desktop/BusSignal.h"

#include <utility>

namespace orbelle {

BusSignal::BusSignal(QDBusConnection bus, Source source, Heard heard)
    : bus_(std::move(bus)), source_(std::move(source)), heard_(std::move(heard)) {
  bus_.connect(source_.service, source_.path, source_.interface, source_.member, this,
               SLOT(hear(QDBusMessage)));
}

BusSignal::~BusSignal() {
  bus_.disconnect(source_.service, source_.path, source_.interface, source_.member, this,
                  SLOT(hear(QDBusMessage)));
}

void BusSignal::hear(const QDBusMessage& signal) { heard_(signal); }

}  // namespace orbelle
