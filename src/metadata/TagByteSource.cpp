#include "metadata/TagByteSource.h"

#include <algorithm>

TagByteSource::TagByteSource(platform::ReadFile& file, std::span<std::uint8_t> window)
    : file_(&file), window_(window) {}

TagByteSource::TagByteSource(std::string_view bytes)
    : data_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}

std::span<const std::uint8_t> TagByteSource::View(std::int64_t offset, std::size_t n) {
  if (offset < 0) return {};
  const std::int64_t end = dataOffset_ + static_cast<std::int64_t>(data_.size());
  const bool inside = offset >= dataOffset_ && offset + static_cast<std::int64_t>(n) <= end;
  if (!inside && file_) {
    // Refill at offset; a short read marks the end of the file.
    const std::int64_t got = file_->readAt(offset, window_.data(), window_.size());
    if (got < 0) {
      failed_ = true;
      data_ = {};
      return {};
    }
    data_ = window_.first(static_cast<std::size_t>(got));
    dataOffset_ = offset;
  }
  if (offset < dataOffset_ || offset >= dataOffset_ + static_cast<std::int64_t>(data_.size())) {
    return {};
  }
  const auto start = static_cast<std::size_t>(offset - dataOffset_);
  return data_.subspan(start, std::min(n, data_.size() - start));
}

bool ReadTagIntoMemory(platform::ReadFile& file, const id3v2::TagHeader& tag, std::size_t maxBytes,
                       std::string& bytes) {
  const auto wanted = static_cast<std::size_t>(
      std::min<std::int64_t>(tag.tagSize, static_cast<std::int64_t>(maxBytes)));
  bytes.resize(wanted);
  const std::int64_t got = file.readAt(0, bytes.data(), wanted);
  if (got < 0) return false;
  bytes.resize(static_cast<std::size_t>(got));
  if (id3v2::BodyIsUnsynchronised(tag) && bytes.size() > id3v2::kTagHeaderSize) {
    auto* body = reinterpret_cast<std::uint8_t*>(bytes.data()) + id3v2::kTagHeaderSize;
    const std::size_t length = bytes.size() - id3v2::kTagHeaderSize;
    bytes.resize(id3v2::kTagHeaderSize + id3v2::RemoveUnsynchronisation(body, length));
  }
  return true;
}
