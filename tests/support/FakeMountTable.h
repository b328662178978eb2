#pragma once

#include <utility>
#include <vector>

#include "platform/MountTable.h"

// A mount table written by the test; "/" alone, a local disk, unless told otherwise.
class FakeMountTable : public platform::MountTable {
 public:
  FakeMountTable() = default;
  explicit FakeMountTable(std::vector<platform::Mount> mounts) : mounts_(std::move(mounts)) {}
  std::vector<platform::Mount> mounts() override { return mounts_; }

 private:
  std::vector<platform::Mount> mounts_{{"/", true}};
};
