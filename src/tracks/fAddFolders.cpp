#include "tracks/fAddFolders.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 16;
constexpr int kDialogWidth = 340;

QLabel* AddLabel(QGridLayout* grid, int row, int column, int span, const char* name) {
  auto* label = new QLabel;
  label->setObjectName(QString::fromLatin1(name));
  grid->addWidget(label, row, column, 1, span);
  return label;
}

}  // namespace

TfrmAddFolders::TfrmAddFolders(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmAddFolders"));
  setWindowTitle(caption);
  setWindowModality(Qt::ApplicationModal);

  auto* box = new QGroupBox;
  auto* grid = new QGridLayout(box);
  auto* animation = new QLabel;
  animation->setPixmap(
      style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(kIconSize, kIconSize));
  grid->addWidget(animation, 0, 0, 2, 1, Qt::AlignTop);
  lblMode = AddLabel(grid, 0, 1, 2, "lblMode");
  lblFolder = AddLabel(grid, 1, 1, 2, "lblFolder");
  lblFile = AddLabel(grid, 2, 1, 2, "lblFile");
  grid->addWidget(new QLabel(QStringLiteral("Files Added:")), 3, 1);
  lblAdd2 = AddLabel(grid, 3, 2, 1, "lblAdd2");
  grid->setColumnStretch(2, 1);

  btnStop = new QPushButton(QStringLiteral("Stop"));
  btnStop->setObjectName(QStringLiteral("btnStop"));
  connect(btnStop, &QPushButton::clicked, this, [this] {
    stop_ = true;
    btnStop->setEnabled(false);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(btnStop, 0, Qt::AlignRight);
  // Wide enough for a label of 40 characters; labels never widen it, the core shortens them.
  setFixedWidth(kDialogWidth);
}

void TfrmAddFolders::setLabel(AddItemsLabel label, const std::string& text) {
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  switch (label) {
    case AddItemsLabel::Mode:
      lblMode->setText(shown);
      break;
    case AddItemsLabel::Folder:
      lblFolder->setText(shown);
      break;
    case AddItemsLabel::File:
      lblFile->setText(shown);
      break;
    case AddItemsLabel::Added:
      lblAdd2->setText(shown);
      break;
  }
}
