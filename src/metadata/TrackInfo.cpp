#include "metadata/TrackInfo.h"

#include "metadata/MPEGaudio.h"

namespace {

template <typename Tag>
void TakeCommonTexts(const Tag& tag, recMP3Info& info) {
  info.title = tag.title();
  info.artist = tag.artist();
  info.album = tag.album();
  info.year = tag.year();
  info.comment = tag.comment();
}

}  // namespace

void ReadTrackInfo(TMPEGaudio& analyser, const std::string& fileName, recMP3Info& info) {
  // A failed analysis leaves the analyser cleared, which reads as zeros: no need to look.
  analyser.AnalyzeFile(fileName);
  info.duration = analyser.DurationSeconds();
  info.bitrate = analyser.BitRateKbps();
  info.size = analyser.fileLength();
  if (analyser.id3v2().exists()) {
    const TID3v2& tag = analyser.id3v2();
    TakeCommonTexts(tag, info);
    info.genre = tag.genre();
  } else {
    const TID3v1& tag = analyser.id3v1();
    TakeCommonTexts(tag, info);
    info.genre = tag.GenreName();
  }
}

std::string ComposeTrackName(const recMP3Info& info, const std::string& fileName) {
  if (!info.artist.empty() || !info.title.empty()) return info.artist + " - " + info.title;
  const std::size_t slash = fileName.rfind('/');
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}
