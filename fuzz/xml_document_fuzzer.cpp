// Parses arbitrary text, then walks and edits it with operations chosen by the
// input's first bytes: no read or write may leave the text or the index.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kScript = 16;
  if (size < kScript) return 0;
  const std::string_view script(reinterpret_cast<const char*>(data), kScript);
  const std::string_view text(reinterpret_cast<const char*>(data) + kScript, size - kScript);

  pictavo::XmlDocument doc;
  doc.set_doc(text);
  const std::string_view names[] = {"", "a", "b", "Working Path", "value"};
  std::size_t sink = 0;
  for (const char op : script) {
    const auto byte = static_cast<unsigned char>(op);
    const std::string_view name = names[(byte >> 3) % 5];
    switch (byte & 7) {
      case 0:
        doc.find_elem(name);
        break;
      case 1:
        doc.find_child_elem(name);
        break;
      case 2:
        doc.into_elem();
        break;
      case 3:
        doc.out_of_elem();
        break;
      case 4:
        sink += doc.get_data().size() + doc.get_tag_name().size();
        break;
      case 5:
        sink += doc.get_attrib(name).size();
        break;
      case 6:
        doc.add_child_elem(name.empty() ? "n" : name, byte & 0x40 ? "v<&>" : "");
        break;
      case 7:
        doc.set_attrib(name.empty() ? "n" : name, "x\"y");
        break;
    }
  }
  // What the editor wrote must read back.
  pictavo::XmlDocument reread;
  if (!doc.get_doc().empty() && reread.set_doc(doc.get_doc())) {
    while (reread.find_elem())
      sink += reread.get_data().size();
  }
  return sink == static_cast<std::size_t>(-1) ? 1 : 0;
}
