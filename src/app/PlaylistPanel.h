#pragma once

#include <QWidget>

class CaptionPanel;
class GradientPanel;
class QLabel;
class TrackGridView;
class TrackTables;

// The MP3 Playlist side: caption, grdPlaylist with the centred help panel,
// and the info bar with the totals line.
class PlaylistPanel : public QWidget {
  Q_OBJECT
 public:
  PlaylistPanel(TrackTables& tables, QWidget* parent = nullptr);

  CaptionPanel* pnlPlaylistCaption;
  TrackGridView* grdPlaylist;
  QWidget* pnlHelp;
  QLabel* lblHelp;
  GradientPanel* pnlPListInfo;
  QLabel* lblInfo2;

  // Keeps the help panel in the middle of the grid.
  void centreHelp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
