#include "png_image.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace diagram {
namespace {

// The canvas keeps 0xFFRRGGBB words; PNG wants the channels as bytes in the
// order red, green, blue, whatever the machine's byte order.
std::vector<png_byte> RgbRows(const Canvas& canvas) {
  const std::size_t count = static_cast<std::size_t>(canvas.Width()) * static_cast<std::size_t>(canvas.Height());
  std::vector<png_byte> rgb;
  rgb.reserve(count * 3);
  const std::uint32_t* pixels = canvas.Data();
  for (std::size_t i = 0; i < count; ++i) {
    rgb.push_back(static_cast<png_byte>(pixels[i] >> 16));
    rgb.push_back(static_cast<png_byte>(pixels[i] >> 8));
    rgb.push_back(static_cast<png_byte>(pixels[i]));
  }
  return rgb;
}

// What libpng's callbacks share with EncodePng: the bytes written so far and
// the message of the error that ended the writing.
struct Encoding {
  std::string bytes;
  char message[200] = "";
};

// libpng reports an error by never returning from this function: it jumps
// back to the setjmp in WriteImage, across libpng's C frames and at most
// AppendBytes, none of which owns anything that needs destroying.
[[noreturn]] void StoreErrorAndJump(png_structp png, png_const_charp message) {
  auto* encoding = static_cast<Encoding*>(png_get_error_ptr(png));
  std::strncpy(encoding->message, message, sizeof encoding->message - 1);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  bool appended = true;
  try {
    static_cast<Encoding*>(png_get_io_ptr(png))->bytes.append(reinterpret_cast<const char*>(data), length);
  } catch (...) {
    appended = false;
  }
  // No exception may pass through libpng's C frames, and the jump must not
  // leave a catch block: report after the handler has ended.
  if (!appended) png_error(png, "out of memory for the image");
}

void FlushNothing(png_structp) {}

// Only trivially destructible locals from the setjmp on, so that a jump back
// from libpng skips no destructor. Returns false when libpng failed.
bool WriteImage(png_structp png, png_infop info, Encoding& encoding, const png_byte* rgb, int width, int height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &encoding, AppendBytes, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  for (int y = 0; y < height; ++y) png_write_row(png, rgb + static_cast<std::size_t>(y) * stride);
  png_write_end(png, nullptr);
  return true;
}

// Owns libpng's write structures.
class PngWriter {
 public:
  explicit PngWriter(Encoding& encoding)
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, &encoding, StoreErrorAndJump, IgnoreWarning)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {
    if (!png_ || !info_) {
      Destroy();
      throw std::bad_alloc();
    }
  }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  ~PngWriter() { Destroy(); }
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  void Destroy() { png_destroy_write_struct(png_ ? &png_ : nullptr, info_ ? &info_ : nullptr); }

  png_structp png_;
  png_infop info_;
};

}  // namespace

std::string EncodePng(const Canvas& canvas) {
  const std::vector<png_byte> rgb = RgbRows(canvas);
  Encoding encoding;
  {
    const PngWriter writer(encoding);
    if (!WriteImage(writer.Png(), writer.Info(), encoding, rgb.data(), canvas.Width(), canvas.Height())) {
      throw PngEncodingError(encoding.message);
    }
  }
  return std::move(encoding.bytes);
}

}  // namespace diagram
