#include "app/QtUserDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>

#include "compile/fCopy.h"
#include "browser/fLibraryFolders.h"
#include "browser/fPLItems.h"
#include "tageditor/fID3Tag.h"
#include "browser/fScan.h"
#include "tracks/fAddFolders.h"
#include "tracks/fColumns.h"
#include "tracks/fEditPlaylist.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

QMessageBox::StandardButton Ask(QWidget* parent, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), MessageText(text), buttons,
                  parent);
  box.setDefaultButton(QMessageBox::Yes);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString MessageText(const std::string& text) {
  return FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return filters.join(QStringLiteral(";;"));
}

bool QtUserDialogs::askYesNo(const std::string& text) {
  return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

DialogAnswer QtUserDialogs::askYesNoCancel(const std::string& text) {
  switch (Ask(parent_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return DialogAnswer::Yes;
    case QMessageBox::No:
      return DialogAnswer::No;
    default:
      return DialogAnswer::Cancel;
  }
}

void QtUserDialogs::inform(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("Information"), MessageText(text));
}

void QtUserDialogs::error(const std::string& text) {
  QMessageBox::critical(parent_, QStringLiteral("Error"), MessageText(text));
}

std::string QtUserDialogs::chooseOpenFile(const std::string& filter) {
  return QFileDialog::getOpenFileName(parent_, QString(), QString(), QtFileFilter(filter))
      .toStdString();
}

std::string QtUserDialogs::chooseSaveFile(const std::string& filter,
                                          const std::string& proposedName) {
  // The core asks before replacing a file, with its own words.
  return QFileDialog::getSaveFileName(parent_, QString(), FromUtf8(proposedName),
                                      QtFileFilter(filter), nullptr,
                                      QFileDialog::DontConfirmOverwrite)
      .toStdString();
}

SaveFileChoice QtUserDialogs::chooseSaveFileAndFilter(const std::string& filter) {
  const QString filters = QtFileFilter(filter);
  QString selected;
  SaveFileChoice choice;
  choice.path = QFileDialog::getSaveFileName(parent_, QString(), QString(), filters, &selected,
                                             QFileDialog::DontConfirmOverwrite)
                    .toStdString();
  // A filter the dialog does not name (none chosen) counts as the first.
  const auto index = filters.split(QStringLiteral(";;")).indexOf(selected);
  choice.filter = std::max(0, static_cast<int>(index));
  return choice;
}

std::string QtUserDialogs::chooseFolder(const std::string& title,
                                        const std::string& startFolder) {
  return QFileDialog::getExistingDirectory(parent_, FromUtf8(title), FromUtf8(startFolder))
      .toStdString();
}

std::optional<std::string> QtUserDialogs::enterText(const std::string& caption,
                                                    const std::string& label,
                                                    const std::string& initialText) {
  TfrmPlaylistName dialog(FromUtf8(caption), FromUtf8(label), FromUtf8(initialText), parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.text().toStdString();
}

void QtUserDialogs::processEvents() { QCoreApplication::processEvents(); }

bool QtUserDialogs::showCopyProgress(const std::function<void(CopyProgressView&)>& copy) {
  TfrmCopy dialog(copy, parent_);
  dialog.exec();
  return dialog.cancelled();
}

std::unique_ptr<AddItemsView> QtUserDialogs::showAddItems(const std::string& caption) {
  auto dialog = std::make_unique<TfrmAddFolders>(FromUtf8(caption), parent_);
  dialog->show();
  QCoreApplication::processEvents();  // painted before the first file is read
  return dialog;
}

void QtUserDialogs::showPlaylistItems(TrackGrid& grid, const std::string& totals) {
  TfrmPLItems dialog(grid, FromUtf8(totals), parent_);
  dialog.exec();
}

std::optional<TagTexts> QtUserDialogs::showTagEditor(const TagEditorView& view) {
  TfrmID3Tag dialog(parent_);
  dialog.showView(view);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.texts();
}

bool QtUserDialogs::showScanProgress(const std::string& caption,
                                     const std::function<void(ScanProgressView&)>& scan) {
  TfrmScan dialog(FromUtf8(caption), scan, parent_);
  dialog.exec();
  return dialog.cancelled();
}

std::optional<std::vector<std::string>> QtUserDialogs::editLibraryFolders(
    const std::vector<std::string>& folders) {
  TfrmLibraryFolders dialog(folders, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.folders();
}

bool QtUserDialogs::showColumns(ColumnChooser& chooser) {
  TfrmColumns dialog(chooser, parent_);
  return dialog.exec() == QDialog::Accepted;
}
