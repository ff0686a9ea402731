#include "ui/dialogs/completion_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/common/path_text.h"

namespace pictavo {

CompletionDialog::CompletionDialog(const std::filesystem::path& output_folder, QWidget* parent,
                                   Videos videos)
    : QDialog(parent), output_folder_(output_folder) {
  const bool for_psp = videos == Videos::kForPsp;
  setWindowTitle(tr("Information"));
  auto* accomplished = new QLabel(tr("Mission accomplished!"), this);
  QFont large = accomplished->font();
  large.setBold(true);
  large.setPointSizeF(large.pointSizeF() * 1.3);
  accomplished->setFont(large);

  auto* folder = new QLineEdit(path_text(output_folder), this);
  folder->setObjectName(QStringLiteral("output_folder"));
  folder->setReadOnly(true);
  auto* folder_row = new QHBoxLayout;
  auto* folder_label = new QLabel(tr("Output Folder:"), this);
  folder_label->setBuddy(folder);
  folder_row->addWidget(folder_label);
  folder_row->addWidget(folder, 1);

  auto* next_step = new QLabel(
      for_psp ? tr("Next step: connect the PSP to your computer with a USB cable, and then click "
                   "the \"Transfer to PSP\" button.")
              : tr("The videos and their cover pictures are ready for phones, tablets and TVs: "
                   "copy them from the output folder."),
      this);
  next_step->setWordWrap(true);

  open_folder_ = new QPushButton(tr("Open Output Folder"), this);
  transfer_ = new QPushButton(tr("Transfer to PSP"), this);
  transfer_->setVisible(for_psp);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  connect(open_folder_, &QPushButton::clicked, this, &CompletionDialog::open_output_folder);
  connect(transfer_, &QPushButton::clicked, this, [this] { done(kTransfer); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {open_folder_, transfer_, cancel})
    buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(accomplished);
  layout->addLayout(folder_row);
  layout->addWidget(next_step);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  resize(460, sizeHint().height());
}

void CompletionDialog::open_output_folder() {
  accept();
  QDesktopServices::openUrl(QUrl::fromLocalFile(path_text(output_folder_)));
}

}  // namespace pictavo
