#include "tracks/fEditPlaylist.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPlaylistName::TfrmPlaylistName(const QString& caption, const QString& label,
                                   const QString& text, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  setObjectName(QStringLiteral("frmPlaylistName"));
  auto* layout = new QVBoxLayout(this);
  lblPlaylistName = new QLabel(label);
  edtPlaylistName = new QLineEdit(text);
  edtPlaylistName->setObjectName(QStringLiteral("edtPlaylistName"));
  edtPlaylistName->setMinimumWidth(260);
  edtPlaylistName->selectAll();
  lblPlaylistName->setBuddy(edtPlaylistName);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(lblPlaylistName);
  layout->addWidget(edtPlaylistName);
  layout->addWidget(buttons);
}

QString TfrmPlaylistName::text() const { return edtPlaylistName->text(); }
