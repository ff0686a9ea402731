#include "ui/editor/picture_decoration_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "image/image_format.h"
#include "image/small_pictures.h"
#include "ui/common/path_text.h"
#include "ui/common/qt_image.h"
#include "ui/editor/picture_canvas.h"

namespace pictavo {
namespace {

// The categories' folders below the decorations folder, named as the list shows them.
constexpr const char* kCategories[] = {
    QT_TRANSLATE_NOOP("pictavo::PictureDecorationPage", "Animal"),
    QT_TRANSLATE_NOOP("pictavo::PictureDecorationPage", "Dress"),
    QT_TRANSLATE_NOOP("pictavo::PictureDecorationPage", "Face"),
    QT_TRANSLATE_NOOP("pictavo::PictureDecorationPage", "Mark"),
    QT_TRANSLATE_NOOP("pictavo::PictureDecorationPage", "Other")};

// The category's picture files in name order.
std::vector<std::filesystem::path> pictures_in(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error) && image_type_of(it->path()) != ImageFormat::kUnknown)
      files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

PictureDecorationPage::PictureDecorationPage(PictureCanvas& canvas,
                                             std::filesystem::path decorations, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      decorations_(std::move(decorations)),
      categories_(new QComboBox(this)),
      pictures_(new QListWidget(this)) {
  for (const char* category : kCategories)
    categories_->addItem(tr(category));
  categories_->setAccessibleName(tr("Kind of picture"));
  pictures_->setViewMode(QListView::IconMode);
  pictures_->setIconSize(QSize(kIconSize, kIconSize));
  pictures_->setMovement(QListView::Static);
  pictures_->setResizeMode(QListView::Adjust);
  // Room for the icon alone: the pictures have no captions.
  pictures_->setGridSize(QSize(kIconSize + 8, kIconSize + 8));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(categories_);
  layout->addWidget(pictures_);
  auto* row = new QHBoxLayout;
  for (const auto& [id, text] :
       {std::pair{kAdd, tr("Add Picture")}, std::pair{kDelete, tr("Delete Picture")}}) {
    auto* button = buttons_.add(id, new QPushButton(text, this));
    button->setAutoDefault(false);
    row->addWidget(button);
  }
  layout->addLayout(row);

  connect(categories_, &QComboBox::currentIndexChanged, this,
          &PictureDecorationPage::show_category);
  connect(button(kAdd), &QPushButton::clicked, this, &PictureDecorationPage::add_selected);
  connect(pictures_, &QListWidget::itemDoubleClicked, this, &PictureDecorationPage::add_selected);
  connect(button(kDelete), &QPushButton::clicked, &canvas_, &PictureCanvas::remove_selected);
  show_category(0);
}

QPushButton* PictureDecorationPage::button(Control id) const {
  return buttons_.at(id);
}

void PictureDecorationPage::show_category(int index) {
  pictures_->clear();
  if (index < 0) return;
  const std::filesystem::path folder = decorations_ / kCategories[static_cast<std::size_t>(index)];
  for (const std::filesystem::path& file : pictures_in(folder)) {
    const Result<Image> icon = make_list_thumbnail(file, kIconSize, kIconSize);
    if (!icon) continue;
    auto* item =
        new QListWidgetItem(QIcon(QPixmap::fromImage(qimage_of(*icon))), QString(), pictures_);
    item->setData(Qt::UserRole, path_text(file));
    item->setToolTip(path_text(file.stem()));
  }
  if (pictures_->count() > 0) pictures_->setCurrentRow(0);
}

void PictureDecorationPage::add_selected() {
  const QListWidgetItem* item = pictures_->currentItem();
  if (item != nullptr) canvas_.add_decoration(path_of(item->data(Qt::UserRole).toString()));
}

}  // namespace pictavo
