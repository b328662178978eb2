#include "metadata/ID3v1.h"

#include <cstring>

#include "metadata/TextCodec.h"

// Index 133 is Winamp's name, kept as files and other players know it.
// clang-format off
const std::array<std::string_view, 148> ID3v1GenreNames = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz",
    "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno",
    "Industrial", "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno",
    "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental",
    "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise", "AlternRock", "Bass", "Soul", "Punk",
    "Space", "Meditative", "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic", "Darkwave",
    "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy",
    "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native American",
    "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal",
    "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Folk",
    "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival", "Celtic",
    "Bluegrass", "Avantgarde", "Gothic Rock", "Progessive Rock", "Psychedelic Rock",
    "Symphonic Rock", "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour",
    "Speech", "Chanson", "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus",
    "Porn Groove", "Satire", "Slow Jam", "Club", "Tango", "Samba", "Folklore", "Ballad",
    "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet", "Punk Rock", "Drum Solo", "A capella",
    "Euro-House", "Dance Hall", "Goa", "Drum & Bass", "Club-House", "Hardcore", "Terror", "Indie",
    "BritPop", "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta Rap", "Heavy Metal",
    "Black Metal", "Crossover", "Contemporary Christian", "Christian Rock", "Merengue", "Salsa",
    "Trash Metal", "Anime", "JPop", "Synthpop"};
// clang-format on

namespace {

constexpr std::int64_t kBlockSize = 128;

// The field's bytes without their trailing run of spaces, zeros and control
// bytes, decoded from Latin-1.
std::string FieldText(const unsigned char* block, std::size_t offset, std::size_t length) {
  std::string_view field(reinterpret_cast<const char*>(block) + offset, length);
  while (!field.empty() && static_cast<unsigned char>(field.back()) <= 0x20) {
    field.remove_suffix(1);
  }
  return Latin1ToUtf8(field);
}

}  // namespace

TID3v1::TID3v1(platform::FileSystem& fs) : fs_(&fs) {}

void TID3v1::Clear() { *this = TID3v1(*fs_); }

bool TID3v1::LoadTag(const std::string& fileName) {
  Clear();
  auto file = fs_->openRead(fileName);
  return file && LoadTag(*file);
}

bool TID3v1::LoadTag(platform::ReadFile& file) {
  Clear();
  const std::int64_t size = file.size();
  if (size < kBlockSize) return false;
  unsigned char block[kBlockSize];
  if (file.readAt(size - kBlockSize, block, sizeof block) != kBlockSize) return false;
  if (std::memcmp(block, "TAG", 3) != 0) return true;

  exists_ = true;
  const bool v11 =
      (block[125] == 0x00 && block[126] != 0x00) || (block[125] == 0x20 && block[126] != 0x20);
  versionId_ = v11 ? 2 : 1;
  title_ = FieldText(block, 3, 30);
  artist_ = FieldText(block, 33, 30);
  album_ = FieldText(block, 63, 30);
  year_ = FieldText(block, 93, 4);
  comment_ = FieldText(block, 97, v11 ? 28 : 30);
  if (v11) track_ = block[126];
  genreIndex_ = block[127];
  return true;
}

std::string TID3v1::GenreName() const {
  return genreIndex_ < ID3v1GenreNames.size() ? std::string(ID3v1GenreNames[genreIndex_])
                                              : std::string();
}
