// XML parse and build speed against pugixml on the same documents.
#include <cstdio>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "base/xml_document.h"
#include "ratio.h"

namespace {

// A project-like document: slideshows of photos, each with a handful of values.
std::string project_like_document(std::size_t target_bytes) {
  std::string text = "<mivodvd>\r\n<General>\r\n<TVSystem>0</TVSystem>\r\n</General>\r\n";
  for (int show = 0; text.size() < target_bytes; ++show) {
    text += "<slideshow>\r\n<Name>Slideshow " + std::to_string(show) + "</Name>\r\n";
    for (int photo = 0; photo < 200 && text.size() < target_bytes; ++photo) {
      text += "<Photo>\r\n<File>/home/user/Pictures/holiday &amp; friends/IMG_" +
              std::to_string(photo) +
              ".JPG</File>\r\n<SINGLE_EFFECT_TIME>3</SINGLE_EFFECT_TIME>\r\n"
              "<TRANSITIO_EFFECT_TIME>2</TRANSITIO_EFFECT_TIME>\r\n"
              "<TRANSITION_EFFECT_SETTING>\r\n<Wipe DIRECTION=\"2\" PUSH=\"1\"/>\r\n"
              "</TRANSITION_EFFECT_SETTING>\r\n<Edit/>\r\n</Photo>\r\n";
    }
    text += "</slideshow>\r\n";
  }
  return text + "</mivodvd>\r\n";
}

}  // namespace

int main() {
  using pictavo::bench::best_seconds;
  using pictavo::bench::report;

  const std::string document = project_like_document(10 << 20);
  std::size_t sink = 0;
  const double ours_parse = best_seconds(5, [&] {
    pictavo::XmlDocument doc;
    sink += doc.set_doc(document);
  });
  const double pugi_parse = best_seconds(5, [&] {
    pugi::xml_document doc;
    sink += static_cast<bool>(doc.load_buffer(document.data(), document.size()));
  });
  const double megabytes = static_cast<double>(document.size()) / (1 << 20);
  std::printf("parse of a %.1f MB project-like document: pictavo %.0f MB/s, pugixml %.0f MB/s\n",
              megabytes, megabytes / ours_parse, megabytes / pugi_parse);
  report("parse 10 MB", ours_parse, "pugixml", pugi_parse);

  constexpr int kElements = 100000;
  const double ours_build = best_seconds(3, [&] {
    pictavo::XmlDocument doc;
    doc.add_elem("root");
    doc.into_elem();
    for (int i = 0; i < kElements / 2; ++i) {
      doc.add_elem("photo");
      doc.add_child_elem("path", std::to_string(i));
    }
    sink += doc.get_doc().size();
  });
  const double pugi_build = best_seconds(3, [&] {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("root");
    for (int i = 0; i < kElements / 2; ++i) {
      root.append_child("photo").append_child("path").text().set(std::to_string(i).c_str());
    }
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw);
    sink += out.str().size();
  });
  report("build + write 100,000 elements", ours_build, "pugixml", pugi_build);
  return sink == 0 ? 1 : 0;
}
