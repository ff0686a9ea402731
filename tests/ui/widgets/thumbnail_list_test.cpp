#include "ui/widgets/thumbnail_list.h"

#include <QMimeData>
#include <algorithm>
#include <string>
#include <vector>

#include "model/held_notices.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/app/project_signals.h"
#include "ui/ui_test.h"
#include "ui/widgets/thumbnail_drag_data.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo::test {
namespace {

constexpr QRgb kPlaceholder = 0xFF2040C0;

// Each photo its own colour, so a shown thumbnail tells whose it is.
QRgb colour_of(int photo) {
  return 0xFF000000 | static_cast<QRgb>(40 + photo * 10) << 16 |
         static_cast<QRgb>(200 - photo * 5) << 8 | 0x30;
}

std::string name_of(int photo) {
  return "P" + std::to_string(10 + photo) + ".png";
}

class ThumbnailListTest : public UiTest {
 protected:
  ThumbnailListTest() {
    list = std::make_unique<ThumbnailList>(
        window->history(), write_photo(files / "default.png", 80, 60, kPlaceholder));
    QObject::connect(list.get(), &ThumbnailList::loading_finished, [this] { ++loads_finished; });
    QObject::connect(&window->project_signals(), &ProjectSignals::changed, list.get(),
                     &ThumbnailList::follow);
    project->add_slideshow("Trip");
    slideshow = project->current();
  }

  // Photos `first` to `first + count - 1` of the given size.
  void add_photos(int first, int count, int width = 320, int height = 240) {
    for (int photo = first; photo < first + count; ++photo)
      ASSERT_EQ(
          slideshow->add_photo(write_photo(files / name_of(photo), width, height, colour_of(photo)),
                               project->default_setting),
          0);
  }

  // The photos in the list's order, as digits of their numbers ("021").
  std::string shown_order() const {
    std::string order;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      const std::string caption = list->model()->index(row, 0).data().toString().toStdString();
      order += caption.substr(2, 1);
    }
    return order;
  }

  std::string slideshow_order() const {
    std::string order;
    for (const auto& photo : slideshow->photos)
      order += photo->file_name.substr(2, 1);
    return order;
  }

  QRgb shown_colour(int row) const {
    const QImage image = list->model()->index(row, 0).data(Qt::DecorationRole).value<QImage>();
    return image.pixel(image.width() / 2, image.height() / 2);
  }

  // Every item shows its own photo's thumbnail.
  void expect_all_thumbnails() const {
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      const int photo =
          std::stoi(slideshow->photos[static_cast<std::size_t>(row)]->file_name.substr(1, 2)) - 10;
      EXPECT_EQ(shown_colour(row), colour_of(photo)) << "row " << row;
    }
  }

  void select(const std::vector<int>& rows) {
    list->clearSelection();
    for (const int row : rows)
      list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
  }

  void wait_until_loaded() {
    ASSERT_TRUE(wait_until([this] { return !list->is_loading(); }))
        << "the thumbnails are still loading";
  }

  int loads_finished = 0;
  std::unique_ptr<ThumbnailList> list;
  Slideshow* slideshow = nullptr;
};

TEST_F(ThumbnailListTest, StoppedLoadKeepsPlaceholdersAndLoadingOnFillsTheRest) {
  add_photos(0, 12, 1600, 1200);
  list->load(*slideshow);
  ASSERT_EQ(list->model()->rowCount(), 12);
  EXPECT_TRUE(list->is_loading());
  // Stop halfway: once the first thumbnail is shown.
  const auto& first = slideshow->photos.front()->thumbnail;
  ASSERT_TRUE(wait_until([&] { return first.has_value(); }));
  ASSERT_TRUE(first);
  list->stop_loading();
  EXPECT_FALSE(list->is_loading());

  std::vector<const std::uint8_t*> made;
  for (const auto& photo : slideshow->photos)
    made.push_back(photo->thumbnail ? photo->thumbnail->pixels.data() : nullptr);
  // Nothing arrives after the stop; what was made shows, the rest is placeholder.
  process_events();
  for (int row = 0; row < 12; ++row) {
    const bool has_thumbnail = made[static_cast<std::size_t>(row)] != nullptr;
    EXPECT_EQ(slideshow->photos[static_cast<std::size_t>(row)]->thumbnail.has_value(),
              has_thumbnail);
    EXPECT_EQ(shown_colour(row), has_thumbnail ? colour_of(row) : kPlaceholder) << "row " << row;
  }
  // Only a load that made every thumbnail says so.
  const bool all_made = std::find(made.begin(), made.end(), nullptr) == made.end();
  EXPECT_EQ(loads_finished == 0, !all_made);
  loads_finished = 0;

  // Photos appended meanwhile (in one step) are shown in their place; everything fills.
  {
    const HeldNotices one_step(project->front_end);
    add_photos(12, 2);
  }
  ASSERT_EQ(list->model()->rowCount(), 14);
  wait_until_loaded();
  expect_all_thumbnails();
  for (int row = 0; row < 12; ++row) {
    if (made[static_cast<std::size_t>(row)] != nullptr) {
      EXPECT_EQ(slideshow->photos[static_cast<std::size_t>(row)]->thumbnail->pixels.data(),
                made[static_cast<std::size_t>(row)])
          << "made again: row " << row;
    }
  }
  process_events();
  EXPECT_GE(loads_finished, 1);
}

TEST_F(ThumbnailListTest, CommandsDuringLoadingAreCarriedOutAndLoadingGoesOn) {
  add_photos(0, 8, 1600, 1200);
  list->load(*slideshow);
  select({0});
  EXPECT_TRUE(list->move_selected_down());
  EXPECT_TRUE(list->is_loading());
  select({5});
  list->delete_selected();
  EXPECT_TRUE(list->is_loading());

  EXPECT_EQ(slideshow_order(), "1023467");
  EXPECT_EQ(shown_order(), "1023467");
  wait_until_loaded();
  expect_all_thumbnails();
}

TEST_F(ThumbnailListTest, DroppedPhotosMoveBeforeTheTargetWithTheirThumbnails) {
  add_photos(0, 5);
  list->load(*slideshow);
  wait_until_loaded();

  // The drag of the selection carries its rows in ascending order.
  select({3, 1});
  const std::unique_ptr<QMimeData> dragged(
      list->model()->mimeData(list->selectionModel()->selectedIndexes()));
  const int rows[] = {1, 3};
  EXPECT_EQ(dragged->data(kThumbnailMimeType), encode_thumbnail_drag(rows));

  struct Case {
    std::vector<int> dragged;
    int target;
    bool moved;
    std::string order;
    std::vector<int> selected;
  };
  const Case cases[] = {
      {{3}, 1, true, "03124", {1}},    {{0, 4}, 2, true, "10423", {1, 2}},
      {{1, 2}, 2, false, "01234", {}},  // onto a dragged photo
      {{1}, 5, false, "01234", {}},     // outside the items
      {{1}, -1, false, "01234", {}},   {{7}, 1, false, "01234", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order + " target " + std::to_string(c.target));
    slideshow->sort_photos(PhotoSortKey::kName, SortDirection::kAscending);
    list->clearSelection();
    QMimeData data;
    data.setData(kThumbnailMimeType, encode_thumbnail_drag(c.dragged));
    EXPECT_EQ(list->drop_thumbnails(data, c.target), c.moved);
    EXPECT_EQ(slideshow_order(), c.order);
    EXPECT_EQ(shown_order(), c.order);
    EXPECT_EQ(list->selected_indices(), c.selected);
    // The thumbnails moved with their photos; none is made again.
    EXPECT_FALSE(list->is_loading());
    expect_all_thumbnails();
  }

  QMimeData foreign;
  foreign.setText("3");
  EXPECT_FALSE(list->drop_thumbnails(foreign, 1));
  QMimeData short_count;
  short_count.setData(kThumbnailMimeType, encode_thumbnail_drag(rows).left(8));
  EXPECT_FALSE(list->drop_thumbnails(short_count, 0));
}

TEST_F(ThumbnailListTest, MovesStopAtTheEndsAndNeedOneSelectedPhoto) {
  add_photos(0, 3);
  list->load(*slideshow);
  wait_until_loaded();
  struct Case {
    std::vector<int> selected;
    bool up;
    bool moved;
    std::string order;
  };
  const Case cases[] = {
      {{0}, true, false, "012"}, {{2}, false, false, "012"},    {{1}, true, true, "102"},
      {{1}, false, true, "021"}, {{0, 1}, false, false, "012"}, {{}, true, false, "012"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order + (c.up ? " up" : " down"));
    slideshow->sort_photos(PhotoSortKey::kName, SortDirection::kAscending);
    select(c.selected);
    EXPECT_EQ(c.up ? list->move_selected_up() : list->move_selected_down(), c.moved);
    EXPECT_EQ(slideshow_order(), c.order);
    EXPECT_EQ(shown_order(), c.order);
    expect_all_thumbnails();
    if (c.moved) {
      EXPECT_EQ(list->selected_indices(), std::vector<int>{c.selected.front() + (c.up ? -1 : 1)});
    }
  }
}

TEST_F(ThumbnailListTest, DeleteRemovesTheSelectedPhotosDownToTheLast) {
  add_photos(0, 5);
  list->load(*slideshow);
  wait_until_loaded();

  select({3, 1});
  list->delete_selected();
  EXPECT_EQ(slideshow_order(), "024");
  EXPECT_EQ(shown_order(), "024");
  EXPECT_TRUE(list->selected_indices().empty());
  EXPECT_FALSE(list->is_loading());
  expect_all_thumbnails();

  list->selectAll();
  list->delete_selected();
  EXPECT_TRUE(slideshow->photos.empty());
  EXPECT_EQ(list->model()->rowCount(), 0);
  EXPECT_FALSE(window->history().can_redo());
  list->delete_selected();  // nothing selected: nothing changes
  EXPECT_EQ(window->history().undo_name(), "Delete 3 Photos");
}

TEST_F(ThumbnailListTest, HiddenCaptionsShortenEveryCell) {
  const int shown[] = {95, 110, 170, 290};
  const int hidden[] = {60, 75, 135, 255};
  for (int index = 0; index < 4; ++index) {
    list->set_captions_shown(true);
    list->set_size_index(index);
    EXPECT_EQ(list->gridSize().height(), shown[index]);
    list->set_captions_shown(false);
    EXPECT_EQ(list->gridSize().height(), hidden[index]);
    EXPECT_EQ(list->gridSize().width(),
              kThumbnailSizes[static_cast<std::size_t>(index)].cell.width());
  }
}

}  // namespace
}  // namespace pictavo::test
