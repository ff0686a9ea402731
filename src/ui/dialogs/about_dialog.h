#pragma once

#include <QDialog>

namespace pictavo {

// The about box: the product's name and version, and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const QString& version, QWidget* parent = nullptr);
};

}  // namespace pictavo
