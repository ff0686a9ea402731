#pragma once

#include <QDialog>
#include <QFile>
#include <filesystem>

#include "ui/app/program_settings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;

namespace pictavo {

// "Tip of the Day": one tip of the tips file after another, from where the last run
// stopped, and the switch that shows it at start-up.
//
// A tip is a line of the file: its text, then optionally a header, a footer and a
// number, separated by tabs. Lines that begin with a blank, a tab or ";" are
// comments. The place in the file is kept in the settings while the file keeps
// its modification time; a changed file is read from its start again.
class TipOfTheDayDialog : public QDialog {
  Q_OBJECT

 public:
  TipOfTheDayDialog(const std::filesystem::path& tips_file, QSettings& settings,
                    QWidget* parent = nullptr);
  // Keeps the place in the file for the next time.
  ~TipOfTheDayDialog() override;

  QString header_text() const;
  QString tip_text() const;
  QString footer_text() const;
  int tip_number() const { return tip_number_; }
  QPushButton* next_button() const { return next_button_; }
  QPushButton* close_button() const { return close_button_; }
  QCheckBox* show_at_start_up_box() const { return show_at_start_up_; }

 private:
  void build_controls();
  void open_tips(const std::filesystem::path& tips_file);
  // Reads on to the next tip line, round to the start at the end of the file, and
  // shows it; after a whole pass without one, says so.
  void show_next_tip();
  void show_tip(const QByteArray& line);
  void show_notice(const QString& text);
  void close_and_keep_switch();

  ProgramSettings settings_;
  QFile file_;
  int tip_number_ = 0;
  QLabel* header_ = nullptr;
  QLabel* text_ = nullptr;
  QLabel* footer_ = nullptr;
  QCheckBox* show_at_start_up_ = nullptr;
  QPushButton* next_button_ = nullptr;
  QPushButton* close_button_ = nullptr;
};

}  // namespace pictavo
