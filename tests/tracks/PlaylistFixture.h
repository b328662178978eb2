#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "tracks/MRNG.h"
#include "tracks/PlaylistDocument.h"
#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"

// The playlist side of the window over a temporary folder of small MP3 files, with scripted
// dialogs and a file system that can be told to fail.
class PlaylistFixture : public ::testing::Test {
 protected:
  // CBR at 128 kbit/s: 16000 bytes make one second.
  static constexpr int kBytesPerSecond = 16000;

  PlaylistFixture();

  // An MP3 file of whole (or fractional) seconds without tags in the temporary folder; its
  // derived track name is its file name without ".mp3".
  std::string Track(std::string_view name, double seconds);
  // Fills the playlist as adding does: one row per item after the last, renumbered, totals.
  void Fill(const std::vector<std::string>& items);
  // Tracks "1" … "n" (rows 1 … n) of the given lengths in seconds, filled in.
  std::vector<std::string> FillTracks(const std::vector<double>& seconds);
  void Select(const std::vector<int>& rows);

  // The cells of a column, rows 1 … N.
  std::vector<std::string> Column(std::string_view name);
  std::vector<std::string> TrackNames() { return Column("Track Name"); }
  // Every cell, selection, colour and mark of the playlist, and the labels around it.
  std::string Snapshot();

  TempDir dir;
  FaultyFileSystem fs;
  TMPEGaudio analyser{fs};
  TrackTables tables{analyser, fs};
  ScriptedDialogs dialogs;
  Mrng random;
  std::uint32_t ticks = 1;
  PlaylistEditor editor{tables, dialogs, random, [this] { return ticks; }};
  PlaylistDocument document{tables, editor, dialogs, dir.file("songloom.m3u")};
  TrackGrid& playlist = tables.grdPlaylist();
};
