#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct MPEGFrameInfo;

// The constant tables of MPEG audio (ISO/IEC 11172-3 and 13818-3), looked up
// by a decoded frame header. Every lookup of a reserved or cleared value
// yields 0, so a cleared frame has bit rate 0 and sample rate 0.

// Bit rate in kbit/s.
std::uint16_t TableBitRateKbps(const MPEGFrameInfo& frame);
// Sample rate in Hz.
std::uint32_t SampleRateHz(const MPEGFrameInfo& frame);
// Samples in a frame divided by 8.
std::uint32_t SamplesFactor(const MPEGFrameInfo& frame);
// Bytes the padding bit adds.
std::uint32_t PaddingSize(const MPEGFrameInfo& frame);
// Where a Xing or VBRI header is looked for, counted from the frame's first byte.
std::size_t SideInfoOffset(const MPEGFrameInfo& frame);
// Whole frame length with padding; 0 when the sample rate is unknown.
std::uint16_t FrameLength(const MPEGFrameInfo& frame);

// Splits the four header bytes into their fields (no validity check).
MPEGFrameInfo DecodeFrameHeader(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
