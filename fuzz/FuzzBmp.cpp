// The bitmap loader on arbitrary bytes: it never crashes, either loads a picture of the
// promised pixel format or gives an error text and leaves the old picture alone.
#include <QImage>
#include <cstdint>
#include <string>

#include "face/FacePainter.h"
#include "fuzz/FuzzSupport.h"

using namespace zandor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzDir().Write("fuzz.bmp", data, size);
  QImage out(3, 2, QImage::Format_RGB32);
  out.fill(0xff123456u);
  const std::string err = LoadBitmap(path, out);
  if (err.empty()) {
    FUZZ_CHECK(!out.isNull() && out.format() == QImage::Format_RGB32);
    FUZZ_CHECK(out.width() > 0 && out.height() > 0);
    // Touch every row, so a picture whose rows were never filled shows up under the sanitizer.
    uint32_t sum = 0;
    for (int y = 0; y < out.height(); ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(out.constScanLine(y));
      sum += row[0] + row[out.width() - 1];
    }
    (void)sum;
  } else {
    FUZZ_CHECK(err == "Bitmap image is not valid" || err == "Cannot open file " + path);
    FUZZ_CHECK(out.width() == 3 && out.height() == 2 && out.pixel(2, 1) == 0xff123456u);
  }
  return 0;
}
