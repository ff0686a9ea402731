#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Pictavo"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("<h2>Pictavo</h2>"), this);
  layout->addWidget(name);
  layout->addWidget(new QLabel(tr("Version %1").arg(version), this));
  layout->addWidget(new QLabel(
      tr("Slideshow videos of your photos and music for the PlayStation Portable."), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace pictavo
