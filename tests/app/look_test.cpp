// How the windows look on screen, checked on the pixels of their pictures:
// group-box frames and captions, texts that fit their controls, the title
// bar's buttons.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/program.h"
#include "guitest.h"

namespace app {
namespace {

// Darker than the window's face colour.
bool Dark(const QImage& picture, int x, int y) { return qGray(picture.pixel(x, y)) < 200; }
// Touched by a text's ink, however lightly, on a background of the given grey.
bool Inked(const QImage& picture, int x, int y, int background) {
  return qGray(picture.pixel(x, y)) < background - 8;
}
constexpr int kFaceGrey = 240;
constexpr int kListGrey = 255;

class LookTest : public testing::Test {
 protected:
  void SetUp() override {
    form.show();
    ASSERT_EQ(test::AnswerMessageBoxes([this] { QTest::mouseClick(form.Button1, Qt::LeftButton); }),
              QStringList());
    picture = form.grab().toImage();
  }

  // A control's place in the window's picture, the menu bar included.
  QRect InPicture(const QWidget* control) const {
    return QRect(control->mapTo(&form, QPoint(0, 0)), control->size());
  }

  TProgramWindows windows;
  TForm1& form = windows.Form1;
  QImage picture;
};

// The frame line runs through the middle of the caption's height, so every
// control placed in a box lies below it, inside the frame.
TEST_F(LookTest, ControlsLieInsideTheirGroupBoxFrames) {
  const int lineHeight = QFontMetrics(form.font()).height();
  for (QGroupBox* groupBox : {form.GroupBox1, form.GroupBox2, form.GroupBox3}) {
    const QRect box = InPicture(groupBox);
    // The frame's top line, found on a column right of the caption.
    const int x = box.right() - 3;
    int frame = box.top();
    while (frame < box.bottom() && !Dark(picture, x, frame)) ++frame;
    EXPECT_EQ(frame - box.top(), lineHeight / 2) << groupBox->title().toStdString();
    for (QWidget* control : groupBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isVisible()) {
        EXPECT_GT(InPicture(control).top(), frame + 1) << control->metaObject()->className();
      }
    }
  }
}

// The caption starts 8 pixels inside the box, on the face colour: a box at
// x = -1 keeps its caption's first column on the window.
TEST_F(LookTest, CaptionsStartEightPixelsInsideTheirBoxes) {
  const int lineHeight = QFontMetrics(form.font()).height();
  for (QGroupBox* groupBox : {form.GroupBox1, form.GroupBox2, form.GroupBox3}) {
    const QRect box = InPicture(groupBox);
    const int frame = box.top() + lineHeight / 2;
    int first = -1;
    for (int x = std::max(0, box.left()); x < box.left() + 40 && first < 0; ++x) {
      for (int y = box.top(); y < box.top() + lineHeight && first < 0; ++y) {
        // The frame line's own pixels run left of the caption's gap.
        if (Inked(picture, x, y, kFaceGrey) && y != frame && y != frame + 1 && x >= box.left() + 6) first = x;
      }
    }
    // A glyph's own bearing may lead or trail the text's start by a pixel.
    EXPECT_NEAR(first - box.left(), 8, 1) << groupBox->title().toStdString();
  }
}

// Every caption of both windows fits its control in the installed fonts.
TEST_F(LookTest, EveryCaptionFitsItsControl) {
  for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&windows.Form3)}) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
      const QFontMetrics metrics(control->font());
      const QWidget* parent = control->parentWidget();
      if (auto* label = qobject_cast<QLabel*>(control)) {
        EXPECT_LE(label->x() + metrics.horizontalAdvance(label->text()), parent->width())
            << label->text().toStdString();
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << label->text().toStdString();
      } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        EXPECT_LE(13 + 4 + metrics.horizontalAdvance(box->text()), box->width()) << box->text().toStdString();
      } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width()) << button->text().toStdString();
      } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        EXPECT_LE(8 + metrics.horizontalAdvance(group->title()) + 2, group->width()) << group->title().toStdString();
      }
    }
  }
  const QFontMetrics metrics(form.ListBox2->font());
  EXPECT_LE(2 + metrics.horizontalAdvance(form.ListBox2->item(0)->text()),
            form.ListBox2->viewport()->width());
}

// The efficiency label ends in its colon: two dots, one above the other, in
// the last inked column of its row, inside the list.
TEST_F(LookTest, EfficiencyLabelShowsItsColon) {
  const QImage list = form.ListBox2->viewport()->grab().toImage();
  const QRect row = form.ListBox2->visualItemRect(form.ListBox2->item(0));
  int last = -1;
  for (int x = 0; x < list.width(); ++x) {
    for (int y = row.top(); y <= row.bottom(); ++y) {
      if (Dark(list, x, y)) last = x;
    }
  }
  ASSERT_GT(last, 0);
  EXPECT_LT(last, list.width() - 1);
  int runs = 0;
  for (int y = row.top(); y <= row.bottom(); ++y) {
    if (Dark(list, last, y) && (y == row.top() || !Dark(list, last, y - 1))) ++runs;
  }
  EXPECT_EQ(runs, 2);
  // The text starts 2 pixels inside the list's border.
  int first = list.width();
  for (int x = list.width() - 1; x >= 0; --x) {
    for (int y = row.top(); y <= row.bottom(); ++y) {
      if (Inked(list, x, y, kListGrey)) first = x;
    }
  }
  EXPECT_EQ(first, 2);
}

// Neither fixed-size window offers a maximize button it could not obey.
TEST_F(LookTest, FixedWindowsHaveNoMaximizeButton) {
  for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&windows.Form3)}) {
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  }
}

}  // namespace
}  // namespace app
