// Device-independent bitmaps: loading and saving BMP files, painting one image centred onto
// another, and bitmap handles as the host receives them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRgb&) const = default;
};

// A 24-bit image, rows top to bottom.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(std::int32_t width, std::int32_t height, TRgb fill = {});

  std::int32_t Width() const { return FWidth; }
  std::int32_t Height() const { return FHeight; }
  bool Empty() const { return FWidth <= 0 || FHeight <= 0; }
  TRgb Pixel(std::int32_t x, std::int32_t y) const { return FPixels[Index(x, y)]; }
  void SetPixel(std::int32_t x, std::int32_t y, TRgb colour) { FPixels[Index(x, y)] = colour; }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x);
  }
  std::int32_t FWidth = 0;
  std::int32_t FHeight = 0;
  std::vector<TRgb> FPixels;
};

// Reads an uncompressed BMP of 1, 4, 8, 24 or 32 bits per pixel, converted to 24-bit pixels;
// none when the file is missing or not such a bitmap.
std::optional<TBitmap> LoadBitmapFile(const std::string& path);
std::optional<TBitmap> DecodeBitmap(const std::vector<std::uint8_t>& bytes);
// Writes a 24-bit BMP; false on failure.
bool SaveBitmapFile(const TBitmap& bitmap, const std::string& path);

// Paints `image` centred onto `target` (offsets (target - image) / 2, truncated toward zero),
// leaving out the image's four corner pixels. Parts falling outside `target` are clipped; an
// empty image or target leaves `target` unchanged.
void PaintCentred(TBitmap& target, const TBitmap& image);

// Bitmap handles: 0 is no bitmap. A handle stays valid until it is freed.
using TBitmapHandle = std::uint32_t;
TBitmapHandle RegisterBitmap(TBitmap bitmap);
const TBitmap* BitmapFromHandle(TBitmapHandle handle);
void FreeBitmap(TBitmapHandle handle);

}  // namespace platform
