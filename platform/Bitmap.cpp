#include "platform/Bitmap.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace platform {

TBitmap::TBitmap(std::int32_t width, std::int32_t height, TRgb fill)
    : FWidth(width > 0 ? width : 0),
      FHeight(height > 0 ? height : 0),
      FPixels(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), fill) {}

namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::int32_t kMaxDimension = 1 << 15;

}  // namespace

std::optional<TBitmap> DecodeBitmap(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileHeaderSize + 40 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t dataOffset = U32(bytes, 10);
  const std::uint32_t infoSize = U32(bytes, 14);
  if (infoSize < 40 || kFileHeaderSize + infoSize > bytes.size()) return std::nullopt;
  const auto width = static_cast<std::int32_t>(U32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(U32(bytes, 22));
  const std::uint32_t bits = U16(bytes, 28);
  const std::uint32_t compression = U32(bytes, 30);
  std::uint32_t paletteCount = U32(bytes, 46);
  const bool topDown = rawHeight < 0;
  const std::int32_t height = topDown ? -rawHeight : rawHeight;
  if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension) return std::nullopt;
  // BI_RGB, or BI_BITFIELDS with the usual 32-bit layout.
  if (compression != 0 && !(compression == 3 && bits == 32)) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

  std::vector<TRgb> palette;
  if (bits <= 8) {
    if (paletteCount == 0 || paletteCount > (1u << bits)) paletteCount = 1u << bits;
    const std::size_t paletteStart = kFileHeaderSize + infoSize;
    if (paletteStart + paletteCount * 4 > bytes.size()) return std::nullopt;
    for (std::uint32_t i = 0; i < paletteCount; ++i) {
      const std::size_t at = paletteStart + i * 4;
      palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
  }
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (dataOffset > bytes.size() || stride * static_cast<std::size_t>(height) > bytes.size() - dataOffset)
    return std::nullopt;

  TBitmap bitmap(width, height);
  for (std::int32_t row = 0; row < height; ++row) {
    const std::size_t start = dataOffset + stride * static_cast<std::size_t>(row);
    const std::int32_t y = topDown ? row : height - 1 - row;
    for (std::int32_t x = 0; x < width; ++x) {
      TRgb colour;
      if (bits >= 24) {
        const std::size_t at = start + static_cast<std::size_t>(x) * (bits / 8);
        colour = {bytes[at + 2], bytes[at + 1], bytes[at]};
      } else {
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const std::uint32_t shift = 8 - bits - static_cast<std::uint32_t>(bit % 8);
        const std::uint32_t index = (bytes[start + bit / 8] >> shift) & ((1u << bits) - 1);
        if (index >= palette.size()) return std::nullopt;
        colour = palette[index];
      }
      bitmap.SetPixel(x, y, colour);
    }
  }
  return bitmap;
}

std::optional<TBitmap> LoadBitmapFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeBitmap(bytes);
}

bool SaveBitmapFile(const TBitmap& bitmap, const std::string& path) {
  const std::size_t stride = ((static_cast<std::size_t>(bitmap.Width()) * 24 + 31) / 32) * 4;
  const std::size_t dataSize = stride * static_cast<std::size_t>(bitmap.Height());
  std::vector<std::uint8_t> out(kFileHeaderSize + 40 + dataSize, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, kFileHeaderSize + 40);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(bitmap.Width()));
  put32(22, static_cast<std::uint32_t>(bitmap.Height()));
  put16(26, 1);
  put16(28, 24);
  put32(34, static_cast<std::uint32_t>(dataSize));
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::size_t start = kFileHeaderSize + 40 + stride * static_cast<std::size_t>(bitmap.Height() - 1 - y);
    for (std::int32_t x = 0; x < bitmap.Width(); ++x) {
      const TRgb c = bitmap.Pixel(x, y);
      const std::size_t at = start + static_cast<std::size_t>(x) * 3;
      out[at] = c.B;
      out[at + 1] = c.G;
      out[at + 2] = c.R;
    }
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

void PaintCentred(TBitmap& target, const TBitmap& image) {
  if (target.Empty() || image.Empty()) return;
  const std::int32_t left = (target.Width() - image.Width()) / 2;
  const std::int32_t top = (target.Height() - image.Height()) / 2;
  const std::int32_t lastX = image.Width() - 1;
  const std::int32_t lastY = image.Height() - 1;
  for (std::int32_t y = 0; y <= lastY; ++y) {
    for (std::int32_t x = 0; x <= lastX; ++x) {
      const bool corner = (x == 0 || x == lastX) && (y == 0 || y == lastY);
      const std::int32_t tx = left + x;
      const std::int32_t ty = top + y;
      if (corner || tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
      target.SetPixel(tx, ty, image.Pixel(x, y));
    }
  }
}

namespace {

struct TBitmapTable {
  std::map<TBitmapHandle, std::unique_ptr<TBitmap>> Bitmaps;
  TBitmapHandle Next = 1;
};
// Never destroyed: owners free their handles from their own destructors, which may run
// after this unit's statics are gone when the library unloads.
TBitmapTable& Table() {
  static TBitmapTable* table = new TBitmapTable;
  return *table;
}

}  // namespace

TBitmapHandle RegisterBitmap(TBitmap bitmap) {
  TBitmapTable& table = Table();
  const TBitmapHandle handle = table.Next++;
  table.Bitmaps[handle] = std::make_unique<TBitmap>(std::move(bitmap));
  return handle;
}

const TBitmap* BitmapFromHandle(TBitmapHandle handle) {
  const auto& bitmaps = Table().Bitmaps;
  const auto it = bitmaps.find(handle);
  return it != bitmaps.end() ? it->second.get() : nullptr;
}

void FreeBitmap(TBitmapHandle handle) { Table().Bitmaps.erase(handle); }

}  // namespace platform
