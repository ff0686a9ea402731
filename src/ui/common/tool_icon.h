#pragma once

#include <QIcon>
#include <filesystem>

class QToolButton;

namespace pictavo {

// The program's own drawing `name` (res/icons/NAME.svg of the program folder),
// sharp at every size and screen density.
QIcon tool_icon(const std::filesystem::path& program_folder, const char* name);

// Gives an icon-only button its icon, with `tip` as its tooltip and the name a
// screen reader says.
void set_tool_icon(QToolButton& button, const std::filesystem::path& program_folder,
                   const char* name, const QString& tip);

}  // namespace pictavo
