#include "upgrade/UpgradeImage.h"

#include <string>

#include "upgrade/UpgradeFrames.h"
#include "upgrade/UpgradeMessages.h"

namespace orbelle {

UpgradeImage openUpgradeImage(const std::filesystem::path& path) {
  UpgradeImage image;
  image.file = ImageFile::open(path, &image.why);
  if (!image.file) {
    image.refusal = ImageRefusal::CannotOpen;
    return image;
  }
  image.length = image.file->length();
  if (image.length > kMaxImageLength) {
    image.refusal = ImageRefusal::TooLarge;
  } else if (image.length == 0) {
    image.refusal = ImageRefusal::Empty;
  } else if (const std::uint64_t readable = image.file->readableLength(); readable < image.length) {
    // Read through once before the start frame: the unit would otherwise be told a length
    // and then wait for blocks that cannot come.
    image.refusal = ImageRefusal::CannotOpen;
    image.why = image.file->unchanged() ? "only " + std::to_string(readable) + " of its " +
                                              std::to_string(image.length) + " bytes can be read"
                                        : "it changed while it was being read";
  }
  if (image.refusal) {
    image.file.reset();
  }
  return image;
}

std::string imageRefusalMessage(const UpgradeImage& image, const UpgradeCodeTable& table) {
  if (!image.refusal) {
    return {};
  }
  switch (*image.refusal) {
    case ImageRefusal::CannotOpen:
      return std::string(kCannotOpenImageMessage);
    case ImageRefusal::TooLarge:
      return imageTooLargeMessage(image.length, kMaxImageLength);
    case ImageRefusal::Empty:
      return std::string(table.emptyImageMessage);
  }
  return {};
}

}  // namespace orbelle
