// The picture editor as the user drives it: the crop frame and the changes made on
// the canvas, saving into the prepared picture, the questions before edits are
// lost, and the edited picture in the video.
#include "ui/editor/picture_editor_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <sstream>

#include "base/event.h"
#include "image/image_file.h"
#include "model/photo_adding.h"
#include "model/photo_preparation.h"
#include "model/screen_aspect.h"
#include "render/image_layer_photos.h"
#include "support/files.h"
#include "support/test_modules.h"
#include "ui/app/main_window.h"
#include "ui/editor/crop_frame.h"
#include "ui/editor/picture_adjust_page.h"
#include "ui/editor/picture_canvas.h"
#include "ui/editor/picture_decoration_page.h"
#include "ui/editor/picture_text_page.h"
#include "ui/editor/picture_transform_page.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/thumbnail_list.h"
#include "video/encoder_module.h"
#include "video/video_job.h"
#include "video/video_maker.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

// A PNG photo of width × height in `colour`, its upper left quarter in `corner`.
std::filesystem::path write_quartered_photo(const std::filesystem::path& path, int width,
                                            int height, RgbQuad colour, RgbQuad corner) {
  std::optional<Image> picture = Image::create(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture->set_pixel(x, y, x < width / 2 && y < height / 2 ? corner : colour);
  }
  EXPECT_TRUE(save_image(*picture, path, ImageFormat::kPng));
  return path;
}

void send_mouse(QWidget& widget, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

// Presses at `from`, moves to `to` in one step and lets go (widget pixels).
void drag(QWidget& widget, QPoint from, QPoint to) {
  send_mouse(widget, QEvent::MouseButtonPress, from);
  send_mouse(widget, QEvent::MouseMove, to);
  send_mouse(widget, QEvent::MouseButtonRelease, to);
}

class PictureEditorTest : public test::UiTest {
 protected:
  // A slideshow of the photos, made on the Organize Photo page.
  void add_slideshow(const std::vector<std::filesystem::path>& photos) {
    dialogs.paths.assign(photos.begin(), photos.end());
    window->organize_page()->run_command(OrganizePhotoPage::kAddSlideshow);
    ASSERT_EQ(project->current()->photos.size(), photos.size());
  }

  std::filesystem::path photo(const std::string& name, int width = 1320, int height = 960) {
    return write_quartered_photo(files / name, width, height, rgb(0, 160, 0), rgb(200, 0, 0));
  }

  std::unique_ptr<PictureEditorDialog> open_editor(int index) {
    auto editor = std::make_unique<PictureEditorDialog>(*project, window->history(), index, dialogs,
                                                        window.get());
    editor->show();
    test::process_events();
    return editor;
  }

  PhotoItem& photo_at(int index) { return *project->current()->photos.at(index); }

  static PictureAdjustPage& adjust_of(PictureEditorDialog& editor) {
    return *editor.findChild<PictureAdjustPage*>();
  }

  static QPushButton& transform_button(PictureEditorDialog& editor,
                                       PictureTransformPage::Control id) {
    return *editor.findChild<PictureTransformPage*>()->button(id);
  }
};

TEST(CropFrameTest, FitsTheScreenRatioAndHoldsItWhileACornerIsDragged) {
  CropFrame frame;
  frame.reset(660, 480);
  frame.fit_to(ScreenRatio::kSixteenNine);
  EXPECT_EQ(frame.area(), (CropArea{0, 54, 660, 425}));  // 660 × 0.5625 = 371.25
  frame.reset(660, 480);
  frame.fit_to(ScreenRatio::kFourThree);
  EXPECT_EQ(frame.area(), (CropArea{10, 0, 650, 480}));  // 480 × 1.3333334 = 640
  frame.reset(300, 400);
  frame.fit_to(ScreenRatio::kFourThree);
  EXPECT_EQ(frame.area(), (CropArea{0, 87, 300, 312}));  // 300 × 0.75 = 225
  // A phone's upright screen, for the portrait profile.
  frame.reset(660, 480);
  frame.fit_to(ScreenRatio::kNineSixteen);
  EXPECT_EQ(frame.area(), (CropArea{195, 0, 465, 480}));  // 480 × 0.5625 = 270
  OutputProfile portrait;
  portrait.parameter(ProfileParameterId::kVideoSize).current.text = "1080x1920";
  EXPECT_EQ(screen_aspect(0, &portrait), kAspectFourThree);  // a PSP profile
  portrait.format = "mp4";
  EXPECT_EQ(screen_ratio_of_aspect(screen_aspect(0, &portrait)), ScreenRatio::kNineSixteen);

  // The longer distance from the fixed corner drives; a side that would leave the
  // canvas is cut at its edge and drives the other instead.
  frame.reset(660, 480);
  frame.drag_corner(CropFrame::Corner::kBottomRight, 400, 100, ScreenRatio::kSixteenNine);
  EXPECT_EQ(frame.area(), (CropArea{0, 0, 400, 225}));
  frame.drag_corner(CropFrame::Corner::kBottomRight, 100, 400, ScreenRatio::kSixteenNine);
  EXPECT_EQ(frame.area(), (CropArea{0, 0, 660, 371}));
  frame.drag_corner(CropFrame::Corner::kTopLeft, 500, 300, ScreenRatio::kFourThree);
  EXPECT_EQ(frame.area(), (CropArea{500, 251, 660, 371}));  // 160 wide drives 120 high

  // Steps that would take the frame off the canvas or shrink it below a handle
  // are ignored.
  frame.move_by(1, 0);
  EXPECT_EQ(frame.area(), (CropArea{500, 251, 660, 371}));
  frame.move_by(-100, -51);
  EXPECT_EQ(frame.area(), (CropArea{400, 200, 560, 320}));
  frame.drag_corner(CropFrame::Corner::kBottomRight, 404, 380, std::nullopt);
  frame.drag_corner(CropFrame::Corner::kBottomRight, 700, 300, std::nullopt);
  EXPECT_EQ(frame.area(), (CropArea{400, 200, 560, 320}));
  EXPECT_EQ(frame.handle_at(559, 319), CropFrame::Corner::kBottomRight);
  EXPECT_EQ(frame.handle_at(553, 319), std::nullopt);
}

TEST_F(PictureEditorTest, CropsTwiceInTheCanvasOfTheirTimeAndSavesOnce) {
  add_slideshow({photo("a.png")});
  const std::string source_bytes = test::read_file(files / "a.png");
  auto editor = open_editor(0);
  PictureCanvas& canvas = *editor->canvas();
  ASSERT_TRUE(canvas.has_picture());
  EXPECT_EQ(canvas.picture_size(), QSize(660, 480));
  EXPECT_DOUBLE_EQ(canvas.scale(), 2.0);
  EXPECT_EQ(editor->windowTitle(), "Modify");

  // The lower right handle to the middle, then the upper left handle of the
  // smaller picture, centred again, 30 and 40 pixels in.
  drag(canvas, {658, 478}, {330, 240});
  transform_button(*editor, PictureTransformPage::kCrop).click();
  EXPECT_EQ(canvas.picture_size(), QSize(330, 240));
  drag(canvas, {165, 120}, {165 + 30, 120 + 40});
  transform_button(*editor, PictureTransformPage::kCrop).click();
  EXPECT_EQ(canvas.picture_size(), QSize(300, 200));
  EXPECT_THAT(canvas.edit_records(), ElementsAre(EditItem(CropArea{0, 0, 330, 240}),
                                                 EditItem(CropArea{30, 40, 330, 240})));

  // "TV's Screen Ratio" fits the frame to 4:3; "Circle" keeps it so.
  editor->findChild<PictureTransformPage*>()->screen_ratio_box()->click();
  EXPECT_EQ(canvas.crop_frame().area(), (CropArea{17, 0, 283, 200}));
  transform_button(*editor, PictureTransformPage::kCircle).click();
  EXPECT_TRUE(canvas.circle());
  EXPECT_EQ(canvas.crop_frame().area(), (CropArea{17, 0, 283, 200}));

  ASSERT_TRUE(editor->modified());
  editor->button(PictureEditorDialog::kSave)->click();
  EXPECT_FALSE(editor->modified());
  EXPECT_TRUE(editor->isVisible());
  const PhotoItem& edited = photo_at(0);
  const std::filesystem::path prepared = project->preferences.working_folder / "temp" / "a.png.bmp";
  EXPECT_EQ(edited.prepared_path, prepared);
  EXPECT_EQ(edited.edits, canvas.edit_records());
  const Result<ImageInfo> saved = probe_image_file(prepared, ImageFormat::kBmp);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->width, 600);  // the canvas's 300 × 200 at twice the size
  EXPECT_EQ(saved->height, 400);
  EXPECT_EQ(test::read_file(files / "a.png"), source_bytes);
  EXPECT_TRUE(project->modified);
  EXPECT_FALSE(edited.thumbnail.has_value());

  // Nothing changed since: nothing is written.
  std::filesystem::remove(prepared);
  editor->button(PictureEditorDialog::kSave)->click();
  EXPECT_FALSE(std::filesystem::exists(prepared));
  EXPECT_THAT(prompt.shown, IsEmpty());
}

TEST_F(PictureEditorTest, TextsDecorationsAndAdjustmentsAreSavedAndComeBackMovable) {
  const std::filesystem::path animals = home.path() / "decorate_pics" / "Animal";
  std::filesystem::create_directories(animals);
  for (const auto& [name, colour] : {std::pair{"b.png", rgb(255, 0, 0)}, {"a.png", rgb(0, 0, 255)}})
    write_quartered_photo(animals / name, 8, 8, colour, colour);
  test::write_file(animals / "notes.txt");
  add_slideshow({photo("a.png")});
  auto editor = open_editor(0);
  PictureCanvas& canvas = *editor->canvas();

  // The pictures of the chosen category in name order, the red one added, moved
  // 200 left and 100 up and made 80 pixels square by its handle.
  PictureDecorationPage& images = *editor->findChild<PictureDecorationPage*>();
  EXPECT_EQ(images.categories()->currentText(), "Animal");
  ASSERT_EQ(images.pictures()->count(), 2);
  images.pictures()->setCurrentRow(1);
  images.button(PictureDecorationPage::kAdd)->click();
  drag(canvas, {330, 240}, {130, 140});
  drag(canvas, {159, 169}, {179, 189});
  // The text page's Delete removes a decoration too; its font is a text's only.
  PictureTextPage& texts = *editor->findChild<PictureTextPage*>();
  EXPECT_TRUE(texts.button(PictureTextPage::kDelete)->isEnabled());
  EXPECT_FALSE(texts.button(PictureTextPage::kFont)->isEnabled());

  texts.button(PictureTextPage::kAdd)->click();
  EXPECT_EQ(texts.text_edit()->toPlainText(), "Enter your text here");
  texts.text_edit()->setPlainText(QStringLiteral("Hello"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(30);
  dialogs.font = font;
  dialogs.colour = QColor(0, 0, 255);
  texts.button(PictureTextPage::kFont)->click();
  texts.button(PictureTextPage::kColour)->click();
  const TextOverlay text = *canvas.selected_text();
  EXPECT_EQ(text.text, "Hello");
  EXPECT_EQ(text.font_name, "DejaVu Sans");
  EXPECT_EQ(text.font_height, 30);
  EXPECT_EQ(text.font_color, 0xFF0000u);
  // The font grows with the text's box.
  const QRect box = canvas.overlays().back().box();
  drag(canvas, box.bottomRight(), box.bottomRight() + QPoint(0, box.height()));
  EXPECT_EQ(canvas.selected_text()->font_height, 60);

  // Three steps of a slider take effect, two do not.
  PictureAdjustPage& adjust = *editor->findChild<PictureAdjustPage*>();
  adjust.brightness()->setValue(42);
  EXPECT_EQ(canvas.adjustments().brightness, 0);
  adjust.brightness()->setValue(43);
  adjust.filter()->setValue(33);
  adjust.filter()->setValue(30);
  EXPECT_EQ(canvas.adjustments(), (PictureAdjustments{3, 0, 1, 1}));

  ASSERT_TRUE(editor->save());
  const PhotoItem& saved = photo_at(0);
  ASSERT_EQ(saved.edits.size(), 2u);
  EXPECT_EQ(saved.edits[0], EditItem(PictureOverlay{"b.png", 100, 110, 80, 80}));
  EXPECT_EQ(std::get<TextOverlay>(saved.edits[1]).text, "Hello");
  EXPECT_EQ(saved.brightness, 3);
  EXPECT_EQ(saved.sharpen_times, 1);
  EXPECT_EQ(saved.soften_times, 1);
  // The decoration is burned in at twice its place and size.
  const Result<Image> prepared = load_image(saved.prepared_path, ImageFormat::kBmp);
  ASSERT_TRUE(prepared);
  const RgbQuad middle = prepared->pixel(2 * 140, 2 * 150);
  EXPECT_GT(middle.red, 200);
  EXPECT_LT(middle.green + middle.blue, 40);

  editor = open_editor(0);
  EXPECT_EQ(editor->canvas()->overlays().size(), 2u);
  EXPECT_EQ(editor->canvas()->edit_records(), saved.edits);
  EXPECT_EQ(adjust_of(*editor).brightness()->value(), 43);

  // A stored decoration without a size shows at the size it is burned in at.
  photo_at(0).edits = {EditItem(PictureOverlay{"b.png", 10, 20, 0, 0})};
  editor = open_editor(0);
  ASSERT_EQ(editor->canvas()->overlays().size(), 1u);
  EXPECT_EQ(editor->canvas()->overlays()[0].box(), QRect(10, 20, 60, 60));
}

TEST_F(PictureEditorTest, ATextWiderThanASmallPictureStillMoves) {
  add_slideshow({photo("a.png", 64, 48)});
  auto editor = open_editor(0);
  PictureCanvas& canvas = *editor->canvas();
  editor->findChild<PictureTextPage*>()->button(PictureTextPage::kAdd)->click();
  const QRect box = canvas.overlays().back().box();
  ASSERT_LT(box.left(), 0);
  // The 64 × 48 picture stands at (298, 216) in the editing area.
  drag(canvas, {298 + 32, 216 + 24}, {298 + 37, 216 + 27});
  EXPECT_EQ(canvas.overlays().back().box(), box.translated(5, 3));
}

TEST_F(PictureEditorTest, PhotosOfTheSameNameKeepPreparedPicturesOfTheirOwn) {
  // a.png from two cards: red from the first, blue from the second.
  std::filesystem::create_directories(files / "one");
  std::filesystem::create_directories(files / "two");
  const RgbQuad red = rgb(200, 0, 0), blue = rgb(0, 0, 200);
  add_slideshow({write_quartered_photo(files / "one" / "a.png", 64, 48, red, red),
                 write_quartered_photo(files / "two" / "a.png", 64, 48, blue, blue)});
  const std::filesystem::path temp = project->preferences.working_folder / "temp";
  OrganizePhotoPage& page = *window->organize_page();
  page.thumbnail_list()->selectAll();
  page.run_command(OrganizePhotoPage::kRotateRight);
  EXPECT_EQ(photo_at(0).prepared_path, temp / "a.png");
  EXPECT_EQ(photo_at(1).prepared_path, temp / "a (2).png");

  auto editor = open_editor(0);
  transform_button(*editor, PictureTransformPage::kMirror).click();
  ASSERT_TRUE(editor->save());
  editor->button(PictureEditorDialog::kNext)->click();
  transform_button(*editor, PictureTransformPage::kMirror).click();
  // A stored cover index past the end stands for the last photo.
  project->current()->cover_index = 9;
  ASSERT_TRUE(editor->save());
  EXPECT_EQ(photo_at(1).prepared_path, temp / "a.png (2).bmp");
  const Result<Image> cover = load_image(project->current()->cover_path, ImageFormat::kBmp);
  ASSERT_TRUE(cover);
  EXPECT_GT(cover->pixel(40, 30).blue, 150);
  // Edited again, a photo gets a picture of a new name: the last one stays for an undo.
  editor->button(PictureEditorDialog::kPrevious)->click();
  transform_button(*editor, PictureTransformPage::kUpsideDown).click();
  ASSERT_TRUE(editor->save());
  EXPECT_EQ(photo_at(0).prepared_path, temp / "a.png (3).bmp");
  EXPECT_TRUE(std::filesystem::exists(temp / "a.png.bmp"));
  for (const auto& [index, colour] : {std::pair{0, red}, {1, blue}}) {
    const Result<Image> prepared = load_image(photo_at(index).prepared_path, ImageFormat::kBmp);
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->pixel(0, 0), colour) << index;
  }
}

TEST_F(PictureEditorTest, TheEditorTakesBackItsOwnChangesARunAtATimeAndSavesOneStep) {
  add_slideshow({photo("a.png", 64, 48)});
  auto editor = open_editor(0);
  PictureCanvas& canvas = *editor->canvas();
  transform_button(*editor, PictureTransformPage::kMirror).click();
  canvas.set_adjustments({10, 0, 0, 0});
  canvas.set_adjustments({20, 0, 0, 0});  // one run of the slider
  canvas.add_text();
  ASSERT_EQ(canvas.edit_records().size(), 2u);

  canvas.undo();
  EXPECT_EQ(canvas.edit_records().size(), 1u);
  canvas.undo();
  EXPECT_EQ(canvas.adjustments().brightness, 0);
  editor->show();
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(canvas.edit_records().empty());
  EXPECT_FALSE(canvas.can_undo());
  canvas.redo();
  canvas.redo();
  EXPECT_EQ(canvas.adjustments().brightness, 20);
  EXPECT_EQ(canvas.edit_records().size(), 1u);

  ASSERT_TRUE(editor->save());
  EXPECT_EQ(window->history().undo_name(), "Edit Picture");
  window->history().undo();
  EXPECT_TRUE(photo_at(0).edits.empty());
}

TEST_F(PictureEditorTest, CancelDropsEditsButTheCloseBoxAndEscapeAsk) {
  add_slideshow({photo("a.png", 64, 48)});
  auto editor = open_editor(0);
  transform_button(*editor, PictureTransformPage::kMirror).click();
  editor->button(PictureEditorDialog::kCancel)->click();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(editor->result(), QDialog::Rejected);
  EXPECT_THAT(prompt.shown, IsEmpty());
  EXPECT_THAT(photo_at(0).edits, IsEmpty());

  editor = open_editor(0);
  transform_button(*editor, PictureTransformPage::kMirror).click();
  prompt.answers = {PromptAnswer::kCancel, PromptAnswer::kYes};
  editor->close();
  EXPECT_TRUE(editor->isVisible());
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(editor.get(), &escape);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_THAT(
      prompt.shown,
      ElementsAre(
          PromptMessage{std::string("Do you want to save the changes to this picture?"),
                        std::string("Query"), PromptButtons::kYesNoCancel, PromptIcon::kQuestion},
          Field(&PromptMessage::text, "Do you want to save the changes to this picture?")));
  // Yes saved the mirror.
  EXPECT_THAT(photo_at(0).edits, ElementsAre(EditItem(FlipVertically{})));

  // Opened again, the photo shows its mirror as a record that is kept.
  editor = open_editor(0);
  EXPECT_THAT(editor->canvas()->edit_records(), ElementsAre(EditItem(FlipVertically{})));
  EXPECT_FALSE(editor->modified());
  // Reset goes back to the user's file, which is then rendered as it is.
  editor->button(PictureEditorDialog::kReset)->click();
  EXPECT_THAT(editor->canvas()->edit_records(), IsEmpty());
  ASSERT_TRUE(editor->modified());
  ASSERT_TRUE(editor->save());
  EXPECT_THAT(photo_at(0).edits, IsEmpty());
  EXPECT_EQ(photo_at(0).prepared_path, photo_at(0).source_path);
}

TEST_F(PictureEditorTest, APhotoThatDoesNotDecodeLeavesTheCanvasEmptyAndTheWayOn) {
  add_slideshow({photo("a.png", 64, 48), photo("b.png", 64, 48)});
  test::write_file(files / "a.png", "not a picture");
  auto editor = open_editor(0);
  EXPECT_FALSE(editor->canvas()->has_picture());
  transform_button(*editor, PictureTransformPage::kMirror).click();
  EXPECT_FALSE(editor->modified());

  editor->button(PictureEditorDialog::kPrevious)->click();
  editor->button(PictureEditorDialog::kNext)->click();
  EXPECT_EQ(editor->photo_index(), 1);
  EXPECT_TRUE(editor->canvas()->has_picture());
  editor->button(PictureEditorDialog::kNext)->click();
  EXPECT_EQ(editor->photo_index(), 1);
  std::vector<std::string> texts;
  for (const PromptMessage& message : prompt.shown)
    texts.push_back(message.text.english());
  EXPECT_THAT(texts, ElementsAre("Cannot load the file " + (files / "a.png").string(),
                                 "This is the first picture!", "This is the last picture!"));
}

TEST_F(PictureEditorTest, TheOrganizePageOpensItOnTheFirstSelectedPhotoWithLoadingStopped) {
  // Photos large enough that their thumbnails are still being made.
  add_slideshow({photo("a.png"), photo("b.png"), photo("c.png")});
  OrganizePhotoPage& page = *window->organize_page();
  ThumbnailList& list = *page.thumbnail_list();
  list.clearSelection();
  for (const int row : {2, 1})
    list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
  int opened_on = -1;
  bool loading_meanwhile = true;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<PictureEditorDialog*>(QApplication::activeModalWidget());
    if (editor == nullptr) return;
    opened_on = editor->photo_index();
    // A thumbnail of the picture before a save must not arrive after it.
    loading_meanwhile = list.is_loading();
    editor->button(PictureEditorDialog::kCancel)->click();
  });
  page.button(OrganizePhotoPage::kEditPicture)->click();
  EXPECT_EQ(opened_on, 1);
  EXPECT_FALSE(loading_meanwhile);
  EXPECT_TRUE(list.is_loading());
}

TEST_F(PictureEditorTest, ADoubleClickOnAThumbnailOrTheImageLineOpensIt) {
  add_slideshow({photo("a.png"), photo("b.png")});
  window->show();
  test::process_events();
  int opened_on = -1;
  const auto select_thumbnails = [](ThumbnailList& list, std::initializer_list<int> rows) {
    list.clearSelection();
    for (const int row : rows)
      list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
  };
  const auto close_when_open = [&opened_on] {
    QTimer::singleShot(0, [&opened_on] {
      auto* editor = qobject_cast<PictureEditorDialog*>(QApplication::activeModalWidget());
      if (editor == nullptr) return;
      opened_on = editor->photo_index();
      editor->button(PictureEditorDialog::kCancel)->click();
    });
  };
  ThumbnailList& list = *window->organize_page()->thumbnail_list();
  select_thumbnails(list, {1});
  close_when_open();
  emit list.doubleClicked(list.model()->index(1, 0));
  EXPECT_EQ(opened_on, 1);

  window->show_page(1);
  test::process_events();
  ASSERT_NE(window->effect_page()->image_line()->slideshow(), nullptr);
  opened_on = -1;
  close_when_open();
  QTest::mouseDClick(window->effect_page()->image_line(), Qt::LeftButton, {},
                     QPoint(ImageLine::kSlotWidth + 90, 30));
  EXPECT_EQ(opened_on, 1);
}

TEST_F(PictureEditorTest, TheVideoShowsTheCropMadeInTheEditor) {
  // The photo's middle is green; its upper left quarter, cropped to, is red.
  add_slideshow({photo("a.png", 64, 48)});
  auto editor = open_editor(0);
  PictureCanvas& canvas = *editor->canvas();
  const QPoint origin((660 - 64) / 2, (480 - 48) / 2);
  drag(canvas, origin + QPoint(63, 47), origin + QPoint(32, 24));
  transform_button(*editor, PictureTransformPage::kCrop).click();
  ASSERT_TRUE(editor->save());

  home.install_file(test::fake_encoder_module(), kEncoderModule);
  Slideshow& slideshow = *project->current();
  slideshow.video_path = files / "out.mp4";
  const ImageLayerPhotos decoder;
  Event stop;
  VideoJob job;
  job.slideshow = &slideshow;
  job.profile = project->profiles.current_profile();
  job.decoder = &decoder;
  job.stop_event = &stop;
  std::string failure;
  ASSERT_EQ(make_slideshow_video(job, &failure), 0) << failure;
  std::istringstream calls(test::read_file(home.path() / "encoder_calls.txt"));
  int last_luma = -1;
  for (std::string line; std::getline(calls, line);) {
    if (line.starts_with("frame ")) last_luma = std::stoi(line.substr(6));
  }
  EXPECT_EQ(last_luma, 67);  // the red's luma; the green's is 97
}

}  // namespace
}  // namespace pictavo
