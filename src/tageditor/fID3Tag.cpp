#include "tageditor/fID3Tag.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tageditor/GenreList.h"

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 348;
constexpr int kYearWidth = 60;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }
std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

QLineEdit* MakeEdit(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

// A labelled edit: its caption on the left, as the fields' captions are stored.
void AddLabelled(QGridLayout* layout, int row, const QString& caption, QWidget* field) {
  auto* label = new QLabel(caption);
  label->setBuddy(field);
  layout->addWidget(label, row, 0);
  layout->addWidget(field, row, 1);
}

QPushButton* MakeButton(const char* name, const QString& text) {
  auto* button = new QPushButton(text);
  button->setObjectName(QString::fromLatin1(name));
  // Neither button is the default: Enter in a field closes nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TfrmID3Tag::TfrmID3Tag(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmID3Tag"));
  setWindowTitle(QStringLiteral("ID3 Tag Editor"));
  setFixedSize(kClientWidth, kClientHeight);

  grb = new QGroupBox;
  grb->setObjectName(QStringLiteral("grb"));
  auto* groups = new QVBoxLayout(grb);
  groups->addWidget(buildInfoGroup());
  groups->addWidget(buildTagGroup(), 1);

  btnUpdate = MakeButton("btnUpdate", QStringLiteral("Update"));
  btnCancel = MakeButton("btnCancel", QStringLiteral("Cancel"));
  connect(btnUpdate, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnUpdate);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grb, 1);
  layout->addLayout(buttons);

  setTabOrder(edtTitle, edtArtist);
  setTabOrder(edtArtist, edtAlbum);
  setTabOrder(edtAlbum, edtYear);
  setTabOrder(edtYear, lstGenre);
  setTabOrder(lstGenre, edtComment);
  setTabOrder(edtComment, btnUpdate);
  setTabOrder(btnUpdate, btnCancel);
  FormCreate();
}

QGroupBox* TfrmID3Tag::buildInfoGroup() {
  grbMP3Info = new QGroupBox(QStringLiteral(" MP3 Info "));
  grbMP3Info->setObjectName(QStringLiteral("grbMP3Info"));
  edtFile = MakeEdit("edtFile");
  edtFile->setReadOnly(true);
  edtFile->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  QPalette face = edtFile->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  edtFile->setPalette(face);
  lblSize = new QLabel(QStringLiteral("Size:"));
  lblDuration = new QLabel(QStringLiteral("Duration:"));
  lblBitrate = new QLabel(QStringLiteral("Bitrate:"));
  lblSize->setObjectName(QStringLiteral("lblSize"));
  lblDuration->setObjectName(QStringLiteral("lblDuration"));
  lblBitrate->setObjectName(QStringLiteral("lblBitrate"));
  auto* layout = new QGridLayout(grbMP3Info);
  layout->addWidget(edtFile, 0, 0, 1, 3);
  layout->addWidget(lblSize, 1, 0);
  layout->addWidget(lblDuration, 1, 1);
  layout->addWidget(lblBitrate, 1, 2);
  return grbMP3Info;
}

QGroupBox* TfrmID3Tag::buildTagGroup() {
  grbID3 = new QGroupBox(QStringLiteral(" ID3 Info "));
  grbID3->setObjectName(QStringLiteral("grbID3"));
  edtTitle = MakeEdit("edtTitle");
  edtArtist = MakeEdit("edtArtist");
  edtAlbum = MakeEdit("edtAlbum");
  edtYear = MakeEdit("edtYear");
  edtYear->setFixedWidth(kYearWidth);
  edtComment = MakeEdit("edtComment");
  lstGenre = new QComboBox;
  lstGenre->setObjectName(QStringLiteral("lstGenre"));
  lstGenre->setEditable(true);
  // Any text may be typed, and what is typed stays out of the list and keeps its letter case.
  lstGenre->setInsertPolicy(QComboBox::NoInsert);
  lstGenre->completer()->setCaseSensitivity(Qt::CaseSensitive);
  lstGenre->setEditText(QStringLiteral("lstGenre"));
  lblGenre = new QLabel(QStringLiteral("Genre:"));
  lblGenre->setObjectName(QStringLiteral("lblGenre"));
  lblGenre->setBuddy(lstGenre);

  auto* layout = new QGridLayout(grbID3);
  AddLabelled(layout, 0, QStringLiteral("Title:              "), edtTitle);
  AddLabelled(layout, 1, QStringLiteral("Artist:             "), edtArtist);
  AddLabelled(layout, 2, QStringLiteral("Album:           "), edtAlbum);
  auto* yearAndGenre = new QHBoxLayout;
  yearAndGenre->addWidget(edtYear);
  yearAndGenre->addSpacing(12);
  yearAndGenre->addWidget(lblGenre);
  yearAndGenre->addWidget(lstGenre, 1);
  auto* yearLabel = new QLabel(QStringLiteral("Year:             "));
  yearLabel->setBuddy(edtYear);
  layout->addWidget(yearLabel, 3, 0);
  layout->addLayout(yearAndGenre, 3, 1);
  AddLabelled(layout, 4, QStringLiteral("Comment:       "), edtComment);
  layout->setRowStretch(5, 1);
  return grbID3;
}

void TfrmID3Tag::FormCreate() {
  const QString typed = lstGenre->currentText();
  for (const std::string& genre : TagEditorGenres()) lstGenre->addItem(FromUtf8(genre));
  lstGenre->setEditText(typed);
}

void TfrmID3Tag::showView(const TagEditorView& view) {
  edtFile->setText(FromUtf8(view.edtFile));
  lblSize->setText(FromUtf8(view.lblSize));
  lblDuration->setText(FromUtf8(view.lblDuration));
  lblBitrate->setText(FromUtf8(view.lblBitrate));
  edtTitle->setText(FromUtf8(view.texts.title));
  edtArtist->setText(FromUtf8(view.texts.artist));
  edtAlbum->setText(FromUtf8(view.texts.album));
  edtYear->setText(FromUtf8(view.texts.year));
  lstGenre->setEditText(FromUtf8(view.texts.genre));
  edtComment->setText(FromUtf8(view.texts.comment));
}

TagTexts TfrmID3Tag::texts() const {
  return {ToUtf8(edtTitle->text()), ToUtf8(edtArtist->text()),       ToUtf8(edtAlbum->text()),
          ToUtf8(edtYear->text()),  ToUtf8(lstGenre->currentText()), ToUtf8(edtComment->text())};
}

void TfrmID3Tag::keyPressEvent(QKeyEvent* event) {
  // Esc closes nothing here: typed texts are left only through Cancel or the close box.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
