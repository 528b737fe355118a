// orbelle_prepare_images OUTPUT.cpp RESOURCE=FILE.png...: the pixels of each PNG file, decoded
// here at build time, as C++ arrays that QImage can use where they lie (skin/PreparedImages.h).
// The images a window shows at start-up are taken from there: no PNG decoder, and none of
// Qt's search through its image plugins, runs before the first window is drawn.
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>

namespace {

// 32 bits a pixel, premultiplied where there is an alpha channel: how the screen takes them.
QImage screenReady(const QImage& decoded) {
  return decoded.convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
}

void writePixels(QTextStream& out, int index, const QImage& image) {
  out << "alignas(4) const unsigned char kPixels" << index << "[] = {";
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (qsizetype x = 0; x < image.bytesPerLine(); ++x) {
      out << ((x % 24) == 0 ? "\n    " : "") << static_cast<int>(line[x]) << ',';
    }
  }
  out << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: orbelle_prepare_images OUTPUT.cpp RESOURCE=FILE.png...\n");
    return 2;
  }
  QString table;
  QString arrays;
  QTextStream arraysOut(&arrays);
  QTextStream tableOut(&table);
  for (int i = 2; i < argc; ++i) {
    const QString pair = QString::fromLocal8Bit(argv[i]);
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    const QImage image = screenReady(QImage(pair.mid(equals + 1)));
    if (equals <= 0 || image.isNull()) {
      std::fprintf(stderr, "orbelle_prepare_images: cannot read %s\n", argv[i]);
      return 1;
    }
    writePixels(arraysOut, i, image);
    tableOut << "      {\"" << pair.left(equals) << "\", " << image.width() << ", "
             << image.height() << ", " << image.bytesPerLine() << ", "
             << (image.format() == QImage::Format_RGB32 ? "false" : "true") << ", kPixels" << i
             << "},\n";
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "orbelle_prepare_images: cannot write %s\n", argv[1]);
    return 1;
  }
  QTextStream out(&file);
  out << "// Made by orbelle_prepare_images at build time; not to be edited.\n"
      << "#include \"skin/PreparedImages.h\"\n\n"
      << "namespace orbelle::skin {\n\nnamespace {\n\n"
      << arrays << "\n}  // namespace\n\n"
      << "std::span<const PreparedImage> preparedImages() {\n"
      << "  static const PreparedImage images[] = {\n"
      << table << "  };\n  return images;\n}\n\n}  // namespace orbelle::skin\n";
  return file.error() == QFile::NoError ? 0 : 1;
}
