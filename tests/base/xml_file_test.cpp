#include "base/xml_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

std::string utf16le(const std::u16string& text) {
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

TEST(ReadXmlFile, MendsDamagedUtf16AndReadsTheRest) {
  test::TempFolder folder;
  constexpr char16_t high = 0xD800;
  constexpr char16_t low = 0xDC00;
  const std::string replacement = "\xEF\xBF\xBD";
  struct Case {
    std::string bytes;
    std::string text;
    bool mended;
  };
  const Case cases[] = {
      {utf16le({u'<', high, u'a', u'>'}), "<" + replacement + "a>", true},
      {utf16le({u'<', low}), "<" + replacement, true},
      {utf16le({u'<', u'a', u'>', high}), "<a>" + replacement, true},
      {utf16le({low, high}), replacement + replacement, true},
      {utf16le({high, high, low}), replacement + "\xF0\x90\x80\x80", true},
      {utf16le(u"<a/>") + "x", "<a/>", true},
      {utf16le({u'<', high, u'>'}) + "x", "<" + replacement + ">", true},
      {utf16le({high, low, u'!'}), "\xF0\x90\x80\x80!", false},
  };
  for (const Case& c : cases) {
    write_bytes(folder / "damaged.xml", c.bytes);
    const auto file = read_xml_file(folder / "damaged.xml");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->text, c.text);
    EXPECT_EQ(file->mended, c.mended) << c.text;
    EXPECT_TRUE(file->is_complete());
  }
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
