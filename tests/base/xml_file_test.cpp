#include "base/xml_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

std::string utf16le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(ReadXmlFile, TakesEightBitTextUpToTheFirstNul) {
  test::TempFolder folder;
  write_bytes(folder / "a.xml", std::string_view("<a>x</a>\0junk", 13));
  const auto file = read_xml_file(folder / "a.xml");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->text, "<a>x</a>");
  EXPECT_EQ(file->bytes_read, 13u);
  EXPECT_FALSE(file->was_utf16);
  EXPECT_FALSE(read_xml_file(folder / "missing.xml"));
}

TEST(ReadXmlFile, ConvertsUtf16WithMarkToUtf8) {
  test::TempFolder folder;
  write_bytes(folder / "w.xml", utf16le(u"<a v=\"\u00e9\U0001F600\">\u65e5</a>"));
  const auto file = read_xml_file(folder / "w.xml");
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->was_utf16);
  EXPECT_EQ(file->text, "<a v=\"\xC3\xA9\xF0\x9F\x98\x80\">\xE6\x97\xA5</a>");
  EXPECT_TRUE(file->is_complete());
}

TEST(ReadXmlFile, RejectsMalformedUtf16) {
  test::TempFolder folder;
  const std::u16string lone_high{u'<', static_cast<char16_t>(0xD800), u'a', u'>'};
  write_bytes(folder / "lone.xml", utf16le(lone_high));
  EXPECT_FALSE(read_xml_file(folder / "lone.xml"));
  const std::u16string lone_low{u'<', static_cast<char16_t>(0xDC00)};
  write_bytes(folder / "low.xml", utf16le(lone_low));
  EXPECT_FALSE(read_xml_file(folder / "low.xml"));
  write_bytes(folder / "odd.xml", utf16le(u"<a/>") + "x");
  EXPECT_FALSE(read_xml_file(folder / "odd.xml"));
}

TEST(ReadXmlFile, TextMuchShorterThanTheFileIsIncomplete) {
  test::TempFolder folder;
  std::u16string text = u"<a/>";
  text += u'\0';
  text += std::u16string(100, u'x');
  write_bytes(folder / "cut.xml", utf16le(text));
  const auto file = read_xml_file(folder / "cut.xml");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->text, "<a/>");
  EXPECT_FALSE(file->is_complete());
}

TEST(WriteXmlFile, WritesUpToTheFirstNul) {
  test::TempFolder folder;
  ASSERT_TRUE(write_xml_file(folder / "o.xml", std::string_view("<a/>\0rest", 9)));
  const auto file = read_xml_file(folder / "o.xml");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->bytes_read, 4u);
}

}  // namespace
}  // namespace pictavo
