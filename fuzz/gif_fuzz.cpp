// Walks arbitrary bytes the way the animation control does (recognise, count, rewind, cut every
// frame) and checks what the wrapped frames must look like.
#include "controls/GifFrames.h"

// Compiled into the target so libFuzzer sees its coverage: the portable library itself is not
// built with coverage instrumentation. Its copy in the library is then never linked in.
#include "controls/GifFrames.cpp"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool bOk) {
  if (!bOk) std::abort();
}

// Cutting a wrapped frame again must give the same frame back.
void CheckRewrap(const std::vector<uint8_t>& wrapped, const CGifFrameValues& values) {
  CGifFrameSplitter s;
  Check(s.Open(wrapped.data(), wrapped.size()));
  Check(s.CountGraphicBlocks() == 1);
  Check(s.BlockKind() == GifBlockKind::TRAILER);
  s.Rewind();
  std::vector<uint8_t> again;
  CGifFrameValues v;
  Check(s.NextFrame(again, v));
  Check(again == wrapped);
  Check(v.nDelay == values.nDelay && v.nDisposal == values.nDisposal &&
        v.nWidth == values.nWidth && v.nHeight == values.nHeight && v.nLeft == values.nLeft &&
        v.nTop == values.nTop);
  Check(!s.NextFrame(again, v) && again.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  // An exact-size copy so any read past the end is caught.
  const std::vector<uint8_t> data(pData, pData + nSize);
  CGifFrameSplitter s;
  if (!s.Open(data.data(), data.size())) {
    Check(!s.IsGif() && s.ReadOffset() == 0 && s.DataSize() == 0);
    return 0;
  }
  const size_t nHead = CGifFrameSplitter::HEADER_SIZE + static_cast<size_t>(s.ColorTableSize());
  Check(std::memcmp(data.data(), "GIF", 3) == 0 && nHead <= nSize && s.ReadOffset() == nHead);

  // Plain block walk: every step moves forward and stays inside the data.
  for (uint32_t nBefore = s.ReadOffset(); s.SkipBlock(); nBefore = s.ReadOffset())
    Check(s.ReadOffset() > nBefore && s.ReadOffset() <= nSize);
  const int64_t nChain = s.SubBlocksLength(s.ReadOffset());
  Check(nChain == -1 || (nChain > 0 && s.ReadOffset() + static_cast<uint64_t>(nChain) <= nSize));

  s.Rewind();
  const uint32_t nCount = s.CountGraphicBlocks();
  Check(s.ReadOffset() <= nSize);
  s.Rewind();
  Check(s.ReadOffset() == nHead);

  uint32_t nFrames = 0;
  std::vector<uint8_t> wrapped;
  CGifFrameValues values;
  for (uint32_t nBefore = s.ReadOffset(); s.NextFrame(wrapped, values); nBefore = s.ReadOffset()) {
    ++nFrames;
    const size_t nEnd = s.ReadOffset();
    Check(nEnd > nBefore && nEnd <= nSize);
    // Header and global table, the frame's span ending at the read offset, then the trailer.
    Check(wrapped.size() >= nHead + 2);
    const size_t nSpan = wrapped.size() - nHead - 1;
    Check(nSpan <= nEnd - nBefore);
    Check(std::memcmp(wrapped.data(), data.data(), nHead) == 0);
    Check(std::memcmp(wrapped.data() + nHead, data.data() + nEnd - nSpan, nSpan) == 0);
    Check(wrapped.back() == 0x3B);
    const uint8_t* pSpan = wrapped.data() + nHead;
    if (nSpan >= 8 && pSpan[0] == 0x21 && pSpan[1] == 0xF9) {
      Check(values.nDelay == static_cast<uint32_t>(pSpan[4] | (pSpan[5] << 8)));
      Check(values.nDisposal == ((pSpan[3] >> 2) & 7));
    } else {
      Check(values.nDelay == GIF_NO_DELAY && values.nDisposal == 0);
    }
    Check(values.nWidth >= 0 && values.nWidth <= 0xFFFF && values.nHeight >= 0 &&
          values.nHeight <= 0xFFFF);
    CheckRewrap(wrapped, values);
  }
  Check(wrapped.empty());
  // Counting and cutting walk the same way.
  Check(nFrames == nCount);
  return 0;
}
