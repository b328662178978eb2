#include "app/PlaylistPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "app/CaptionPanel.h"
#include "widgets/Colours.h"
#include "widgets/Fonts.h"
#include "app/GradientPanel.h"
#include "widgets/TrackGridView.h"
#include "tracks/TrackTable.h"

namespace {

const char* const kHelpText =
    "Drag items here.\r\n\r\nYou can drag mp3 files, playlists (m3u, pls) and folders."
    "\r\n\r\nRight-click on Browser or Playlist to open a menu.\r\n\r\n"
    "Click on Create Comp to create an MP3 Compilation.";

}  // namespace

PlaylistPanel::PlaylistPanel(TrackTables& tables, QWidget* parent) : QWidget(parent) {
  PaintWith(this, colours::kPlaylistPanel);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  pnlPlaylistCaption = new CaptionPanel(QStringLiteral("   MP3 Playlist - Untitled"),
                                        colours::kPlaylistPanel, 26, 12);
  column->addWidget(pnlPlaylistCaption);

  auto* frame = ColourPanel(colours::kPlaylistFrame);  // pnlPLFr1 … pnlPLFr4
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->setContentsMargins(1, 1, 1, 1);
  frameLayout->setSpacing(0);
  grdPlaylist = new TrackGridView(tables.grdPlaylist());
  grdPlaylist->setDropTarget(true);
  frameLayout->addWidget(grdPlaylist, 1);

  pnlPListInfo = new GradientPanel(StoredColour(colours::kGridHeaderPlaylist),
                                   StoredColour(colours::kInfoBarPlaylistEnd));
  pnlPListInfo->setEdgeLines(StoredColour(colours::kInfoBarLine));
  pnlPListInfo->setFixedHeight(24);
  auto* info = new QHBoxLayout(pnlPListInfo);
  info->setContentsMargins(6, 0, 5, 0);
  lblInfo2 = WhiteLabel(QStringLiteral("Total: 0 tracks | 0:00 | 0"));
  lblInfo2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  info->addStretch(1);
  info->addWidget(lblInfo2);
  frameLayout->addWidget(pnlPListInfo);
  column->addWidget(frame, 1);

  pnlHelp = ColourPanel(colours::kPlaylistGrid, grdPlaylist);
  pnlHelp->setFixedSize(280, 117);
  auto* helpLayout = new QVBoxLayout(pnlHelp);
  lblHelp = WhiteLabel(QString::fromLatin1(kHelpText).replace(QStringLiteral("\r\n"),
                                                              QStringLiteral("\n")));
  lblHelp->setAlignment(Qt::AlignCenter);
  lblHelp->setWordWrap(true);
  helpLayout->addWidget(lblHelp);
  // Presses on the help panel reach the grid, so the playlist side becomes active.
  pnlHelp->setAttribute(Qt::WA_TransparentForMouseEvents);
  grdPlaylist->installEventFilter(this);
  centreHelp();
}

void PlaylistPanel::centreHelp() {
  const double left = (grdPlaylist->width() - pnlHelp->width()) / 2.0;
  const double top = (grdPlaylist->height() - pnlHelp->height()) / 2.0;
  pnlHelp->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

bool PlaylistPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grdPlaylist && event->type() == QEvent::Resize) centreHelp();
  return QWidget::eventFilter(watched, event);
}
