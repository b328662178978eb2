#pragma once

#include <cstdint>
#include <string>

class TMPEGaudio;

// Everything the lists show about one MP3 file.
struct recMP3Info {
  double duration = 0.0;   // seconds
  std::int32_t bitrate = 0;  // kbit/s
  std::int64_t size = 0;     // bytes
  std::string title;
  std::string artist;
  std::string album;
  std::string year;
  std::string genre;  // a name, not a number
  std::string comment;
};

// Analyses fileName with the given analyser and overwrites every field of
// info. Never fails: what cannot be read is zero or empty.
void ReadTrackInfo(TMPEGaudio& analyser, const std::string& fileName, recMP3Info& info);

// "artist - title", or the file name without folder and extension when both are empty.
std::string ComposeTrackName(const recMP3Info& info, const std::string& fileName);
