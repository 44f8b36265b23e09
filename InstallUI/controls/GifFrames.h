// Byte-level walking of GIF data: recognises the header, counts the graphic blocks and cuts each
// frame out as a complete one-frame GIF for the picture loader. Decodes nothing.
// Platform-free: no <windows.h>, so it builds for the host tests and fuzzers too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class GifBlockKind {
  APPLICATION,      // 0x21 0xFF
  COMMENT,          // 0x21 0xFE
  GRAPHIC_CONTROL,  // 0x21 0xF9
  PLAIN_TEXT,       // 0x21 0x01
  IMAGE,            // 0x2C
  TRAILER,          // 0x3B
  UNRECOGNISED,     // any other byte or label, or no byte left
};

// Delay of a frame that has no graphic control extension.
constexpr uint32_t GIF_NO_DELAY = 0xFFFFFFFFu;

// What NextFrame reports about the frame it wrapped.
struct CGifFrameValues {
  uint32_t nDelay = GIF_NO_DELAY;  // hundredths of a second
  int32_t nDisposal = 0;           // bits 2 to 4 of the graphic control packed byte
  int32_t nWidth = 0;              // image descriptor; stays 0 for a plain text frame
  int32_t nHeight = 0;
  int32_t nLeft = 0;
  int32_t nTop = 0;
};

// Parses a byte buffer it does not own; the buffer must outlive the parsing. Every read is
// checked against m_nDataSize, so any bytes at all may be handed in.
class CGifFrameSplitter {
 public:
  // Header and logical screen descriptor.
  static constexpr uint32_t HEADER_SIZE = 13;

  // Takes the data and reads its header. False (and an empty state) when the data is not GIF:
  // wrong signature or version, or too short for the header and its global colour table.
  bool Open(const uint8_t* pData, size_t nSize);
  // Back to the empty state; the data is no longer referenced.
  void Close();

  bool IsGif() const { return m_pData != nullptr; }
  int32_t ScreenWidth() const { return m_nScreenWidth; }
  int32_t ScreenHeight() const { return m_nScreenHeight; }
  uint32_t DataSize() const { return m_nDataSize; }
  uint32_t ReadOffset() const { return m_nReadOffset; }
  int32_t ColorTableSize() const { return m_nColorTableSize; }

  // The block at the read offset.
  GifBlockKind BlockKind() const;
  // Byte length of the block at the read offset; -1 when it is unrecognised or does not lie
  // wholly within the data.
  int64_t BlockLength() const;
  // Length of the data sub-block chain starting at nPosition, terminator included; -1 when the
  // chain is cut by the end of the data.
  int64_t SubBlocksLength(uint64_t nPosition) const;

  // Advances past the block at the read offset; on failure the offset stays.
  bool SkipBlock();
  // Skips one frame's blocks (leading extensions, graphic control, image or plain text); true
  // when a graphic block was skipped.
  bool SkipGraphicBlock();
  // Calls SkipGraphicBlock until it fails; the read offset is left where the walk stopped.
  uint32_t CountGraphicBlocks();
  // Read offset back to the first block, after the header and the global colour table.
  void Rewind();

  // Cuts the next frame and wraps it as a one-frame GIF: the header and global colour table,
  // the frame's blocks from its graphic control extension (if any) to the end of its image,
  // then a trailer. False when no further frame can be cut; wrapped is then empty and values
  // are left as they were.
  bool NextFrame(std::vector<uint8_t>& wrapped, CGifFrameValues& values);

 private:
  bool Has(uint64_t nPosition, uint64_t nCount) const {
    return nPosition <= m_nDataSize && nCount <= m_nDataSize - nPosition;
  }
  uint8_t ByteAt(uint64_t nPosition) const { return m_pData[nPosition]; }
  uint16_t WordAt(uint64_t nPosition) const {
    return static_cast<uint16_t>(m_pData[nPosition] | (m_pData[nPosition + 1] << 8));
  }
  // Skips application and comment extensions; false when one of them is broken.
  bool SkipExtensions();

  const uint8_t* m_pData = nullptr;
  uint32_t m_nDataSize = 0;
  uint32_t m_nReadOffset = 0;
  int32_t m_nColorTableSize = 0;
  int32_t m_nScreenWidth = 0;
  int32_t m_nScreenHeight = 0;
};
