#include "prefs/LinkPreferences.h"

namespace orbelle {

namespace {

void writeDefaults(PreferenceStore& store) {
  store.writeNumber("port", kDefaultPort);
  store.writeNumber("baudrate", kDefaultBaudrate);
  store.writeString("protocol", "USB");
  store.writeString("base", "");
  store.writeString("handheld", "");
}

LinkProtocol loadProtocol(PreferenceStore& store) {
  const auto text = readStringValue(store, "protocol");
  if (!text) {
    store.writeString("protocol", "USB");
    return LinkProtocol::Usb;
  }
  if (text->empty() || text->rfind("USB", 0) == 0) {
    return LinkProtocol::Usb;
  }
  if (text->rfind("RS232", 0) == 0) {
    return LinkProtocol::Rs232;
  }
  return LinkProtocol::None;  // left as stored: the operator sets it in the protocol window
}

std::string loadPath(PreferenceStore& store, std::string_view name) {
  const ReadResult result = store.query(name, PreferenceStore::kStringReadLimit);
  if (result.status == ReadStatus::TooLong) {
    // Present but too long to read: keep it stored rather than overwrite a path.
    return {};
  }
  const auto text = readStringValue(store, name);
  if (!text) {
    store.writeString(name, "");
    return {};
  }
  return *text;
}

std::int32_t loadPort(PreferenceStore& store) {
  const auto number = readNumberValue(store, "Port");
  if (!number) {
    store.writeNumber("port", kDefaultPort);
    return kDefaultPort;
  }
  const auto port = static_cast<std::int32_t>(*number);
  return isOfferedPort(port) ? port : kDefaultPort;
}

std::int32_t loadBaudrate(PreferenceStore& store) {
  const auto number = readNumberValue(store, "baudrate");
  if (!number) {
    store.writeNumber("Baudrate", kDefaultBaudrate);
    return kDefaultBaudrate;
  }
  const auto baudrate = static_cast<std::int32_t>(*number);
  return isOfferedBaudrate(baudrate) ? baudrate : kDefaultBaudrate;
}

}  // namespace

LinkPreferences loadLinkPreferences(PreferenceStore& store) {
  if (!store.openKey() && store.createKey()) {
    writeDefaults(store);
  }
  LinkPreferences prefs;
  prefs.protocol = loadProtocol(store);
  prefs.baseImagePath = loadPath(store, "base");
  prefs.handheldImagePath = loadPath(store, "handheld");
  prefs.port = loadPort(store);
  prefs.baudrate = loadBaudrate(store);
  return prefs;
}

bool chooseProtocol(PreferenceStore& store, LinkPreferences& prefs, LinkProtocol protocol) {
  prefs.protocol = protocol;
  return store.writeString("protocol", protocol == LinkProtocol::Rs232 ? "RS232" : "USB");
}

bool choosePort(PreferenceStore& store, LinkPreferences& prefs, std::int32_t port) {
  prefs.port = port;
  return store.writeNumber("port", static_cast<std::uint32_t>(port));
}

bool chooseBaudrate(PreferenceStore& store, LinkPreferences& prefs, std::int32_t baudrate) {
  prefs.baudrate = baudrate;
  return store.writeNumber("baudrate", static_cast<std::uint32_t>(baudrate));
}

bool chooseBaseImagePath(PreferenceStore& store, LinkPreferences& prefs, std::string_view path) {
  prefs.baseImagePath = path;
  return store.writeString("base", path);
}

bool chooseHandheldImagePath(PreferenceStore& store, LinkPreferences& prefs,
                             std::string_view path) {
  prefs.handheldImagePath = path;
  return store.writeString("handheld", path);
}

}  // namespace orbelle
