#include "ui/dialogs/transition_parameter_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>

#include "ui/common/engine_text.h"

namespace pictavo {
namespace {

// "window number" becomes "Window number".
QString caption(std::string_view label) {
  QString text = engine_text(label);
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

}  // namespace

TransitionParameterBox::TransitionParameterBox(const ParameterControls& controls,
                                               const ParameterForm& form, const QString& name,
                                               QWidget* parent)
    : QGroupBox(caption(form.label), parent) {
  setObjectName(name);
  new QVBoxLayout(this);
  if (controls.list) {
    add_list(form, name);
  } else {
    add_choices(controls, name);
  }
}

void TransitionParameterBox::add_choices(const ParameterControls& controls, const QString& name) {
  for (const SettingChoice& choice : controls.choices) {
    auto* box = new QCheckBox(tr(choice.text), this);
    box->setObjectName(QStringLiteral("%1_choice_%2").arg(name).arg(choice.value));
    connect(box, &QCheckBox::clicked, this, [this, box] { check_only(box); });
    layout()->addWidget(box);
    choices_.emplace_back(box, choice.value);
  }
}

void TransitionParameterBox::add_list(const ParameterForm& form, const QString& name) {
  list_ = new QComboBox(this);
  list_->setObjectName(name + QStringLiteral("_list"));
  list_->setAccessibleName(title());
  first_value_ = form.min;
  for (int value = form.min; value <= form.max; ++value)
    list_->addItem(QString::asprintf("%d", value));
  list_->setMaxVisibleItems(10);
  layout()->addWidget(list_);
}

void TransitionParameterBox::check_only(QCheckBox* checked) {
  for (const auto& [box, value] : choices_)
    box->setChecked(box == checked);
}

void TransitionParameterBox::show_value(int value) {
  if (list_ != nullptr) {
    list_->setCurrentIndex(value - first_value_);
    return;
  }
  check_only(choice_box(value));
}

int TransitionParameterBox::value() const {
  if (list_ != nullptr) return first_value_ + list_->currentIndex();
  for (const auto& [box, value] : choices_) {
    if (box->isChecked()) return value;
  }
  return 0;
}

QCheckBox* TransitionParameterBox::choice_box(int value) const {
  for (const auto& [box, box_value] : choices_) {
    if (box_value == value) return box;
  }
  return nullptr;
}

}  // namespace pictavo
