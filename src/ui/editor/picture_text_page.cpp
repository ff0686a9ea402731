#include "ui/editor/picture_text_page.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/app/user_dialogs.h"
#include "ui/editor/canvas_overlay.h"
#include "ui/editor/picture_canvas.h"

namespace pictavo {
namespace {

constexpr QSize kSwatchSize{40, 16};

}  // namespace

PictureTextPage::PictureTextPage(PictureCanvas& canvas, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), canvas_(canvas), dialogs_(dialogs), text_(new QPlainTextEdit(this)) {
  auto* group = new QGroupBox(tr("Ordinary Text"), this);
  auto* layout = new QVBoxLayout(group);
  const auto add = [this, group](Control id, const QString& text) {
    auto* button = buttons_.add(id, new QPushButton(text, group));
    button->setAutoDefault(false);
    return button;
  };
  auto* row = new QHBoxLayout;
  QPushButton* add_text = add(kAdd, tr("Add"));
  QPushButton* delete_text = add(kDelete, tr("Delete"));
  row->addWidget(add_text);
  row->addWidget(delete_text);
  layout->addLayout(row);
  row = new QHBoxLayout;
  QPushButton* font = add(kFont, tr("Font"));
  QPushButton* colour = add(kColour, QString());
  colour->setIconSize(kSwatchSize);
  row->addWidget(font);
  row->addWidget(colour);
  layout->addLayout(row);
  layout->addWidget(text_);
  auto* page = new QVBoxLayout(this);
  page->addWidget(group);

  connect(add_text, &QPushButton::clicked, &canvas_, &PictureCanvas::add_text);
  connect(delete_text, &QPushButton::clicked, &canvas_, &PictureCanvas::remove_selected);
  connect(font, &QPushButton::clicked, this, &PictureTextPage::choose_font);
  connect(colour, &QPushButton::clicked, this, &PictureTextPage::choose_colour);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    const TextOverlay* selected = canvas_.selected_text();
    if (selected == nullptr) return;
    TextOverlay text = *selected;
    text.text = text_->toPlainText().toStdString();
    canvas_.change_selected_text(text);
  });
  connect(&canvas_, &PictureCanvas::selection_changed, this, &PictureTextPage::show_selected);
  show_selected();
}

QPushButton* PictureTextPage::button(Control id) const {
  return buttons_.at(id);
}

void PictureTextPage::show_selected() {
  const TextOverlay* text = canvas_.selected_text();
  // Delete removes whatever is selected, a decoration too.
  button(kDelete)->setEnabled(canvas_.selected() >= 0);
  for (const Control id : {kFont, kColour})
    button(id)->setEnabled(text != nullptr);
  text_->setEnabled(text != nullptr);
  const QSignalBlocker quiet(text_);
  text_->setPlainText(text != nullptr ? QString::fromStdString(text->text) : QString());
  show_colour(text != nullptr ? text->font_color : 0);
}

void PictureTextPage::show_colour(std::uint32_t colour_value) {
  QPixmap swatch(kSwatchSize);
  swatch.fill(colour_of(colour_value));
  button(kColour)->setIcon(swatch);
}

void PictureTextPage::choose_font() {
  const TextOverlay* selected = canvas_.selected_text();
  if (selected == nullptr) return;
  const std::optional<QFont> font = dialogs_.choose_font(font_of(*selected));
  if (!font) return;
  TextOverlay text = *selected;
  set_font(text, *font);
  canvas_.change_selected_text(text);
}

void PictureTextPage::choose_colour() {
  const TextOverlay* selected = canvas_.selected_text();
  if (selected == nullptr) return;
  const std::optional<QColor> colour = dialogs_.choose_colour(colour_of(selected->font_color));
  if (!colour) return;
  TextOverlay text = *selected;
  text.font_color = colour_value_of(*colour);
  canvas_.change_selected_text(text);
  show_colour(text.font_color);
}

}  // namespace pictavo
