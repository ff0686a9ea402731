#include "ui/common/tool_icon.h"

#include <QToolButton>
#include <string>

#include "ui/common/path_text.h"

namespace pictavo {

QIcon tool_icon(const std::filesystem::path& program_folder, const char* name) {
  return QIcon(path_text(program_folder / "res" / "icons" / (std::string(name) + ".svg")));
}

void set_tool_icon(QToolButton& button, const std::filesystem::path& program_folder,
                   const char* name, const QString& tip) {
  button.setIcon(tool_icon(program_folder, name));
  button.setIconSize(QSize(24, 24));
  button.setToolTip(tip);
  button.setAccessibleName(tip);
}

}  // namespace pictavo
