#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "upgrade/ImageFile.h"
#include "upgrade/UpgradeCodeTable.h"

namespace orbelle {

// Why an image cannot be sent. Nothing goes to the unit for such a file.
enum class ImageRefusal {
  CannotOpen,  // missing, unreadable (wholly or in part), or not a regular file
  TooLarge,    // more bytes than a block's page number can address
  Empty,
};

struct UpgradeImage {
  std::optional<ImageFile> file;        // open, when it can be sent
  std::optional<ImageRefusal> refusal;  // why not, otherwise
  std::uint64_t length = 0;             // as opened; 0 when it did not open
  std::string why;                      // for CannotOpen, in a few words
};

// The checks an upgrade makes before its start frame, shared by the upgrade windows and vkr
// (which makes them before it opens the link).
UpgradeImage openUpgradeImage(const std::filesystem::path& path);

// What the upgrade window says about a refused image.
std::string imageRefusalMessage(const UpgradeImage& image, const UpgradeCodeTable& table);

}  // namespace orbelle
