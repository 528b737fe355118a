#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace orbelle::cli {

// Passes whole lines to `target`, each led by `prefix`, so that the lines of units that run at
// once never mix within a line. A line left unfinished is finished at the end.
class LinePrefixBuffer : public std::streambuf {
 public:
  LinePrefixBuffer(std::ostream& target, std::string prefix)
      : target_(target), prefix_(std::move(prefix)) {}
  ~LinePrefixBuffer() override;
  LinePrefixBuffer(const LinePrefixBuffer&) = delete;
  LinePrefixBuffer& operator=(const LinePrefixBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;

 private:
  void passLine();

  std::ostream& target_;
  std::string prefix_;
  std::string line_;
};

// Where one unit's output goes: standard output and standard error as they are, or, with
// several units, each line led by the unit's name (standard output's only in text: JSON names
// the unit in each object).
class UnitStreams {
 public:
  UnitStreams() = default;
  UnitStreams(const std::string& unitName, bool json);
  UnitStreams(const UnitStreams&) = delete;
  UnitStreams& operator=(const UnitStreams&) = delete;

  std::ostream& out() { return out_ ? *out_ : defaultOut(); }
  std::ostream& err() { return err_ ? *err_ : defaultErr(); }
  bool prefixed() const { return err_ != nullptr; }

 private:
  static std::ostream& defaultOut();
  static std::ostream& defaultErr();

  std::unique_ptr<LinePrefixBuffer> outBuffer_;
  std::unique_ptr<LinePrefixBuffer> errBuffer_;
  std::unique_ptr<std::ostream> out_;
  std::unique_ptr<std::ostream> err_;
};

}  // namespace orbelle::cli
