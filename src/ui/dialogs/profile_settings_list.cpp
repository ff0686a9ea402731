#include "ui/dialogs/profile_settings_list.h"

#include <QComboBox>
#include <QHeaderView>

namespace pictavo {
namespace {

// The rows in order; a heading has no parameter. The leading blanks indent the
// parameters under their heading, as the program has always shown them.
struct Row {
  const char* item;
  int parameter;  // a ProfileParameterId, or -1 for a heading
};
constexpr std::array<Row, 10> kRows{{
    {"  Video", -1},
    {"  Video Codec", static_cast<int>(ProfileParameterId::kVideoCodec)},
    {"  Video Size", static_cast<int>(ProfileParameterId::kVideoSize)},
    {"  Video Bitrate", static_cast<int>(ProfileParameterId::kVideoBitrate)},
    {"  Video Frame Rate", static_cast<int>(ProfileParameterId::kVideoFrameRate)},
    {"Audio", -1},
    {"  Audio Codec", static_cast<int>(ProfileParameterId::kAudioCodec)},
    {"  Audio Bitrate", static_cast<int>(ProfileParameterId::kAudioBitrate)},
    {"  Sample Rate", static_cast<int>(ProfileParameterId::kSampleRate)},
    {"  Audio Channel", static_cast<int>(ProfileParameterId::kAudioChannel)},
}};

}  // namespace

ProfileSettingsList::ProfileSettingsList(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(2);
  setHeaderLabels({QStringLiteral("Item"), QStringLiteral("Value")});
  setRootIsDecorated(false);
  setSelectionMode(QAbstractItemView::NoSelection);
  header()->setSectionResizeMode(0, QHeaderView::Stretch);
  header()->setSectionResizeMode(1, QHeaderView::Stretch);
  header()->setSectionsMovable(false);

  for (const Row& row : kRows) {
    auto* item = new QTreeWidgetItem(this, {QString::fromUtf8(row.item)});
    if (row.parameter < 0) {
      QFont bold = item->font(0);
      bold.setBold(true);
      item->setFont(0, bold);
      continue;
    }
    auto* box = new QComboBox(this);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(QString::fromUtf8(row.item).trimmed());
    setItemWidget(item, 1, box);
    boxes_[static_cast<std::size_t>(row.parameter)] = box;
    connect(box, &QComboBox::activated, this, &ProfileSettingsList::value_chosen);
  }
}

QComboBox* ProfileSettingsList::value_box(ProfileParameterId id) const {
  return boxes_[static_cast<std::size_t>(id)];
}

void ProfileSettingsList::show_profile(const OutputProfile* profile) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    QComboBox* box = boxes_[i];
    box->clear();
    if (profile == nullptr) continue;
    const ProfileParameter& parameter = profile->parameters[i];
    for (const ProfileValue& value : parameter.values)
      box->addItem(QString::fromStdString(value.text));
    box->setCurrentText(QString::fromStdString(parameter.current.text));
  }
}

void ProfileSettingsList::read_back(OutputProfile& profile) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    profile.parameters[i].set_text(boxes_[i]->currentText().toStdString());
}

}  // namespace pictavo
