#include "metadata/MPEGaudio.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "metadata/MPEGTables.h"

namespace {

constexpr std::size_t kLongestFrame = TMPEGaudio::kWindowSize / 2;  // 1729
constexpr std::size_t kXingLength = 128;                            // through the encoder text
constexpr std::size_t kVbriLength = 18;                             // through the frame count
constexpr std::int64_t kId3v1Length = 128;

using Window = std::array<std::uint8_t, TMPEGaudio::kWindowSize>;

std::int32_t BigEndian32At(const std::uint8_t* p) {
  const std::uint32_t value = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                              (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
  return static_cast<std::int32_t>(value);
}

bool BytesAre(const std::uint8_t* p, const char (&text)[5]) { return std::memcmp(p, text, 4) == 0; }

// Zero-fills the window and reads up to its size at offset; the count read or -1.
std::int64_t ReadWindow(platform::ReadFile& file, std::int64_t offset, Window& window) {
  window.fill(0);
  return file.readAt(offset, window.data(), window.size());
}

// Nearest integer, ties to the even neighbour, whatever the FPU's rounding mode.
double RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double fraction = x - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace

bool IsValidFrameHeader(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  if (b0 != 0xFF || (b1 & 0xE0) != 0xE0) return false;
  if (((b1 >> 3) & 3) == 1) return false;  // reserved version
  if (((b1 >> 1) & 3) == 0) return false;  // reserved layer
  const int bitrateIndex = b2 >> 4;
  if (bitrateIndex == 15 || bitrateIndex == 0) return false;  // free format is not recognised
  if (((b2 >> 2) & 3) == 3) return false;                     // reserved sample rate
  return (b3 & 3) != 2;                                       // reserved emphasis
}

bool FindFirstFrame(const std::uint8_t* window, MPEGFrameInfo& frame, VBRData& vbr) {
  constexpr std::size_t kLastStart = TMPEGaudio::kWindowSize - kLongestFrame;
  for (std::size_t i = 0; i <= kLastStart; ++i) {
    const std::uint8_t* p = window + i;
    if (!IsValidFrameHeader(p[0], p[1], p[2], p[3])) continue;
    MPEGFrameInfo candidate = DecodeFrameHeader(p[0], p[1], p[2], p[3]);
    const std::size_t next = i + FrameLength(candidate);
    if (next + 4 > TMPEGaudio::kWindowSize) continue;
    const std::uint8_t* q = window + next;
    if (!IsValidFrameHeader(q[0], q[1], q[2], q[3])) continue;
    candidate.found = true;
    candidate.position = static_cast<std::int32_t>(i);
    candidate.frameLength = FrameLength(candidate);
    frame = candidate;
    vbr = ReadVBRHeader(window, i + SideInfoOffset(candidate));
    return true;
  }
  return false;
}

VBRData ReadVBRHeader(const std::uint8_t* window, std::size_t p) {
  VBRData vbr;
  if (p > TMPEGaudio::kWindowSize - kVbriLength) return vbr;  // no header fits
  const std::uint8_t* h = window + p;
  if (p + kXingLength <= TMPEGaudio::kWindowSize && BytesAre(h, "Xing")) {
    vbr.found = true;
    vbr.kind = {'X', 'i', 'n', 'g'};
    vbr.frameCount = BigEndian32At(h + 8);
    vbr.byteCount = BigEndian32At(h + 12);
    vbr.quality = h[119];
    vbr.encoderText.assign(reinterpret_cast<const char*>(h + 120), 8);
  } else if (BytesAre(h, "VBRI")) {
    vbr.found = true;
    vbr.kind = {'V', 'B', 'R', 'I'};
    vbr.quality = h[9];
    vbr.byteCount = BigEndian32At(h + 10);
    vbr.frameCount = BigEndian32At(h + 14);
  }
  return vbr;
}

TMPEGaudio::TMPEGaudio(platform::FileSystem& fs) : fs_(&fs), id3v1_(fs), id3v2_(fs) { Clear(); }

void TMPEGaudio::Clear() {
  fileLength_ = 0;
  encoderText_.clear();
  vbr_ = VBRData{};
  frame_ = MPEGFrameInfo{};
  id3v1_.Clear();
  id3v2_.Clear();
}

bool TMPEGaudio::AnalyzeFile(const std::string& fileName) {
  Clear();
  // One open serves the tags and the stream: every read is positional.
  const std::unique_ptr<platform::ReadFile> file = fs_->openRead(fileName);
  const bool ok =
      file != nullptr && id3v1_.LoadTag(*file) && id3v2_.LoadTag(*file) && AnalyzeStream(*file);
  // Without a frame nothing of the file is shown, its tags included.
  if (!frame_.found) Clear();
  return ok;
}

bool TMPEGaudio::AnalyzeStream(platform::ReadFile& file) {
  fileLength_ = file.size();
  const std::int64_t audioStart = id3v2_.tagSize();
  Window window;
  std::int64_t got = ReadWindow(file, audioStart, window);
  if (got < 0) return false;
  bool found = FindFirstFrame(window.data(), frame_, vbr_);
  if (!found && got == static_cast<std::int64_t>(window.size())) {
    // Some files carry junk after the tag; try once more in the middle of the audio.
    got = ReadWindow(file, (fileLength_ - audioStart) / 2, window);
    if (got < 0) return false;
    found = FindFirstFrame(window.data(), frame_, vbr_);
  }
  if (found && !vbr_.found) return FindEncoderText(file);
  return true;
}

bool TMPEGaudio::FindEncoderText(platform::ReadFile& file) {
  const std::int64_t audioEnd = fileLength_ - (id3v1_.exists() ? kId3v1Length : 0);
  const std::int64_t start = audioEnd - static_cast<std::int64_t>(kWindowSize);
  if (start < 0) return false;
  Window window;
  if (ReadWindow(file, start, window) != static_cast<std::int64_t>(window.size())) return false;
  const std::size_t lastK = std::size_t{2} * frame_.frameLength;
  for (std::size_t k = 0; k <= lastK && k + 8 <= kWindowSize; ++k) {
    const std::uint8_t* mark = window.data() + (kWindowSize - k - 8);
    if (BytesAre(mark, "LAME")) {
      encoderText_.assign(reinterpret_cast<const char*>(mark), 8);
      return true;
    }
    if (BytesAre(mark, "GOGO")) {
      encoderText_ = "GOGO";
      return true;
    }
  }
  return true;
}

std::uint16_t TMPEGaudio::BitRateKbps() const {
  const std::uint32_t factor = SamplesFactor(frame_);
  if (!vbr_.found || vbr_.frameCount <= 0 || factor == 0) return TableBitRateKbps(frame_);
  const double bytesPerFrame =
      static_cast<double>(vbr_.byteCount) / static_cast<double>(vbr_.frameCount);
  const double kbps = (bytesPerFrame - PaddingSize(frame_)) * SampleRateHz(frame_) / factor / 1000;
  // The result keeps the low 16 bits, as the 16-bit field always did.
  const auto rounded = static_cast<std::int64_t>(RoundHalfEven(kbps));
  return static_cast<std::uint16_t>(static_cast<std::uint64_t>(rounded));
}

double TMPEGaudio::DurationSeconds() const {
  if (!frame_.found) return 0;
  const std::uint32_t rate = SampleRateHz(frame_);
  const std::uint16_t kbps = TableBitRateKbps(frame_);
  if (rate == 0 || kbps == 0) return 0;
  if (vbr_.found && vbr_.frameCount > 0)
    return static_cast<double>(vbr_.frameCount) * SamplesFactor(frame_) * 8 / rate;
  const std::int64_t audioBytes = fileLength_ - id3v2_.tagSize() - frame_.position;
  return static_cast<double>(audioBytes) * 8 / kbps / 1000;
}
