#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbelle {

// Value types as the registry numbers them.
enum class ValueType : std::uint32_t { String = 1, Binary = 3, Number = 4 };

enum class ReadStatus {
  Ok,
  Missing,  // no key held, or no such value
  TooLong,  // present, but larger than the reader's buffer
};

struct ReadResult {
  ReadStatus status = ReadStatus::Missing;
  std::vector<std::uint8_t> bytes;
};

// Why the store could not be used as it is. The program goes on (on the defaults, in memory
// where the store cannot be read); these are for telling the operator.
enum class StoreProblemKind {
  Unreadable,      // it exists but cannot be opened or read
  NotRegularFile,  // a directory, pipe, device or the like stands in its place
  TooLarge,        // larger than any store we write
  SetAside,        // it could not be parsed and was kept under another name
  Busy,            // another program held it too long; the change was not stored
  WriteFailed,     // a change could not be stored
};

struct StoreProblem {
  StoreProblemKind kind;
  std::string message;
};

// The per-user key "Software\VKR\VKR". Values keep their type and raw bytes; names
// compare without regard to case. While no key is held every read and write fails.
class PreferenceStore {
 public:
  static constexpr std::size_t kStringReadLimit = 1024;
  static constexpr std::size_t kNumberReadLimit = 4;

  virtual ~PreferenceStore() = default;

  // Opens the existing key; false when there is none (or it cannot be used).
  virtual bool openKey() = 0;
  // Creates the key if needed and holds it.
  virtual bool createKey() = 0;
  virtual bool hasKey() const = 0;
  virtual void closeKey() = 0;

  // Raw bytes of a value, read the registry's way: the stored type is not examined and a
  // value longer than `bufferSize` is not read.
  virtual ReadResult query(std::string_view name, std::size_t bufferSize) = 0;

  // The text with its terminating zero byte, as a string value.
  virtual bool writeString(std::string_view name, std::string_view text) = 0;
  // Four bytes, least significant first, as a number value.
  virtual bool writeNumber(std::string_view name, std::uint32_t value) = 0;

  // What went wrong with the store so far, each distinct problem once, oldest first.
  const std::vector<StoreProblem>& problems() const { return problems_; }

 protected:
  void report(StoreProblemKind kind, std::string message);

 private:
  std::vector<StoreProblem> problems_;
};

// A string read with the 1024-byte buffer: the text up to its first zero byte.
std::optional<std::string> readStringValue(PreferenceStore& store, std::string_view name);
// A number read with the 4-byte buffer: whatever bytes are stored, least significant first.
std::optional<std::uint32_t> readNumberValue(PreferenceStore& store, std::string_view name);

}  // namespace orbelle
