#include "skin/SkinButtonModel.h"

#include <algorithm>

namespace orbelle {

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

std::size_t characterCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return !isContinuationByte(c); }));
}

// CR LF, CR and LF each count as one line break.
std::string joinLines(std::string_view utf8, char separator) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\r' || c == '\n') {
      out += separator;
      if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
        ++i;
      }
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

SkinOptions skinOptions(std::int16_t drawMode, bool drawEdge, std::int16_t focusInset) {
  SkinOptions options;
  if (drawMode < 0) {
    options.drawMode = SkinDrawMode::Natural;
  } else if (drawMode > 1) {
    options.drawMode = SkinDrawMode::Tiled;
  } else {
    options.drawMode = static_cast<SkinDrawMode>(drawMode);
  }
  options.drawEdge = drawEdge;
  options.focusInset = std::max<int>(focusInset, 0);
  return options;
}

CaptionLayout layoutCaption(std::string_view utf8) {
  if (characterCount(utf8) <= CaptionLayout::kOneLineCharacters) {
    return {true, joinLines(utf8, ' ')};
  }
  return {false, joinLines(utf8, '\n')};
}

std::string spokenCaption(std::string_view utf8) {
  const std::string line = joinLines(utf8, ' ');
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

void SkinButtonModel::setKind(SkinKind kind) {
  kind_ = kind;
  if (kind_ == SkinKind::Push) {
    checked_ = false;
  }
}

void SkinButtonModel::setSkin(SkinImagesGiven given, SkinOptions options) {
  given_ = given;
  options_ = options;
}

bool SkinButtonModel::press() {
  hover_ = false;
  tracking_ = true;
  pushed_ = true;
  return true;
}

bool SkinButtonModel::move(bool over) {
  if (tracking_) {
    const bool changed = pushed_ != over;
    pushed_ = over;
    return changed;
  }
  if (!hover_) {
    hover_ = true;
    return true;
  }
  return false;
}

bool SkinButtonModel::leave() {
  const bool changed = hover_;
  hover_ = false;
  return changed;
}

bool SkinButtonModel::release(bool over) {
  // Only a press that began here and ends here counts: a release dragged in from
  // elsewhere neither clicks nor changes the check state.
  const bool click = tracking_ && pushed_ && over;
  tracking_ = false;
  pushed_ = false;
  return click;
}

bool SkinButtonModel::focusLost() {
  const bool changed = tracking_;
  tracking_ = false;
  pushed_ = false;
  return changed;
}

bool SkinButtonModel::setCheck(bool on) {
  checked_ = on && kind_ != SkinKind::Push;
  return checked_ && kind_ == SkinKind::Radio;
}

bool SkinButtonModel::checkAfterClick() const {
  switch (kind_) {
    case SkinKind::Check:
      return !checked_;
    case SkinKind::Radio:
      return true;
    case SkinKind::Push:
      break;
  }
  return false;
}

SkinFace SkinButtonModel::face(bool enabled, bool down, bool focused) const {
  SkinFace face;
  if (!enabled) {
    if (given_.disabled) {
      face.image = SkinImage::Disabled;
    } else if (given_.normal) {
      face.image = SkinImage::Normal;
    }
    face.edge = options_.drawEdge ? SkinEdge::Raised : SkinEdge::None;
    face.caption = CaptionStyle::Embossed;
    return face;
  }
  if (down || checked_) {
    if (given_.pressed) {
      face.image = SkinImage::Pressed;
    }
    face.edge = options_.drawEdge ? SkinEdge::Sunken : SkinEdge::None;
    face.caption = CaptionStyle::Pushed;
  } else {
    if (!given_.normal) {
      face.image = std::nullopt;
    } else if (hover_ && given_.hover) {
      face.image = SkinImage::Hover;
    } else if (focused && given_.focus) {
      face.image = SkinImage::Focus;
    } else {
      face.image = SkinImage::Normal;
    }
    face.edge = options_.drawEdge ? SkinEdge::Raised : SkinEdge::None;
  }
  face.focusRect = focused && options_.focusInset > 0;
  return face;
}

}  // namespace orbelle
