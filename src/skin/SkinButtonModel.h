#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// The values are the button kinds' codes: push 0, check box 2, radio button 4.
enum class SkinKind : std::uint8_t { Push = 0, Check = 2, Radio = 4 };

enum class SkinDrawMode : std::uint8_t {
  Natural = 0,    // the image at its own size from the top-left corner
  Stretched = 1,  // the whole image stretched to the button
  Tiled = 2,      // repeated from the top-left corner, the last tiles cut to fit
};

enum class SkinImage : std::uint8_t { Normal, Pressed, Hover, Disabled, Focus };

enum class SkinEdge : std::uint8_t { None, Raised, Sunken };

enum class CaptionStyle : std::uint8_t {
  Plain,     // in the text colour
  Pushed,    // in the text colour, shifted by (+1, +1)
  Embossed,  // highlight colour, then grey text shifted by (-1, -1)
};

// Which images the owner gave (the shape is not a face).
struct SkinImagesGiven {
  bool normal = false;
  bool pressed = false;
  bool hover = false;
  bool disabled = false;
  bool focus = false;
};

struct SkinOptions {
  SkinDrawMode drawMode = SkinDrawMode::Stretched;
  bool drawEdge = false;
  int focusInset = 0;  // 0: no focus rectangle

  bool operator==(const SkinOptions&) const = default;
};

// A negative draw mode becomes natural, one above 1 tiled; a negative inset becomes 0.
SkinOptions skinOptions(std::int16_t drawMode, bool drawEdge, std::int16_t focusInset);

// How to paint the face: the image (none: fill with the button-face colour), the edge, the
// caption's style and whether the dotted focus rectangle goes on.
struct SkinFace {
  std::optional<SkinImage> image;
  SkinEdge edge = SkinEdge::None;
  CaptionStyle caption = CaptionStyle::Plain;
  bool focusRect = false;

  bool operator==(const SkinFace&) const = default;
};

// A caption of at most kOneLineCharacters characters is drawn on one line centred both
// ways, its line breaks shown as spaces; a longer one is centred horizontally from the top
// and broken only at its line breaks ('\n' in `text`).
struct CaptionLayout {
  static constexpr std::size_t kOneLineCharacters = 12;

  bool oneLine = true;
  std::string text;

  bool operator==(const CaptionLayout&) const = default;
};

CaptionLayout layoutCaption(std::string_view utf8);

// The caption as a screen reader should read it: line breaks as spaces, trimmed.
std::string spokenCaption(std::string_view utf8);

// The skinned button's state without any widget: the hover and press-tracking flags, the
// check state and which face to paint. The toolkit keeps the pushed ("down") state of a
// press; `pushed()` mirrors what it shows for the mouse, so the rules can be tried alone.
class SkinButtonModel {
 public:
  explicit SkinButtonModel(SkinKind kind = SkinKind::Push) : kind_(kind) {}

  SkinKind kind() const { return kind_; }
  void setKind(SkinKind kind);

  void setSkin(SkinImagesGiven given, SkinOptions options);
  const SkinOptions& options() const { return options_; }

  // Mouse events; `over` says whether the pointer is over the button's click area. Each
  // returns true when the face must be repainted.
  bool press();  // left button down; a double click is one more press
  bool move(bool over);
  bool leave();
  // True when the release completes a press over the button: a click.
  bool release(bool over);
  bool focusLost();

  // Returns true when the other radio buttons of the group must be unchecked.
  bool setCheck(bool on);
  // The check state a click leads to: a check box toggles, a radio button checks.
  bool checkAfterClick() const;

  bool hover() const { return hover_; }
  bool tracking() const { return tracking_; }
  bool pushed() const { return pushed_; }
  bool checked() const { return checked_; }

  // `down` is the toolkit's pushed state (mouse or space bar).
  SkinFace face(bool enabled, bool down, bool focused) const;

 private:
  SkinKind kind_;
  SkinImagesGiven given_;
  SkinOptions options_;
  bool hover_ = false;
  bool tracking_ = false;
  bool pushed_ = false;
  bool checked_ = false;
};

}  // namespace orbelle
