#include "ui/settings_dialog.h"

namespace pictavo {

SettingsDialog::SettingsDialog(Project& project, UserDialogs& dialogs, QWidget* main_window)
    : QDialog(main_window), project_(project), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("Settings"));
}

}  // namespace pictavo
