#include "upgrade/UpgradeImage.h"

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
