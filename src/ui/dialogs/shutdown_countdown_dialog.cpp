#include "ui/dialogs/shutdown_countdown_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/engine_text.h"
#include "video/make_video_messages.h"

namespace pictavo {

ShutdownCountdownDialog::ShutdownCountdownDialog(QWidget* parent) : QDialog(parent) {
  const PromptMessage message = shutdown_countdown_message(seconds_left_);
  setWindowTitle(engine_text(message.caption));
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  text_ = new QLabel(engine_text(message.text), this);
  text_->setObjectName(QStringLiteral("text"));
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);

  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &ShutdownCountdownDialog::tick);
  connect(this, &QDialog::finished, &timer_, &QTimer::stop);
  timer_.start();
}

void ShutdownCountdownDialog::tick() {
  if (seconds_left_ > 0) --seconds_left_;
  text_->setText(engine_text(shutdown_countdown_message(seconds_left_).text));
  if (seconds_left_ == 0) accept();
}

}  // namespace pictavo
