#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/QtUserDialogs.h"
#include "app/WaitUntil.h"
#include "tageditor/GenreList.h"
#include "tageditor/fID3Tag.h"

namespace {

TagEditorView SampleView() {
  return {"/music/a.mp3",
          "Size:          3.50 MB",
          "Duration:    03:45",
          "Bitrate:       128 kbps",
          {"Title", "Artist", "Album", "1999", "Not In The List", "Comment"}};
}

// The caption of a labelled edit: the label whose buddy it is.
QString CaptionOf(QWidget* field) {
  for (QLabel* label : field->window()->findChildren<QLabel*>())
    if (label->buddy() == field) return label->text();
  return {};
}

// Runs act on the modal tag editor once it is up, from inside its own event loop.
void WhenTheEditorShows(const std::function<void(TfrmID3Tag&)>& act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    auto* form = qobject_cast<TfrmID3Tag*>(QApplication::activeModalWidget());
    if (!form || !form->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(*form);
  });
  poll->start();
}

TEST(TfrmID3TagTest, ItsFieldsReadAsStoredAndShowTheView) {
  TfrmID3Tag form;
  form.showView(SampleView());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("ID3 Tag Editor"));
  EXPECT_EQ(form.size(), QSize(480, 348));
  EXPECT_EQ(form.grbMP3Info->title(), QStringLiteral(" MP3 Info "));
  EXPECT_EQ(form.grbID3->title(), QStringLiteral(" ID3 Info "));
  EXPECT_EQ(form.edtFile->text(), QStringLiteral("/music/a.mp3"));
  EXPECT_TRUE(form.edtFile->isReadOnly());
  EXPECT_FALSE(form.edtFile->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(form.lblSize->text(), QStringLiteral("Size:          3.50 MB"));
  EXPECT_EQ(form.lblDuration->text(), QStringLiteral("Duration:    03:45"));
  EXPECT_EQ(form.lblBitrate->text(), QStringLiteral("Bitrate:       128 kbps"));
  const std::vector<std::pair<QWidget*, QString>> captions = {
      {form.edtTitle, QStringLiteral("Title:              ")},
      {form.edtArtist, QStringLiteral("Artist:             ")},
      {form.edtAlbum, QStringLiteral("Album:           ")},
      {form.edtYear, QStringLiteral("Year:             ")},
      {form.lstGenre, QStringLiteral("Genre:")},
      {form.edtComment, QStringLiteral("Comment:       ")},
  };
  for (const auto& [field, caption] : captions) EXPECT_EQ(CaptionOf(field), caption);
  EXPECT_EQ(form.btnUpdate->text(), QStringLiteral("Update"));
  EXPECT_EQ(form.btnCancel->text(), QStringLiteral("Cancel"));
  for (QPushButton* button : {form.btnUpdate, form.btnCancel}) {
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
  // The genre list, and a genre that is none of its entries shown as it is.
  const std::vector<std::string> genres = TagEditorGenres();
  ASSERT_EQ(form.lstGenre->count(), static_cast<int>(genres.size()));
  for (int i = 0; i < form.lstGenre->count(); ++i)
    EXPECT_EQ(form.lstGenre->itemText(i).toStdString(), genres[static_cast<std::size_t>(i)]);
  EXPECT_EQ(form.texts(), SampleView().texts);
}

TEST(TfrmID3TagTest, TheTabKeyWalksTheSixFieldsInOrder) {
  TfrmID3Tag form;
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.edtTitle->setFocus();
  const std::vector<QWidget*> order = {form.edtArtist, form.edtAlbum,   form.edtYear,
                                       form.lstGenre,  form.edtComment, form.btnUpdate};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == next || next->isAncestorOf(focus)) << next->objectName().toStdString();
  }
}

// Enter and Esc close nothing, and a genre typed and entered stays out of the list.
TEST(TfrmID3TagTest, EnterAndEscCloseNothing) {
  TfrmID3Tag form;
  form.showView(SampleView());
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  const int entries = form.lstGenre->count();
  form.lstGenre->setFocus();
  form.lstGenre->lineEdit()->clear();
  QTest::keyClicks(form.lstGenre->lineEdit(), QStringLiteral("rock polka"));
  for (QWidget* field :
       {static_cast<QWidget*>(form.lstGenre->lineEdit()), static_cast<QWidget*>(form.edtTitle)}) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      field->setFocus();
      QTest::keyClick(field, key);
      EXPECT_TRUE(form.isVisible()) << key;
    }
  }
  EXPECT_EQ(form.lstGenre->count(), entries);
  EXPECT_EQ(form.texts().genre, "rock polka");
}

TEST(TfrmID3TagTest, UpdateGivesTheTypedTextsCancelAndTheCloseBoxGiveNothing) {
  struct Case {
    const char* name;
    std::function<void(TfrmID3Tag&)> leave;
    std::optional<TagTexts> result;
  };
  TagTexts typed = SampleView().texts;
  typed.title = "Ærø 東京";
  typed.genre = "Rock";
  const std::vector<Case> cases = {
      {"Update",
       [](TfrmID3Tag& form) {
         form.edtTitle->setText(QStringLiteral("Ærø 東京"));
         form.lstGenre->setCurrentIndex(form.lstGenre->findText(QStringLiteral("Rock")));
         form.btnUpdate->click();
       },
       typed},
      {"Cancel",
       [](TfrmID3Tag& form) {
         form.edtTitle->setText(QStringLiteral("lost"));
         form.btnCancel->click();
       },
       std::nullopt},
      {"the close box", [](TfrmID3Tag& form) { form.close(); }, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QtUserDialogs dialogs;
    bool shown = false;
    WhenTheEditorShows([&](TfrmID3Tag& form) {
      shown = form.edtTitle->text() == QStringLiteral("Title");
      c.leave(form);
    });
    EXPECT_EQ(dialogs.showTagEditor(SampleView()), c.result);
    EXPECT_TRUE(shown);
  }
}

}  // namespace
