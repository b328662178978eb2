#include "app/fSongloomMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QTreeView>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/BrowserPanel.h"
#include "app/CaptionPanel.h"
#include "app/Colours.h"
#include "app/Fonts.h"
#include "app/GradientPanel.h"
#include "app/MainActions.h"
#include "app/PlayerBar.h"
#include "app/PlaylistPanel.h"
#include "app/TrackGridView.h"
#include "app/VetoSplitter.h"
#include "window/SplitterRules.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

TfrmSongloomMain::TfrmSongloomMain(const std::string& autosavePath, UserDialogs* dialogs,
                                   QWidget* parent)
    : QWidget(parent),
      qtDialogs_(this),
      core_(std::make_unique<MainWindowCore>(dialogs ? *dialogs : qtDialogs_, autosavePath)) {
  setObjectName(QStringLiteral("frmSongloomMain"));
  setWindowTitle(QStringLiteral("Songloom"));
  setFont(SansSerifFont(8));
  resize(811, 516);
  setMinimumSize(797, 500);
  core_->FormCreate();
  buildLayout();
  createActions();
  connectPanels();
  refreshLabels();
}

TfrmSongloomMain::~TfrmSongloomMain() {
  // The views observe the core's grids: they go before the core does.
  qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void TfrmSongloomMain::buildLayout() {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  spl2_ = new VetoSplitter;
  spl2_->setObjectName(QStringLiteral("spl2"));
  browser_ = new BrowserPanel(core_->tables());
  playlist_ = new PlaylistPanel(core_->tables());
  spl2_->addWidget(browser_);
  spl2_->addWidget(playlist_);
  spl2_->setStretchFactor(1, 1);
  spl2_->setSizes({499, 300});
  column->addWidget(spl2_, 1);
  player_ = new PlayerBar;
  column->addWidget(player_);

  spl2_->setCanResize([this](int w) {
    return spl2CanResize(w, browser_->pnlFolders->width(), width());
  });
  browser_->spl1->setCanResize([this](int w) {
    return spl1CanResize(w, browser_->pgcMain->width());
  });
}

TrackGridView* TfrmSongloomMain::gridView(GridId id) {
  switch (id) {
    case GridId::Browser: return browser_->grdBrowser;
    case GridId::Library: return browser_->grdLibrary;
    case GridId::Search: return browser_->grdSearch;
    case GridId::Playlist: return playlist_->grdPlaylist;
  }
  return nullptr;
}

QAction* TfrmSongloomMain::action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

void TfrmSongloomMain::createActions() {
  actions_ = new MainActions(this);
  PlaylistEditor& ed = core_->editor();
  PlaylistDocument& doc = core_->document();
  auto add = [this](const char* name, const char* caption, int shortcut, auto command) {
    actions_->add(name, QString::fromUtf8(caption), shortcut, [this, command] { run(command); });
  };
  add("actSelectAll", "Select All", 16449, [this] { core_->actSelectAllExecute(); });
  add("actInvertSelection", "Invert Selection", 16457,
      [this] { core_->actInvertSelectionExecute(); });
  add("actGroup", "Group Selected Items Together", 32839, [&ed] { ed.actGroupExecute(); });
  add("actRemoveSel", "Remove Selected", 46, [&ed] { ed.actRemoveSelExecute(); });
  add("actRemoveAll", "Remove All", 24622, [&ed] { ed.actRemoveAllExecute(); });
  add("actRemoveMiss", "Remove Missing Files from Playlist", 32814,
      [&ed] { ed.actRemoveMissExecute(); });
  add("actCrop", "Crop Selected", 16430, [&ed] { ed.actCropExecute(); });
  add("actSave", "Save MP3 Playlist...", 16467, [&doc] { doc.actSaveExecute(); });
  add("actOpen", "Open MP3 Playlist...", 16463, [&doc] { doc.actOpenExecute(); });
  add("actNew", "New MP3 Playlist...", 16462, [&doc] { doc.actNewExecute(); });
  add("actEdit", "Edit Playlist Name...", 16464, [&doc] { doc.actEditExecute(); });
  add("actMoveUp", "Up", 32806, [&ed] { ed.actMoveUpExecute(); });
  add("actMoveDown", "Down", 32808, [&ed] { ed.actMoveDownExecute(); });
  add("actMoveTop", "to Top", 32804, [&ed] { ed.actMoveTopExecute(); });
  add("actMoveBottom", "to Bottom", 32803, [&ed] { ed.actMoveBottomExecute(); });
  add("actEditTrackName", "Edit Track Name...", 16453, [&ed] { ed.actEditTrackNameExecute(); });
  add("actRandomizeOrder", "Randomize Order", 16466, [&ed] { ed.actRandomizeOrderExecute(); });
  add("actReverseOrder", "Reverse Order", 16470, [&ed] { ed.actReverseOrderExecute(); });
}

void TfrmSongloomMain::connectGrid(TrackGridView* view, bool playlistSide) {
  connect(view, &TrackGridView::pressed, this, [this, playlistSide](Qt::MouseButton button) {
    if (button == Qt::LeftButton || button == Qt::RightButton) run([&] { core_->ActivatePanel(playlistSide); });
  });
  connect(view, &TrackGridView::rowPressed, this,
          [this, playlistSide](int, bool wasSelected, bool ctrl) {
            core_->setClickedRowWasSelected(wasSelected);
            if (playlistSide) playlistRowPressed(wasSelected, ctrl);
          });
  connect(view, &TrackGridView::selectionStepped, this, [this, playlistSide] {
    if (playlistSide) run([this] { core_->editor().grdPlaylistSelectionChanged(); });
  });
  connect(view, &TrackGridView::headerClicked, this, [this, view](int col) {
    run([&] { core_->tables().SortByHeaderClick(view->grid(), col); });
  });
  connect(view, &TrackGridView::enterPressed, this,
          [this, playlistSide] { gridEnter(playlistSide); });
  connect(view, &TrackGridView::escapePressed, this, &TfrmSongloomMain::gridEscape);
}

void TfrmSongloomMain::connectPanels() {
  connectGrid(browser_->grdBrowser, false);
  connectGrid(browser_->grdLibrary, false);
  connectGrid(browser_->grdSearch, false);
  connectGrid(playlist_->grdPlaylist, true);
  TrackGridView* grdPlaylist = playlist_->grdPlaylist;
  connect(grdPlaylist, &TrackGridView::rowsDropped, this, &TfrmSongloomMain::dropOnPlaylist);
  connect(grdPlaylist, &TrackGridView::editorClosed, this, [this] {
    if (core_->editor().editingTrackName()) run([this] { core_->editor().EndTrackNameEditing(); });
  });

  auto activateBrowser = [this] { run([this] { core_->ActivatePanel(false); }); };
  auto activatePlaylist = [this] { run([this] { core_->ActivatePanel(true); }); };
  connect(browser_->pnlBrowserCaption, &CaptionPanel::pressed, this, activateBrowser);
  connect(browser_->pnlFCaption, &CaptionPanel::pressed, this, activateBrowser);
  connect(playlist_->pnlPlaylistCaption, &CaptionPanel::pressed, this, activatePlaylist);
  connect(playlist_->pnlPlaylistCaption, &CaptionPanel::doubleClicked, this,
          [this] { run([this] { core_->document().pnlPlaylistCaptionDblClick(); }); });
  // Presses on these make their side active without doing anything else.
  for (QObject* o : {static_cast<QObject*>(browser_->lstFolders->viewport()),
                     static_cast<QObject*>(browser_->pnlBrInfo),
                     static_cast<QObject*>(browser_->pnlSearch),
                     static_cast<QObject*>(playlist_->pnlPListInfo)})
    o->installEventFilter(this);
}

bool TfrmSongloomMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const bool playlistSide = watched == playlist_->pnlPListInfo;
    run([&] { core_->ActivatePanel(playlistSide); });
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmSongloomMain::playlistRowPressed(bool wasSelected, bool ctrl) {
  PlaylistEditor& ed = core_->editor();
  if (ctrl)
    run([&] { ed.grdPlaylistRowDisjunctSelected(wasSelected); });
  else
    run([&] { ed.grdPlaylistSelectionChanged(); });
}

void TfrmSongloomMain::gridEnter(bool playlistSide) {
  PlaylistEditor& ed = core_->editor();
  if (playlistSide && ed.editingTrackName()) run([&] { ed.EndTrackNameEditing(); });
  // Opening the current row (play, open folder, view a playlist) comes with the browser.
}

void TfrmSongloomMain::gridEscape() {
  PlaylistEditor& ed = core_->editor();
  if (ed.editingTrackName()) run([&] { ed.EndTrackNameEditing(); });
}

void TfrmSongloomMain::dropOnPlaylist(TrackGridView* source, int row) {
  // A drag inside the playlist moves its selected rows; adding from the browser comes later.
  if (source == playlist_->grdPlaylist && core_->playlistSideActive())
    run([&] { core_->editor().DropSelectedOn(row); });
}

void TfrmSongloomMain::refreshLabels() {
  const PlaylistDocument& doc = core_->document();
  PlaylistEditor& ed = core_->editor();
  playlist_->pnlPlaylistCaption->setText(FromUtf8(doc.pnlPlaylistCaption()));
  playlist_->lblInfo2->setText(FromUtf8(ed.lblInfo2()));
  playlist_->pnlHelp->setVisible(core_->tables().pnlHelpVisible());
  browser_->pnlBrowserCaption->setTextColour(core_->browserCaptionColour());
  playlist_->pnlPlaylistCaption->setTextColour(core_->playlistCaptionColour());
  if (QAction* removeSel = action("actRemoveSel"))
    removeSel->setShortcut(ShortcutFromStored(ed.removeSelectedShortcut()));
}

void TfrmSongloomMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (const QScreen* screen = this->screen()) {
    const int browserWidth = screen->size().width() - 304;
    spl2_->setSizes({browserWidth, std::max(1, width() - browserWidth)});
  }
  run([this] { core_->FormShow(); });
}

void TfrmSongloomMain::closeEvent(QCloseEvent* event) {
  core_->FormClose();  // a failure was shown; the window closes all the same
  event->accept();
}

void TfrmSongloomMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  playlist_->centreHelp();
  const int browserWidth = BrowserWidthAfterResize(core_->activatedOnce(), width(),
                                                   playlist_->grdPlaylist->width());
  if (browserWidth > 0) spl2_->setSizes({browserWidth, width() - browserWidth});
}

void TfrmSongloomMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) core_->FormActivate();
}
