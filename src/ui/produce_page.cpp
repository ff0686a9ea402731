#include "ui/produce_page.h"

namespace pictavo {

ProducePage::ProducePage(Project& project, UserDialogs& dialogs, QWidget* main_window,
                         QWidget* parent)
    : StepPage(parent), project_(project), dialogs_(dialogs), main_window_(main_window) {}

}  // namespace pictavo
