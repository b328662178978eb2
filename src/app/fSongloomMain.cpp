#include "app/fSongloomMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QTreeView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/BrowserPanel.h"
#include "app/CaptionPanel.h"
#include "app/FolderTreeModel.h"
#include "widgets/Fonts.h"
#include "app/GradientPanel.h"
#include "app/MainActions.h"
#include "app/PlayerBar.h"
#include "app/PlaylistPanel.h"
#include "widgets/TrackGridView.h"
#include "app/VetoSplitter.h"
#include "window/SplitterRules.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

// A right-click this close to a grid's top edge is on its header row.
constexpr int kHeaderMenuHeight = 20;

}  // namespace

TfrmSongloomMain::TfrmSongloomMain(const std::string& autosavePath, WindowStandIns standIns,
                                   const std::string& libraryFoldersFile)
    : qtDialogs_(this),
      core_(std::make_unique<MainWindowCore>(
          ShellServices{standIns.dialogs ? *standIns.dialogs : qtDialogs_,
                        standIns.playlistItems ? *standIns.playlistItems : qtDialogs_,
                        standIns.playback ? *standIns.playback : qtPlayback_,
                        standIns.tagEditor ? *standIns.tagEditor : qtDialogs_,
                        standIns.libraryFolders ? standIns.libraryFolders : &qtDialogs_,
                        standIns.columns ? standIns.columns : &qtDialogs_},
          autosavePath, platform::localFileSystem(),
          standIns.mounts ? *standIns.mounts : platform::localMountTable())) {
  setObjectName(QStringLiteral("frmSongloomMain"));
  setWindowTitle(QStringLiteral("Songloom"));
  setFont(SansSerifFont(8));
  resize(811, 516);
  setMinimumSize(797, 500);
  core_->FormCreate();
  buildLayout();
  createActions();
  connectPanels();
  connectFolderBrowser();
  connectLibrary();
  core_->library().useFoldersFile(libraryFoldersFile);
  connectPlayer();
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

  for (GridId id : {GridId::Browser, GridId::Library, GridId::Search, GridId::Playlist}) {
    TrackGridView* view = gridView(id);
    view->gridModel()->setAlignmentFn([this, view](int row, int col) -> Qt::Alignment {
      const CellAlignment a = core_->tables().grdBrowserGetAlignment(view->grid(), row, col);
      return a == CellAlignment::Right ? Qt::AlignRight : Qt::AlignLeft;
    });
  }

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
  auto* actions = new MainActions(this);
  for (const MainAction& entry : MainActionList()) {
    const MainCommand command = entry.command;
    actions->add(entry.name, QString::fromUtf8(entry.caption), entry.shortcut,
                  [this, command] { runAction([this, command] { core_->Execute(command); }); });
  }
  connect(player_->btnCreateMP3Comp, &QToolButton::clicked, this,
          [this] { runAction([this] { core_->Execute(MainCommand::CreateMP3Comp); }); });
}

void TfrmSongloomMain::connectGrid(TrackGridView* view, bool playlistSide) {
  connect(view, &TrackGridView::pressed, this,
          [this, playlistSide](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint globalPos,
                               int y) {
            if (button == Qt::LeftButton || button == Qt::RightButton)
              run([&] { core_->ActivatePanel(playlistSide); });
            if (button == Qt::RightButton && y <= kHeaderMenuHeight) showColumnsMenu(globalPos);
          });
  connect(view, &TrackGridView::rowPressed, this,
          [this, playlistSide](int, bool ctrl) {
            if (playlistSide)
              playlistRowPressed(ctrl);
            else
              browserRowPressed(ctrl);
          });
  connect(view, &TrackGridView::selectionChangedByGesture, this, [this, playlistSide] {
    if (playlistSide)
      run([this] { core_->editor().grdPlaylistSelectionChanged(); });
    else
      run([this] { core_->browser().grdBrowserSelectionChanged(); });
  });
  connect(view, &TrackGridView::doubleClickedRow, this,
          [this](int row) { run([&] { core_->browser().grdBrowserDblClick(row); }); });
  connect(view, &TrackGridView::headerClicked, this, [this, view](int col) {
    run([&] { core_->tables().SortByHeaderClick(view->grid(), col); });
  });
  connect(view, &TrackGridView::enterPressed, this,
          [this, playlistSide] { gridEnter(playlistSide); });
  connect(view, &TrackGridView::escapePressed, this, &TfrmSongloomMain::gridEscape);
}

void TfrmSongloomMain::showColumnsMenu(const QPoint& globalPos) {
  // Shown without an event loop of its own; its item runs the command when chosen.
  auto* mnuColumns = new QMenu(this);
  mnuColumns->setObjectName(QStringLiteral("mnuColumns"));
  mnuColumns->setAttribute(Qt::WA_DeleteOnClose);
  mnuColumns->addAction(action("mniCColumns1"));
  mnuColumns->popup(globalPos);
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
  if (event->type() == QEvent::MouseButtonPress && watched == browser_->pnlFolder) {
    run([this] { core_->browser().pnlFolderClick(); });
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress && watched == browser_->pnlLibrary) {
    run([this] { core_->pnlLibraryClick(); });
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    const bool playlistSide = watched == playlist_->pnlPListInfo;
    run([&] { core_->ActivatePanel(playlistSide); });
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmSongloomMain::playlistRowPressed(bool ctrl) {
  PlaylistEditor& ed = core_->editor();
  if (ctrl)
    run([&] { ed.grdPlaylistRowDisjunctSelected(); });
  else
    run([&] { ed.grdPlaylistSelectionChanged(); });
}

void TfrmSongloomMain::browserRowPressed(bool ctrl) {
  FolderBrowser& browser = core_->browser();
  if (ctrl)
    run([&] { browser.grdBrowserRowDisjunctSelected(); });
  else
    run([&] { browser.grdBrowserSelectionChanged(); });
}

void TfrmSongloomMain::gridEnter(bool playlistSide) {
  PlaylistEditor& ed = core_->editor();
  if (playlistSide && ed.editingTrackName())
    run([&] { ed.EndTrackNameEditing(); });
  else
    run([this] { core_->browser().OpenCurrentRow(); });
}

void TfrmSongloomMain::connectFolderBrowser() {
  FolderBrowser& browser = core_->browser();
  tmr_ = new QTimer(this);
  tmr_->setInterval(5);
  connect(tmr_, &QTimer::timeout, this, &TfrmSongloomMain::listingTick);

  QTreeView* tree = browser_->lstFolders;
  FolderTreeModel* folders = browser_->folderModel;
  connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, folders](const QModelIndex& current) {
            const std::string path = folders->filePath(current).toStdString();
            run([&] { core_->browser().lstFoldersChange(path); });
          });
  browser.hooks.SelectFolderInTree = [tree, folders](const std::string& path) {
    const QModelIndex index = folders->indexForPath(QString::fromStdString(path));
    if (!index.isValid()) return;
    tree->setCurrentIndex(index);
    tree->scrollTo(index);
    tree->setFocus();
  };

  const QIcon icons[] = {style()->standardIcon(QStyle::SP_DirIcon),
                         style()->standardIcon(QStyle::SP_MediaVolume),
                         style()->standardIcon(QStyle::SP_FileDialogDetailedView)};
  browser_->grdBrowser->gridModel()->setIconFn(
      [this, icons](int row, int col) -> QVariant {
        if (col != 0) return {};
        const RowIcon icon = core_->browser().rowIcon(row);
        if (icon == RowIcon::None) return {};
        return icons[static_cast<int>(icon)];
      });

  connect(browser_->rbtFolder, &QRadioButton::clicked, this, [this] {
    run([this] { core_->browser().rbtFolderClick(); });
  });
  connect(browser_->rbtLibrary, &QRadioButton::clicked, this,
          [this] { run([this] { core_->rbtLibraryClick(); }); });
  browser_->pnlFolder->installEventFilter(this);
  browser_->pnlLibrary->installEventFilter(this);
}

void TfrmSongloomMain::connectPlayer() {
  PlaybackController& player = core_->player();
  const auto command = [this](MainCommand c) { return [this, c] { runAction([this, c] {
                                                  core_->Execute(c);
                                                }); }; };
  connect(player_->btnPlay, &QToolButton::clicked, this, command(MainCommand::Play));
  connect(player_->btnStop, &QToolButton::clicked, this, command(MainCommand::Stop));
  connect(player_->btnNext, &QToolButton::clicked, this, command(MainCommand::Next));
  connect(player_->btnPrev, &QToolButton::clicked, this, command(MainCommand::Previous));
  connect(player_->btnMute, &QToolButton::clicked, this, command(MainCommand::Mute));
  connect(player_->btnR, &QToolButton::clicked, this, command(MainCommand::Repeat));
  connect(player_->btnS, &QToolButton::clicked, this, command(MainCommand::Shuffle));
  connect(player_->barPlayer, &QSlider::sliderPressed, this,
          [this, &player] { run([&] { player.barPlayerMouseDown(); }); });
  connect(player_->barPlayer, &QSlider::sliderMoved, this,
          [&player](int value) { player.barPlayerChange(value); });
  connect(player_->barPlayer, &QSlider::sliderReleased, this,
          [this, &player] { run([&] { player.barPlayerMouseUp(); }); });
  connect(player_->barVolume, &QSlider::valueChanged, this,
          [this, &player](int value) { run([&] { player.barVolumeChange(value); }); });
  tmrPlayer_ = new QTimer(this);
  tmrPlayer_->setInterval(500);
  connect(tmrPlayer_, &QTimer::timeout, this,
          [this, &player] { run([&] { player.tmrPlayerTimer(); }); });
  tmrPlayer_->start();
  connect(&qtPlayback_, &QtPlaybackService::eventsDelivered, this,
          &TfrmSongloomMain::refreshLabels);
  for (const char* name : {"actMute", "actRepeat", "actShuffle"}) action(name)->setCheckable(true);
  connect(player_, &PlayerBar::trackNameDoubleClicked, this,
          [this] { runAction([this] { core_->lblTrNameDblClick(); }); });
}

void TfrmSongloomMain::syncListingTimer() {
  if (!tmr_) return;
  const bool wanted = core_->browser().timerEnabled();
  if (wanted && !tmr_->isActive()) tmr_->start();
  if (!wanted && tmr_->isActive()) tmr_->stop();
}

void TfrmSongloomMain::listingTick() {
  // Stopped while the tick runs: a selection made during a listing starts the
  // timer afresh, and its ticks then reach the running listing to cancel it.
  tmr_->stop();
  run([this] { core_->browser().tmrTimer(); });
}

void TfrmSongloomMain::showBrowserPage() {
  browser_->pgcMain->setCurrentIndex(core_->libraryViewShown() ? 1 : 0);
  browser_->rbtFolder->setChecked(!core_->libraryViewShown());
  browser_->rbtLibrary->setChecked(core_->libraryViewShown());
}

void TfrmSongloomMain::connectLibrary() {
  LibraryView& library = core_->library();
  QLineEdit* search = browser_->edtSearch;
  connect(search, &QLineEdit::textEdited, this,
          [&library](const QString& text) { library.setEdtSearch(text.toStdString()); });
  // Enter (either key) starts the search; the line edit inserts nothing and does not beep.
  connect(search, &QLineEdit::returnPressed, this,
          [this, &library] { run([&] { library.edtSearchEnter(); }); });
  connect(browser_->btnSearch, &QPushButton::clicked, this,
          [this, &library] { run([&] { library.btnSearchClick(); }); });
  connect(browser_->btnClear, &QPushButton::clicked, this,
          [this, &library] { run([&] { library.btnClearClick(); }); });
  connect(browser_->btnFolders, &QPushButton::clicked, this,
          [this] { run([this] { core_->btnLibraryFoldersClick(); }); });
}

void TfrmSongloomMain::showLibraryGrids() {
  // grdSearch covers grdLibrary while it holds a search result.
  const bool searchShown = core_->searchShown();
  browser_->grdSearch->setVisible(searchShown);
  browser_->grdLibrary->setVisible(!searchShown);
  const QString text = FromUtf8(core_->library().edtSearch());
  if (browser_->edtSearch->text() != text) browser_->edtSearch->setText(text);
}

void TfrmSongloomMain::endTrackNameEditing() {
  PlaylistEditor& ed = core_->editor();
  if (!ed.editingTrackName()) return;
  playlist_->grdPlaylist->commitEditor();
  run([&] { ed.EndTrackNameEditing(); });
}

void TfrmSongloomMain::gridEscape() {
  PlaylistEditor& ed = core_->editor();
  if (ed.editingTrackName()) run([&] { ed.EndTrackNameEditing(); });
}

void TfrmSongloomMain::dropOnPlaylist(int row) {
  // After the drag has ended: adding opens its own dialog, which must not run
  // inside the platform's drop handling.
  QTimer::singleShot(0, this, [this, row] { run([&] { core_->adder().grdPlaylistOleDrop(row); }); });
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
    removeSel->setShortcuts(KeySequencesOfStored(ed.removeSelectedShortcut()));
  browser_->lblInfo->setText(FromUtf8(core_->browser().lblInfo()));
  const PlaybackController& player = core_->player();
  player_->showState(player);
  action("actMute")->setChecked(player.mute());
  action("actRepeat")->setChecked(player.repeat());
  action("actShuffle")->setChecked(player.shuffle());
  showBrowserPage();
  showLibraryGrids();
  syncListingTimer();
}

void TfrmSongloomMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (const QScreen* screen = this->screen()) {
    const int browserWidth = FirstBrowserWidth(screen->size().width());
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
