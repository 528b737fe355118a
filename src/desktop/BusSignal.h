#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <functional>

namespace orbelle {

// One signal of a desktop service, heard for as long as this object lives. The match rule
// goes to the bus before the constructor returns, so a call made afterwards on the same
// connection cannot be answered by a signal that is missed.
class BusSignal : public QObject {
  Q_OBJECT

 public:
  using Heard = std::function<void(const QDBusMessage&)>;

  struct Source {
    QString service;
    QString path;
    QString interface;
    QString member;
  };

  BusSignal(QDBusConnection bus, Source source, Heard heard);
  ~BusSignal() override;
  BusSignal(const BusSignal&) = delete;
  BusSignal& operator=(const BusSignal&) = delete;

 private slots:
  void hear(const QDBusMessage& signal);

 private:
  QDBusConnection bus_;
  Source source_;
  Heard heard_;
};

}  // namespace orbelle
