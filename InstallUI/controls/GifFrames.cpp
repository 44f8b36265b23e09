#include "controls/GifFrames.h"

#include <cstring>
#include <limits>
#include <new>

namespace {

// Byte size of a colour table from a packed byte whose bit 7 says it is present.
int32_t ColorTableBytes(uint8_t nPacked) {
  return (nPacked & 0x80) ? 3 * (1 << ((nPacked & 7) + 1)) : 0;
}

// Fixed parts of the blocks before their sub-block chains.
constexpr uint64_t APPLICATION_HEADER = 14;
constexpr uint64_t COMMENT_HEADER = 2;
constexpr uint64_t GRAPHIC_CONTROL_SIZE = 8;
constexpr uint64_t PLAIN_TEXT_HEADER = 15;
constexpr uint64_t IMAGE_DESCRIPTOR = 10;

}  // namespace

bool CGifFrameSplitter::Open(const uint8_t* pData, size_t nSize) {
  Close();
  if (pData == nullptr || nSize < HEADER_SIZE || nSize > std::numeric_limits<uint32_t>::max())
    return false;
  if (std::memcmp(pData, "GIF", 3) != 0 ||
      (std::memcmp(pData + 3, "87a", 3) != 0 && std::memcmp(pData + 3, "89a", 3) != 0))
    return false;
  const int32_t nTable = ColorTableBytes(pData[10]);
  // A global table cut by the end would be copied into every wrapped frame.
  if (nSize < HEADER_SIZE + static_cast<size_t>(nTable)) return false;

  m_pData = pData;
  m_nDataSize = static_cast<uint32_t>(nSize);
  m_nColorTableSize = nTable;
  m_nScreenWidth = WordAt(6);
  m_nScreenHeight = WordAt(8);
  Rewind();
  return true;
}

void CGifFrameSplitter::Close() {
  m_pData = nullptr;
  m_nDataSize = 0;
  m_nReadOffset = 0;
  m_nColorTableSize = 0;
  m_nScreenWidth = 0;
  m_nScreenHeight = 0;
}

void CGifFrameSplitter::Rewind() {
  m_nReadOffset = IsGif() ? HEADER_SIZE + static_cast<uint32_t>(m_nColorTableSize) : 0;
}

GifBlockKind CGifFrameSplitter::BlockKind() const {
  if (!IsGif() || !Has(m_nReadOffset, 1)) return GifBlockKind::UNRECOGNISED;
  switch (ByteAt(m_nReadOffset)) {
    case 0x2C:
      return GifBlockKind::IMAGE;
    case 0x3B:
      return GifBlockKind::TRAILER;
    case 0x21:
      break;
    default:
      return GifBlockKind::UNRECOGNISED;
  }
  if (!Has(m_nReadOffset, 2)) return GifBlockKind::UNRECOGNISED;
  switch (ByteAt(m_nReadOffset + 1)) {
    case 0xFF:
      return GifBlockKind::APPLICATION;
    case 0xFE:
      return GifBlockKind::COMMENT;
    case 0xF9:
      return GifBlockKind::GRAPHIC_CONTROL;
    case 0x01:
      return GifBlockKind::PLAIN_TEXT;
    default:
      return GifBlockKind::UNRECOGNISED;
  }
}

int64_t CGifFrameSplitter::SubBlocksLength(uint64_t nPosition) const {
  if (!IsGif()) return -1;
  uint64_t nPos = nPosition;
  // Each step reads one size byte inside the data and moves past it, so the walk ends.
  while (Has(nPos, 1)) {
    const uint8_t nSize = ByteAt(nPos);
    if (nSize == 0) return static_cast<int64_t>(nPos + 1 - nPosition);
    nPos += 1u + nSize;
  }
  return -1;
}

int64_t CGifFrameSplitter::BlockLength() const {
  const uint64_t nOffset = m_nReadOffset;
  uint64_t nFixed = 0;
  switch (BlockKind()) {
    case GifBlockKind::APPLICATION:
      nFixed = APPLICATION_HEADER;
      break;
    case GifBlockKind::COMMENT:
      nFixed = COMMENT_HEADER;
      break;
    case GifBlockKind::PLAIN_TEXT:
      nFixed = PLAIN_TEXT_HEADER;
      break;
    case GifBlockKind::GRAPHIC_CONTROL:
      return Has(nOffset, GRAPHIC_CONTROL_SIZE) ? static_cast<int64_t>(GRAPHIC_CONTROL_SIZE) : -1;
    case GifBlockKind::TRAILER:
      return 1;
    case GifBlockKind::IMAGE:
      if (!Has(nOffset, IMAGE_DESCRIPTOR)) return -1;
      // Descriptor, local colour table, then the LZW code size byte before the chain.
      nFixed = IMAGE_DESCRIPTOR + static_cast<uint64_t>(ColorTableBytes(ByteAt(nOffset + 9))) + 1;
      break;
    case GifBlockKind::UNRECOGNISED:
      return -1;
  }
  if (!Has(nOffset, nFixed)) return -1;
  const int64_t nChain = SubBlocksLength(nOffset + nFixed);
  if (nChain < 0) return -1;
  return static_cast<int64_t>(nFixed) + nChain;
}

bool CGifFrameSplitter::SkipBlock() {
  const int64_t nLength = BlockLength();
  if (nLength <= 0 || !Has(m_nReadOffset, static_cast<uint64_t>(nLength))) return false;
  m_nReadOffset += static_cast<uint32_t>(nLength);
  return true;
}

bool CGifFrameSplitter::SkipExtensions() {
  for (;;) {
    const GifBlockKind kind = BlockKind();
    if (kind != GifBlockKind::APPLICATION && kind != GifBlockKind::COMMENT) return true;
    if (!SkipBlock()) return false;
  }
}

bool CGifFrameSplitter::SkipGraphicBlock() {
  if (!SkipExtensions()) return false;
  GifBlockKind kind = BlockKind();
  if (kind == GifBlockKind::GRAPHIC_CONTROL) {
    if (!SkipBlock() || !SkipExtensions()) return false;
    kind = BlockKind();
  }
  // Anything else here (trailer, unrecognised, a second graphic control) ends the walk.
  if (kind != GifBlockKind::IMAGE && kind != GifBlockKind::PLAIN_TEXT) return false;
  return SkipBlock();
}

uint32_t CGifFrameSplitter::CountGraphicBlocks() {
  uint32_t nCount = 0;
  while (SkipGraphicBlock()) ++nCount;
  return nCount;
}

bool CGifFrameSplitter::NextFrame(std::vector<uint8_t>& wrapped, CGifFrameValues& values) {
  wrapped.clear();
  if (!SkipExtensions()) return false;
  CGifFrameValues frame;
  GifBlockKind kind = BlockKind();
  const uint32_t nStart = m_nReadOffset;
  if (kind == GifBlockKind::GRAPHIC_CONTROL) {
    if (!SkipBlock()) return false;  // also proves the 8 bytes read below are in the data
    frame.nDelay = WordAt(nStart + 4);
    frame.nDisposal = (ByteAt(nStart + 3) >> 2) & 7;
    if (!SkipExtensions()) return false;
    kind = BlockKind();
  }
  if (kind != GifBlockKind::IMAGE && kind != GifBlockKind::PLAIN_TEXT) return false;
  const uint32_t nGraphic = m_nReadOffset;
  if (!SkipBlock()) return false;
  if (kind == GifBlockKind::IMAGE) {
    // SkipBlock succeeded, so the whole 10-byte descriptor is in the data.
    frame.nLeft = WordAt(nGraphic + 1);
    frame.nTop = WordAt(nGraphic + 3);
    frame.nWidth = WordAt(nGraphic + 5);
    frame.nHeight = WordAt(nGraphic + 7);
  }

  const size_t nHead = HEADER_SIZE + static_cast<size_t>(m_nColorTableSize);
  const size_t nSpan = m_nReadOffset - nStart;
  try {
    wrapped.resize(nHead + nSpan + 1);
  } catch (const std::bad_alloc&) {
    wrapped.clear();
    return false;
  }
  std::memcpy(wrapped.data(), m_pData, nHead);
  std::memcpy(wrapped.data() + nHead, m_pData + nStart, nSpan);
  wrapped[nHead + nSpan] = 0x3B;
  values = frame;
  return true;
}
