#include "ui/tip_of_the_day_dialog.h"

namespace pictavo {

TipOfTheDayDialog::TipOfTheDayDialog(const std::filesystem::path&, QSettings&, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tip of Today"));
}

}  // namespace pictavo
