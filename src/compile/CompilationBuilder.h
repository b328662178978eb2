#pragma once

#include "compile/CompilationMaker.h"
#include "tracks/PlaylistDocument.h"
#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

// "Create MP3 Compilation" of the main window: makes a compilation of the window's playlist,
// named after the playlist name. Owned by the window's core for the whole run, so the folder
// dialog reopens at the folder chosen last.
class CompilationBuilder {
 public:
  // Files go through the tables' file system.
  CompilationBuilder(TrackTables& tables, PlaylistEditor& editor, const PlaylistDocument& document,
                     UserDialogs& dialogs);
  CompilationBuilder(const CompilationBuilder&) = delete;
  CompilationBuilder& operator=(const CompilationBuilder&) = delete;

  // actCreateMP3CompExecute and btnCreateMP3CompClick. Every outcome is reported to the person
  // in a message; the result is for callers that want to know more.
  CompilationResult CreateMP3Compilation();

  const CompilationMaker& maker() const { return maker_; }

 private:
  // The playlist as the compilation sees it. A playlist that holds items is checked for
  // missing files first, which also refills its rows and brings its total size up to date.
  CompilationPlaylist CollectPlaylist();

  TrackTables& tables_;
  PlaylistEditor& editor_;
  const PlaylistDocument& document_;
  CompilationMaker maker_;
};
