#pragma once

#include <QDialog>
#include <filesystem>

class QSettings;

namespace pictavo {

// "Tip of Today": one tip of the tips file after another, from where the last run
// stopped, and the switch that shows it at start-up.
class TipOfTheDayDialog : public QDialog {
  Q_OBJECT

 public:
  TipOfTheDayDialog(const std::filesystem::path& tips_file, QSettings& settings,
                    QWidget* parent = nullptr);
};

}  // namespace pictavo
