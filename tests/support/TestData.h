#pragma once

#include <string>

// Folder of real MP3 files made by other programs (shared/testdata/peer-mp3).
// Empty when a standalone clone lacks it; use SKIP_WITHOUT_PEER_DATA() first.
std::string PeerDataDir();

#define SKIP_WITHOUT_PEER_DATA()                                                      \
  do {                                                                                \
    if (PeerDataDir().empty())                                                        \
      GTEST_SKIP() << "shared/testdata/peer-mp3 is absent beside this clone";        \
  } while (0)
