#include "controls/GifFrames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

void PutWord(Bytes& b, uint16_t n) {
  b.push_back(static_cast<uint8_t>(n & 0xFF));
  b.push_back(static_cast<uint8_t>(n >> 8));
}

// Colour table bytes that a packed byte announces (bit 7 set, size in bits 0 to 2).
Bytes Table(uint8_t nPacked) {
  Bytes t;
  if (nPacked & 0x80) {
    const int n = 3 * (1 << ((nPacked & 7) + 1));
    for (int i = 0; i < n; ++i) t.push_back(static_cast<uint8_t>(0xA0 + i));
  }
  return t;
}

// Header and logical screen descriptor, with its global colour table.
Bytes Header(const char* szVersion, uint16_t nWidth, uint16_t nHeight, uint8_t nPacked = 0) {
  Bytes b{'G', 'I', 'F'};
  b.insert(b.end(), szVersion, szVersion + 3);
  PutWord(b, nWidth);
  PutWord(b, nHeight);
  b.push_back(nPacked);
  b.push_back(0x07);  // background index and aspect are copied, never read
  b.push_back(0x31);
  return b + Table(nPacked);
}

// Data sub-blocks of at most 255 bytes, then the terminator.
Bytes Chain(const std::string& data) {
  Bytes b;
  for (size_t i = 0; i < data.size(); i += 255) {
    const size_t n = std::min<size_t>(255, data.size() - i);
    b.push_back(static_cast<uint8_t>(n));
    b.insert(b.end(), data.begin() + i, data.begin() + i + n);
  }
  b.push_back(0);
  return b;
}

Bytes Gce(uint8_t nPacked, uint16_t nDelay) {
  Bytes b{0x21, 0xF9, 0x04, nPacked};
  PutWord(b, nDelay);
  b.push_back(0x05);  // transparent index
  b.push_back(0x00);
  return b;
}

Bytes Comment(const std::string& text) { return Bytes{0x21, 0xFE} + Chain(text); }

Bytes App(const std::string& data) {
  Bytes b{0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  return b + Chain(data);
}

Bytes Image(uint16_t nLeft, uint16_t nTop, uint16_t nWidth, uint16_t nHeight,
            const std::string& pixels = "\x4C\x01", uint8_t nPacked = 0) {
  Bytes b{0x2C};
  PutWord(b, nLeft);
  PutWord(b, nTop);
  PutWord(b, nWidth);
  PutWord(b, nHeight);
  b.push_back(nPacked);
  b = b + Table(nPacked);
  b.push_back(0x02);  // LZW minimum code size
  return b + Chain(pixels);
}

Bytes PlainText(const std::string& text) {
  Bytes b{0x21, 0x01, 0x0C, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0};
  return b + Chain(text);
}

const Bytes TRAILER{0x3B};

// A copy whose allocation ends with the data, so ASan reports any read past the end
// (vectors built by appending keep spare capacity).
Bytes Exact(const Bytes& data) { return Bytes(data); }

struct Frame {
  Bytes wrapped;
  CGifFrameValues values;
};

CGifFrameValues Values(uint32_t nDelay, int32_t nDisposal, int32_t nLeft, int32_t nTop,
                       int32_t nWidth, int32_t nHeight) {
  CGifFrameValues v;
  v.nDelay = nDelay;
  v.nDisposal = nDisposal;
  v.nLeft = nLeft;
  v.nTop = nTop;
  v.nWidth = nWidth;
  v.nHeight = nHeight;
  return v;
}

// Runs the load sequence of the animation control: count, rewind, cut until nothing.
struct Walk {
  uint32_t nCount = 0;
  std::vector<Frame> frames;
};

Walk RunLoad(const Bytes& bytes) {
  const Bytes data = Exact(bytes);
  Walk w;
  CGifFrameSplitter s;
  if (!s.Open(data.data(), data.size())) return w;
  w.nCount = s.CountGraphicBlocks();
  s.Rewind();
  Frame f;
  while (s.NextFrame(f.wrapped, f.values)) w.frames.push_back(f);
  EXPECT_TRUE(f.wrapped.empty());
  return w;
}

void ExpectValues(const CGifFrameValues& got, const CGifFrameValues& want) {
  EXPECT_EQ(got.nDelay, want.nDelay);
  EXPECT_EQ(got.nDisposal, want.nDisposal);
  EXPECT_EQ(got.nLeft, want.nLeft);
  EXPECT_EQ(got.nTop, want.nTop);
  EXPECT_EQ(got.nWidth, want.nWidth);
  EXPECT_EQ(got.nHeight, want.nHeight);
}

TEST(GifFrameSplitter, Recognition) {
  const Bytes good = Header("89a", 0x0123, 0x0456, 0x81) + Image(0, 0, 1, 1) + TRAILER;
  struct Case {
    const char* name;
    Bytes data;
    bool bGif;
    int32_t nWidth, nHeight, nTable;
  };
  const Case cases[] = {
      {"89a with global table", good, true, 0x0123, 0x0456, 12},
      {"87a without table", Header("87a", 2, 3), true, 2, 3, 0},
      {"largest global table", Header("89a", 1, 1, 0x87), true, 1, 1, 768},
      {"unknown version", Header("88a", 1, 1) + Image(0, 0, 1, 1) + TRAILER, false, 0, 0, 0},
      {"lower-case signature", Bytes{'g', 'i', 'f', '8', '9', 'a'} + Bytes(7, 0), false, 0, 0, 0},
      {"header only to the packed byte", Bytes(good.begin(), good.begin() + 12), false, 0, 0, 0},
      {"signature only", Bytes(good.begin(), good.begin() + 6), false, 0, 0, 0},
      {"empty", Bytes{}, false, 0, 0, 0},
      {"global table cut by the end", Bytes(good.begin(), good.begin() + 24), false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes exact = Exact(c.data);
    CGifFrameSplitter s;
    EXPECT_EQ(s.Open(exact.empty() ? nullptr : exact.data(), exact.size()), c.bGif);
    EXPECT_EQ(s.IsGif(), c.bGif);
    EXPECT_EQ(s.ScreenWidth(), c.nWidth);
    EXPECT_EQ(s.ScreenHeight(), c.nHeight);
    EXPECT_EQ(s.ColorTableSize(), c.nTable);
    EXPECT_EQ(s.ReadOffset(), c.bGif ? 13u + c.nTable : 0u);
    EXPECT_EQ(s.DataSize(), c.bGif ? exact.size() : 0u);
  }
}

TEST(GifFrameSplitter, CloseForgetsTheData) {
  const Bytes data = Header("89a", 4, 4, 0x80) + Image(0, 0, 4, 4) + TRAILER;
  CGifFrameSplitter s;
  ASSERT_TRUE(s.Open(data.data(), data.size()));
  s.Close();
  EXPECT_FALSE(s.IsGif());
  EXPECT_EQ(s.BlockKind(), GifBlockKind::UNRECOGNISED);
  EXPECT_FALSE(s.SkipGraphicBlock());
  EXPECT_EQ(s.DataSize(), 0u);
  EXPECT_EQ(s.ColorTableSize(), 0);
}

// One block right after a header without a global table.
TEST(GifFrameSplitter, BlockKindsAndLengths) {
  const Bytes image = Image(0, 0, 1, 1, "\x4C\x01", 0x80);  // 6-byte local table
  const Bytes app = App(std::string("\x01\x00\x00", 3));
  const Bytes text = PlainText("hi");
  struct Case {
    const char* name;
    Bytes block;
    GifBlockKind kind;
    int64_t nLength;
  };
  const Case cases[] = {
      {"graphic control", Gce(0, 10), GifBlockKind::GRAPHIC_CONTROL, 8},
      {"graphic control cut", Bytes{0x21, 0xF9, 4, 0, 10, 0, 0}, GifBlockKind::GRAPHIC_CONTROL, -1},
      {"application", app, GifBlockKind::APPLICATION, 14 + 5},
      {"application header cut", Bytes(app.begin(), app.begin() + 13), GifBlockKind::APPLICATION,
       -1},
      {"comment", Comment("abc"), GifBlockKind::COMMENT, 2 + 5},
      {"comment of 300 bytes", Comment(std::string(300, 'x')), GifBlockKind::COMMENT,
       2 + 256 + 46 + 1},
      {"comment chain cut inside a sub-block", Bytes{0x21, 0xFE, 5, 'a', 'b', 'c'},
       GifBlockKind::COMMENT, -1},
      {"comment chain without terminator", Bytes{0x21, 0xFE, 2, 'a', 'b'}, GifBlockKind::COMMENT,
       -1},
      {"plain text", text, GifBlockKind::PLAIN_TEXT, 15 + 4},
      {"plain text header cut", Bytes(text.begin(), text.begin() + 14), GifBlockKind::PLAIN_TEXT,
       -1},
      {"image with local table", image, GifBlockKind::IMAGE, 11 + 6 + 4},
      {"image descriptor cut", Bytes(image.begin(), image.begin() + 9), GifBlockKind::IMAGE, -1},
      {"image local table cut", Bytes(image.begin(), image.begin() + 14), GifBlockKind::IMAGE, -1},
      {"image without code size byte", Bytes(image.begin(), image.begin() + 16),
       GifBlockKind::IMAGE, -1},
      {"trailer", TRAILER, GifBlockKind::TRAILER, 1},
      {"unknown extension label", Bytes{0x21, 0x02, 0x00}, GifBlockKind::UNRECOGNISED, -1},
      {"introducer as the last byte", Bytes{0x21}, GifBlockKind::UNRECOGNISED, -1},
      {"stray byte", Bytes{0x00, 0x3B}, GifBlockKind::UNRECOGNISED, -1},
      {"no byte left", Bytes{}, GifBlockKind::UNRECOGNISED, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes data = Exact(Header("89a", 1, 1) + c.block);
    CGifFrameSplitter s;
    ASSERT_TRUE(s.Open(data.data(), data.size()));
    EXPECT_EQ(s.BlockKind(), c.kind);
    EXPECT_EQ(s.BlockLength(), c.nLength);
    EXPECT_EQ(s.SkipBlock(), c.nLength > 0);
    EXPECT_EQ(s.ReadOffset(), 13u + static_cast<uint32_t>(c.nLength > 0 ? c.nLength : 0));
  }
}

TEST(GifFrameSplitter, SubBlocksLengthStaysInsideTheData) {
  const Bytes data = Header("89a", 1, 1) + Bytes{3, 1, 2, 3, 0, 9};
  CGifFrameSplitter s;
  ASSERT_TRUE(s.Open(data.data(), data.size()));
  EXPECT_EQ(s.SubBlocksLength(13), 5);
  EXPECT_EQ(s.SubBlocksLength(17), 1);
  EXPECT_EQ(s.SubBlocksLength(18), -1);  // size byte 9 runs past the end
  EXPECT_EQ(s.SubBlocksLength(data.size()), -1);
  EXPECT_EQ(s.SubBlocksLength(UINT64_MAX), -1);
  EXPECT_EQ(s.SubBlocksLength(UINT64_MAX - 3), -1);
}

TEST(GifFrameSplitter, CountsAndCutsFrames) {
  const Bytes bare = Header("89a", 8, 6);
  const Bytes withTable = Header("89a", 8, 6, 0x81);
  const Bytes gce1 = Gce(0x09, 10), gce2 = Gce(0x0C, 250);  // disposal 2, then 3
  const Bytes img1 = Image(0, 0, 8, 6), img2 = Image(1, 2, 3, 4, "\x44\x01\x05", 0x80);
  const Bytes loop = App(std::string("\x01\x00\x00", 3));
  const Bytes text = PlainText("hello");
  const CGifFrameValues v1 = Values(10, 2, 0, 0, 8, 6), v2 = Values(250, 3, 1, 2, 3, 4);
  struct Case {
    const char* name;
    Bytes data;
    uint32_t nCount;
    std::vector<Frame> frames;
  };
  const Case cases[] = {
      {"no global table", bare + gce1 + img1 + gce2 + img2 + TRAILER, 2,
       {{bare + gce1 + img1 + TRAILER, v1}, {bare + gce2 + img2 + TRAILER, v2}}},
      {"global table copied into each frame", withTable + gce1 + img1 + gce2 + img2 + TRAILER, 2,
       {{withTable + gce1 + img1 + TRAILER, v1}, {withTable + gce2 + img2 + TRAILER, v2}}},
      {"comments between frames are left out",
       bare + Comment("a") + gce1 + img1 + Comment("between") + gce2 + img2 + Comment("z") +
           TRAILER,
       2, {{bare + gce1 + img1 + TRAILER, v1}, {bare + gce2 + img2 + TRAILER, v2}}},
      {"extensions after the graphic control are kept once",
       bare + loop + gce1 + loop + Comment("c") + img1 + gce2 + img2 + TRAILER, 2,
       {{bare + gce1 + loop + Comment("c") + img1 + TRAILER, v1},
        {bare + gce2 + img2 + TRAILER, v2}}},
      {"frame without graphic control", bare + img1 + gce2 + img2 + TRAILER, 2,
       {{bare + img1 + TRAILER, Values(GIF_NO_DELAY, 0, 0, 0, 8, 6)},
        {bare + gce2 + img2 + TRAILER, v2}}},
      {"missing trailer", bare + gce1 + img1 + gce2 + img2, 2,
       {{bare + gce1 + img1 + TRAILER, v1}, {bare + gce2 + img2 + TRAILER, v2}}},
      {"one image, 87a", Header("87a", 8, 6) + img1 + TRAILER, 1,
       {{Header("87a", 8, 6) + img1 + TRAILER, Values(GIF_NO_DELAY, 0, 0, 0, 8, 6)}}},
      {"structure broken after a frame keeps that frame",
       bare + gce1 + img1 + Bytes{0x00} + gce2 + img2 + TRAILER, 1,
       {{bare + gce1 + img1 + TRAILER, v1}}},
      {"image cut by the end", bare + gce1 + img1 + gce2 + Bytes(img2.begin(), img2.end() - 1), 1,
       {{bare + gce1 + img1 + TRAILER, v1}}},
      {"plain text frame has no geometry", bare + gce1 + text + gce2 + img2 + TRAILER, 2,
       {{bare + gce1 + text + TRAILER, Values(10, 2, 0, 0, 0, 0)},
        {bare + gce2 + img2 + TRAILER, v2}}},
      {"graphic control before the trailer", bare + gce1 + TRAILER, 0, {}},
      {"two graphic controls for one image", bare + gce1 + gce2 + img1 + TRAILER, 0, {}},
      {"broken comment before the first frame", bare + Bytes{0x21, 0xFE, 9, 'x'}, 0, {}},
      {"trailer only", bare + TRAILER, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Walk w = RunLoad(c.data);
    EXPECT_EQ(w.nCount, c.nCount);
    ASSERT_EQ(w.frames.size(), c.frames.size());
    for (size_t i = 0; i < c.frames.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(w.frames[i].wrapped, c.frames[i].wrapped);
      ExpectValues(w.frames[i].values, c.frames[i].values);
    }
  }
}

TEST(GifFrameSplitter, DisposalIsBitsTwoToFour) {
  struct Case {
    uint8_t nPacked;
    int32_t nDisposal;
  };
  const Case cases[] = {{0x00, 0}, {0x04, 1}, {0x09, 2}, {0x0D, 3}, {0xE3, 0}, {0xFF, 7}, {0x1C, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.nPacked));
    const Walk w = RunLoad(Header("89a", 1, 1) + Gce(c.nPacked, 0xBEEF) + Image(0, 0, 1, 1));
    ASSERT_EQ(w.frames.size(), 1u);
    EXPECT_EQ(w.frames[0].values.nDisposal, c.nDisposal);
    EXPECT_EQ(w.frames[0].values.nDelay, 0xBEEFu);
  }
}

// Files written by an ordinary encoder, with extensions spliced in (tools/gif_seeds.py).
TEST(GifFrameSplitter, EncodedFiles) {
  struct Case {
    const char* file;
    uint32_t nCount;
    std::vector<uint32_t> delays;
    std::vector<int32_t> disposals;
  };
  const Case cases[] = {
      {"disposal2.gif", 3, {10, 3, 0}, {2, 2, 2}},
      {"disposal3.gif", 3, {20, 150, 5}, {3, 3, 3}},
      {"comments_apps.gif", 2, {4, 4}, {0, 0}},
      {"local_table_text.gif", 3, {GIF_NO_DELAY, 10, 10}, {0, 0, 2}},
      {"still87a.gif", 1, {GIF_NO_DELAY}, {0}},
      {"truncated.gif", 2, {10, 3}, {2, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::ifstream in(std::string(TEST_DATA_DIR) + "/fuzz/corpus/gif/" + c.file, std::ios::binary);
    ASSERT_TRUE(in.good());
    const Bytes data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const Walk w = RunLoad(data);
    EXPECT_EQ(w.nCount, c.nCount);
    ASSERT_EQ(w.frames.size(), c.delays.size());
    for (size_t i = 0; i < w.frames.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(w.frames[i].values.nDelay, c.delays[i]);
      EXPECT_EQ(w.frames[i].values.nDisposal, c.disposals[i]);
      // Every frame is a one-image file on the whole logical screen.
      EXPECT_TRUE(std::equal(data.begin(), data.begin() + 13, w.frames[i].wrapped.begin()));
      EXPECT_EQ(w.frames[i].wrapped.back(), 0x3B);
    }
  }
}

}  // namespace
