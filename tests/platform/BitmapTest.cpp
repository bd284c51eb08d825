#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "support/TempFolder.h"

using platform::TBitmap;
using platform::TRgb;

namespace {

constexpr TRgb kGrey{128, 128, 128};
constexpr TRgb kRed{255, 0, 0};

}  // namespace

TEST(Bitmap, SavesAndLoadsTwentyFourBitFiles) {
  testing_support::TTempFolder folder;
  TBitmap image(5, 3, kGrey);  // 15 bytes a row: rows are padded to 16
  image.SetPixel(0, 0, kRed);
  image.SetPixel(4, 2, TRgb{1, 2, 3});
  const std::string path = folder.Sub("image.bmp");
  ASSERT_TRUE(platform::SaveBitmapFile(image, path));
  const auto loaded = platform::LoadBitmapFile(path);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->Width(), 5);
  EXPECT_EQ(loaded->Height(), 3);
  EXPECT_EQ(loaded->Pixel(0, 0), kRed);
  EXPECT_EQ(loaded->Pixel(4, 2), (TRgb{1, 2, 3}));
  EXPECT_EQ(loaded->Pixel(2, 1), kGrey);
}

TEST(Bitmap, ConvertsPalettedImagesToTwentyFourBits) {
  // A 2 x 2 image of 8 bits per pixel, stored bottom-up, palette {blue, green}.
  std::vector<std::uint8_t> bytes(14 + 40 + 8 + 8, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(10, 14 + 40 + 8);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  bytes[26] = 1;
  bytes[28] = 8;
  put32(46, 2);
  bytes[54] = 255;  // palette 0: blue (B, G, R, 0)
  bytes[59] = 255;  // palette 1: green
  bytes[62] = 0;    // bottom row: 0, 1
  bytes[63] = 1;
  bytes[66] = 1;  // top row: 1, 0
  bytes[67] = 0;
  const auto image = platform::DecodeBitmap(bytes);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Pixel(0, 1), (TRgb{0, 0, 255}));
  EXPECT_EQ(image->Pixel(1, 1), (TRgb{0, 255, 0}));
  EXPECT_EQ(image->Pixel(0, 0), (TRgb{0, 255, 0}));
}

TEST(Bitmap, RejectsFilesThatAreNotBitmaps) {
  const std::vector<std::vector<std::uint8_t>> bad = {
      {},
      {'B', 'M'},
      std::vector<std::uint8_t>(100, 0),
  };
  for (const auto& bytes : bad) EXPECT_FALSE(platform::DecodeBitmap(bytes));
  // A header that claims more pixel data than the file holds.
  testing_support::TTempFolder folder;
  TBitmap image(4, 4, kGrey);
  const std::string path = folder.Sub("cut.bmp");
  ASSERT_TRUE(platform::SaveBitmapFile(image, path));
  std::vector<std::uint8_t> bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  bytes.resize(bytes.size() - 10);
  EXPECT_FALSE(platform::DecodeBitmap(bytes));
  EXPECT_FALSE(platform::LoadBitmapFile(folder.Path() + "missing.bmp"));
}

TEST(Bitmap, PaintsCentredKeepingTheTargetUnderTheCorners) {
  TBitmap target(10, 7, kGrey);
  const TBitmap family(4, 3, kRed);
  platform::PaintCentred(target, family);
  // Offsets (10 - 4) / 2 = 3 and (7 - 3) / 2 = 2: the image covers x 3..6, y 2..4.
  for (std::int32_t y = 0; y < 7; ++y) {
    for (std::int32_t x = 0; x < 10; ++x) {
      const bool inside = x >= 3 && x <= 6 && y >= 2 && y <= 4;
      const bool corner = (x == 3 || x == 6) && (y == 2 || y == 4);
      EXPECT_EQ(target.Pixel(x, y), inside && !corner ? kRed : kGrey) << x << "," << y;
    }
  }
}

TEST(Bitmap, PaintingTruncatesOddOffsetsAndClipsLargerImages) {
  TBitmap target(5, 5, kGrey);
  platform::PaintCentred(target, TBitmap(2, 2, kRed));  // offset (5 - 2) / 2 = 1: only corners
  for (std::int32_t y = 0; y < 5; ++y)
    for (std::int32_t x = 0; x < 5; ++x) EXPECT_EQ(target.Pixel(x, y), kGrey);

  TBitmap small(3, 3, kGrey);
  platform::PaintCentred(small, TBitmap(6, 6, kRed));  // offset -1: clipped, nothing outside
  EXPECT_EQ(small.Pixel(0, 0), kRed);
  EXPECT_EQ(small.Pixel(2, 2), kRed);

  TBitmap unchanged(3, 3, kGrey);
  platform::PaintCentred(unchanged, TBitmap(0, 5, kRed));
  EXPECT_EQ(unchanged.Pixel(1, 1), kGrey);
}

TEST(Bitmap, HandlesStayValidUntilFreed) {
  const platform::TBitmapHandle a = platform::RegisterBitmap(TBitmap(2, 1, kRed));
  const platform::TBitmapHandle b = platform::RegisterBitmap(TBitmap(1, 1, kGrey));
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  ASSERT_NE(platform::BitmapFromHandle(a), nullptr);
  EXPECT_EQ(platform::BitmapFromHandle(a)->Width(), 2);
  platform::FreeBitmap(a);
  EXPECT_EQ(platform::BitmapFromHandle(a), nullptr);
  EXPECT_NE(platform::BitmapFromHandle(b), nullptr);
  EXPECT_EQ(platform::BitmapFromHandle(0), nullptr);
  platform::FreeBitmap(b);
}
