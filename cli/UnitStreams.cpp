#include "UnitStreams.h"

#include <iostream>

namespace orbelle::cli {

LinePrefixBuffer::~LinePrefixBuffer() {
  if (!line_.empty()) {
    line_ += '\n';
    passLine();
  }
}

LinePrefixBuffer::int_type LinePrefixBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    return traits_type::not_eof(c);
  }
  line_ += traits_type::to_char_type(c);
  if (line_.back() == '\n') {
    passLine();
  }
  return c;
}

std::streamsize LinePrefixBuffer::xsputn(const char* text, std::streamsize count) {
  for (std::streamsize i = 0; i < count; ++i) {
    overflow(traits_type::to_int_type(text[i]));
  }
  return count;
}

void LinePrefixBuffer::passLine() {
  target_ << prefix_ << line_ << std::flush;
  line_.clear();
}

UnitStreams::UnitStreams(const std::string& unitName, bool json)
    : errBuffer_(std::make_unique<LinePrefixBuffer>(defaultErr(), unitName + ": ")),
      err_(std::make_unique<std::ostream>(errBuffer_.get())) {
  if (!json) {
    outBuffer_ = std::make_unique<LinePrefixBuffer>(defaultOut(), unitName + ": ");
    out_ = std::make_unique<std::ostream>(outBuffer_.get());
  }
}

std::ostream& UnitStreams::defaultOut() { return std::cout; }
std::ostream& UnitStreams::defaultErr() { return std::cerr; }

}  // namespace orbelle::cli
