#include "ui/widgets/image_line.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <string>
#include <vector>

#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/app/project_signals.h"
#include "ui/pages/effect_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/preview_widget.h"

namespace pictavo::test {
namespace {

class ImageLineTest : public UiTest {
 protected:
  ImageLineTest() : line(*project, window->history()) {
    QObject::connect(&window->project_signals(), &ProjectSignals::changed, &line,
                     &ImageLine::follow);
    project->add_slideshow("Trip");
  }

  Slideshow& slideshow() { return *project->current(); }

  void add_photos(int count) {
    const int first = static_cast<int>(slideshow().photos.size());
    for (int photo = first; photo < first + count; ++photo)
      ASSERT_EQ(
          slideshow().add_photo(
              write_photo(files / ("P" + std::to_string(photo) + ".png"), 64, 48,
                          0xFF000000u | (0x502010u * static_cast<unsigned>(photo) & 0xFFFFFFu)),
              project->default_setting),
          0);
    line.load(&slideshow());
  }

  std::vector<std::string> order() {
    std::vector<std::string> names;
    for (const auto& photo : slideshow().photos)
      names.push_back(photo->file_name);
    return names;
  }

  ImageLine line;
};

TEST_F(ImageLineTest, HasTwoSlotsMoreThanThePhotosOrTheVisibleSlots) {
  EXPECT_EQ(line.visible_slots(), 5);
  EXPECT_EQ(line.slot_count(), 7);  // nothing loaded
  add_photos(2);
  EXPECT_EQ(line.slot_count(), 7);
  EXPECT_EQ(line.photo_at_slot(1), 1);
  EXPECT_EQ(line.photo_at_slot(2), -1);
  add_photos(18);
  EXPECT_EQ(line.slot_count(), 22);
  EXPECT_EQ(line.tooltip_text(3).toStdString(), "Index: 3   Image effect: none");
}

TEST_F(ImageLineTest, DurationEditsAreBroughtIntoRangeAndEmptyKeepsTheValue) {
  add_photos(2);
  struct Case {
    ImageLine::Part part;
    const char* typed;
    int stored;
  };
  for (const Case& c :
       {Case{ImageLine::Part::kPhotoDuration, "0", 1},
        Case{ImageLine::Part::kPhotoDuration, "99", 60},
        Case{ImageLine::Part::kPhotoDuration, "7", 7}, Case{ImageLine::Part::kPhotoDuration, "", 7},
        Case{ImageLine::Part::kTransitionDuration, "11", 10},
        Case{ImageLine::Part::kTransitionDuration, "-3", 0},
        Case{ImageLine::Part::kTransitionDuration, "", 0}}) {
    SCOPED_TRACE(c.typed);
    line.begin_edit(1, c.part);
    ASSERT_NE(line.duration_edit(), nullptr);
    line.duration_edit()->setText(c.typed);
    line.commit_edit();
    const EffectRecord& effect = slideshow().photos[1]->setting.effect;
    EXPECT_EQ(c.part == ImageLine::Part::kPhotoDuration ? effect.display_seconds
                                                        : effect.transition_seconds,
              c.stored);
  }
  // A cancelled edit keeps the value; start times follow the durations.
  line.begin_edit(0, ImageLine::Part::kPhotoDuration);
  line.duration_edit()->setText("30");
  line.cancel_edit();
  EXPECT_EQ(slideshow().photos[0]->setting.effect.display_seconds, 3);
  const int start = slideshow().photos[1]->start.seconds();
  line.begin_edit(0, ImageLine::Part::kPhotoDuration);
  line.duration_edit()->setText("5");
  line.commit_edit();
  EXPECT_EQ(slideshow().photos[1]->start.seconds(), start + 2);
}

TEST_F(ImageLineTest, DroppingPhotosMovesThemUnlessDroppedOntoThemselves) {
  add_photos(4);
  const std::vector<std::string> before = order();
  EXPECT_FALSE(line.drop_photos({1, 2}, 2, true));
  EXPECT_FALSE(line.drop_photos({1}, 6, true));  // beyond the photos
  EXPECT_EQ(order(), before);

  EXPECT_TRUE(line.drop_photos({0}, 3, false));
  EXPECT_EQ(order(), (std::vector<std::string>{"P1.png", "P2.png", "P3.png", "P0.png"}));
  EXPECT_EQ(line.selected_photos(), std::vector<int>{3});

  // A dropped transition reaches the photo.
  const int wipe_picker = static_cast<int>(TransitionType::kWipe) + 1;
  EXPECT_TRUE(line.drop_transition(wipe_picker, 2));
  EXPECT_EQ(slideshow().photos[2]->setting.effect.transition().type(), TransitionType::kWipe);
}

TEST_F(ImageLineTest, ACtrlClickedSelectionSurvivesATremblingHandAndADoubleClickAsksToEdit) {
  add_photos(3);
  line.show();
  // The picture of photo `photo`, and a point two pixels beside it.
  const auto picture = [](int photo) { return QPoint(photo * ImageLine::kSlotWidth + 90, 30); };
  QTest::mouseClick(&line, Qt::LeftButton, {}, picture(0));
  QTest::mousePress(&line, Qt::LeftButton, Qt::ControlModifier, picture(2));
  QTest::mouseMove(&line, picture(2) + QPoint(2, 0));
  QTest::mouseRelease(&line, Qt::LeftButton, Qt::ControlModifier, picture(2) + QPoint(2, 0));
  EXPECT_EQ(line.selected_photos(), (std::vector<int>{0, 2}));

  std::vector<int> asked;
  QObject::connect(&line, &ImageLine::edit_requested,
                   [&asked](int photo) { asked.push_back(photo); });
  QTest::mouseDClick(&line, Qt::LeftButton, {}, picture(1));
  EXPECT_EQ(asked, std::vector<int>{1});
}

TEST_F(ImageLineTest, DeletingEveryPhotoDeletesTheSlideshow) {
  project->add_slideshow("Kept");
  project->current_slideshow = 0;
  add_photos(3);
  line.select_photos(std::vector<int>{1});
  line.run_command(ImageLine::kDelete, -1);
  EXPECT_EQ(slideshow().photos.size(), 2u);
  ASSERT_EQ(project->slideshow_count(), 2);

  line.run_command(ImageLine::kSelectAll, -1);
  line.delete_selected();
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->slideshows[0]->name(), "Kept");
  // The page shows the next current slideshow; the line lets the deleted one go.
  EXPECT_EQ(line.slideshow(), nullptr);
  EXPECT_EQ(line.slot_count(), line.visible_slots() + 2);
}

TEST_F(ImageLineTest, ContextMenusByPartAndPreviewPlaysThePhotosTransition) {
  add_photos(2);
  EXPECT_EQ(line.make_context_menu(5, ImageLine::Part::kImage), nullptr);
  std::unique_ptr<QMenu> transition(line.make_context_menu(1, ImageLine::Part::kTransition));
  EXPECT_EQ(transition->title(), "Image line effect");
  std::unique_ptr<QMenu> image(line.make_context_menu(1, ImageLine::Part::kImage));
  EXPECT_EQ(image->title(), "Image Line Image");

  EffectPage& page = *window->findChild<EffectPage*>();
  page.image_line()->load(&slideshow());
  page.image_line()->run_command(ImageLine::kPreview, 1);
  page.preview()->stop();
  EXPECT_FALSE(page.preview()->running());
  process_events();
  // Stopped, the box shows the "from" picture: photo 0, fitted.
  const QImage& shown = page.preview()->frame();
  EXPECT_EQ(shown.width(), 224);
  EXPECT_EQ(shown.pixel(112, 84) & 0xFFFFFF, 0u);  // photo 0 is black
}

TEST_F(ImageLineTest, SlotsKeepTheirWhiteOnALightPaletteAndFollowADarkOne) {
  add_photos(1);
  const auto background = [this] { return line.grab().toImage().pixelColor(3, 95); };
  EXPECT_EQ(background(), QColor(Qt::white));
  QPalette dark = line.palette();
  dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
  dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
  line.setPalette(dark);
  EXPECT_EQ(background(), QColor(0x20, 0x20, 0x20));
}

}  // namespace
}  // namespace pictavo::test
