#include "ui/dialogs/transition_setting_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "effects/transition_params.h"
#include "ui/dialogs/transition_parameter_box.h"
#include "ui/dialogs/transition_setting_layout.h"
#include "ui/widgets/named_widget.h"

namespace pictavo {

TransitionSettingDialog::TransitionSettingDialog(TransitionParams& params, QWidget* parent)
    : QDialog(parent), params_(params) {
  const TransitionSettingLayout& layout = transition_setting_layout(params.type());
  const TransitionForm& form = params.form();
  setWindowTitle(tr(layout.title));
  auto* parameters = new QHBoxLayout;
  p1_ = new TransitionParameterBox(layout.p1, form.p1, QStringLiteral("p1"), this);
  parameters->addWidget(p1_, 0, Qt::AlignTop);
  if (layout.p2.present()) {
    p2_ = new TransitionParameterBox(layout.p2, form.p2, QStringLiteral("p2"), this);
    parameters->addWidget(p2_, 0, Qt::AlignTop);
  }
  auto* column = new QVBoxLayout(this);
  column->addLayout(parameters);
  column->addLayout(build_buttons());
  column->setSizeConstraint(QLayout::SetFixedSize);
  show_values(params.values());
}

QHBoxLayout* TransitionSettingDialog::build_buttons() {
  random_ = named(new QPushButton(tr("Random"), this), "random");
  default_ = named(new QPushButton(tr("Default"), this), "default");
  ok_ = named(new QPushButton(tr("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = named(new QPushButton(tr("Cancel"), this), "cancel");
  connect(random_, &QPushButton::clicked, this, [this] { show_values(params_.random_values()); });
  connect(default_, &QPushButton::clicked, this, [this] { show_values(params_.default_values()); });
  connect(ok_, &QPushButton::clicked, this, &TransitionSettingDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &TransitionSettingDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(random_);
  row->addWidget(default_);
  row->addStretch();
  row->addWidget(ok_);
  row->addWidget(cancel_);
  return row;
}

void TransitionSettingDialog::show_values(TransitionValues values) {
  p1_->show_value(values.p1);
  if (p2_ != nullptr) p2_->show_value(values.p2);
}

TransitionValues TransitionSettingDialog::shown_values() const {
  return {p1_->value(), p2_ != nullptr ? p2_->value() : 0};
}

TransitionParameterBox* TransitionSettingDialog::parameter_box(int parameter) const {
  return parameter == 1 ? p1_ : parameter == 2 ? p2_ : nullptr;
}

void TransitionSettingDialog::accept() {
  params_.set_values(shown_values());
  QDialog::accept();
}

}  // namespace pictavo
