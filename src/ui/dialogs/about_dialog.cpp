#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Pictavo"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("<h2>Pictavo</h2>"), this);
  layout->addWidget(name);
  layout->addWidget(new QLabel(QStringLiteral("Version ") + version, this));
  layout->addWidget(new QLabel(
      QStringLiteral("Slideshow videos of your photos and music for the PlayStation Portable."),
      this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace pictavo
