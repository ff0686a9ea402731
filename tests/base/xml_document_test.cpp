#include "base/xml_document.h"

#include <gtest/gtest.h>

#include <string>

namespace pictavo {
namespace {

XmlDocument parsed(std::string_view text) {
  XmlDocument doc;
  EXPECT_TRUE(doc.set_doc(text)) << doc.get_error();
  return doc;
}

std::string parse_error(std::string_view text) {
  XmlDocument doc;
  EXPECT_FALSE(doc.set_doc(text));
  return doc.get_error();
}

std::string data_of(std::string_view text) {
  XmlDocument doc = parsed(text);
  EXPECT_TRUE(doc.find_elem());
  return doc.get_data();
}

TEST(XmlDocumentCursor, FindsSiblingsInOrderAndKeepsCursorOnFailure) {
  XmlDocument doc = parsed("<a><b>x</b><b>y</b></a>");
  ASSERT_TRUE(doc.find_elem("a"));
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("b"));
  EXPECT_EQ(doc.get_data(), "x");
  ASSERT_TRUE(doc.find_elem("b"));
  EXPECT_EQ(doc.get_data(), "y");
  EXPECT_FALSE(doc.find_elem("b"));
  EXPECT_EQ(doc.get_data(), "y");
}

TEST(XmlDocumentCursor, FindChildWalksChildrenWithoutEnteringAndOutReturns) {
  XmlDocument doc = parsed("<r><p><c>1</c><d>2</d><c>3</c></p><q/></r>");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("p"));
  ASSERT_TRUE(doc.find_child_elem("c"));
  ASSERT_TRUE(doc.find_child_elem("c"));
  EXPECT_EQ(doc.get_tag_name(), "p");
  ASSERT_TRUE(doc.into_elem());  // the current child becomes current
  EXPECT_EQ(doc.get_data(), "3");
  ASSERT_TRUE(doc.out_of_elem());
  EXPECT_EQ(doc.get_tag_name(), "p");
  ASSERT_TRUE(doc.find_elem("q"));
  EXPECT_FALSE(doc.find_child_elem());
}

TEST(XmlDocumentCursor, NavigationFailsSoftlyWithoutElements) {
  XmlDocument doc;
  EXPECT_FALSE(doc.find_elem());
  EXPECT_FALSE(doc.find_child_elem());
  EXPECT_FALSE(doc.into_elem());
  EXPECT_FALSE(doc.out_of_elem());
  EXPECT_EQ(doc.get_tag_name(), "");
  EXPECT_EQ(doc.get_data(), "");
  EXPECT_EQ(doc.get_attrib("x"), "");
  EXPECT_FALSE(doc.set_attrib("x", "1"));
  EXPECT_FALSE(doc.add_child_elem("x"));
  EXPECT_FALSE(doc.set_doc(""));
}

TEST(XmlDocumentNames, MatchByFirstWord) {
  XmlDocument doc = parsed("<r><Working Path>C:\\p</Working Path><WorkingX/></r>");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("Working Path"));
  EXPECT_EQ(doc.get_tag_name(), "Working");
  EXPECT_EQ(doc.get_data(), "C:\\p");

  XmlDocument again = parsed("<r><Working Path>x</Working Path></r>");
  again.find_elem();
  again.into_elem();
  EXPECT_TRUE(again.find_elem("Working"));

  XmlDocument prefix = parsed("<r><value_list_count/><value/></r>");
  prefix.find_elem();
  prefix.into_elem();
  ASSERT_TRUE(prefix.find_elem("value"));
  EXPECT_EQ(prefix.get_tag_name(), "value");  // "value_list_count" is not "value"
}

TEST(XmlDocumentParse, ReportsEachMalformation) {
  EXPECT_EQ(parse_error("<a></b>"), "End tag does not correspond to a");
  EXPECT_EQ(parse_error("<a>"), "Element tag not found");
  EXPECT_EQ(parse_error("<a><"), "Abrupt end within tag");
  EXPECT_EQ(parse_error("<\"a\">"), "Tag starts with quote");
  EXPECT_EQ(parse_error("<a"), "End of tag not found");
  EXPECT_EQ(parse_error("<a><!-- open"), "Invalid node");
  EXPECT_EQ(parse_error("<a></>"), "End tag not completed for element a");
  EXPECT_EQ(parse_error("<a></a"), "End tag not completed for element a");
  EXPECT_EQ(parse_error("no markup"), "Element tag not found");
}

TEST(XmlDocumentParse, SkipsPrologCommentsAndDeclarations) {
  XmlDocument doc = parsed(
      "<?xml version=\"1.0\"?>\n<!DOCTYPE r [ <!ENTITY e \"]>\"> ]>\n<!-- c -->"
      "<r><!-- between --><a>1</a><?pi x?><![CDATA[ignored]]><b>2</b><!-- end --></r>");
  ASSERT_TRUE(doc.find_elem("r"));
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("a"));
  ASSERT_TRUE(doc.find_elem("b"));
  EXPECT_EQ(doc.get_data(), "2");
  EXPECT_FALSE(doc.find_elem());
}

TEST(XmlDocumentParse, EndTagMayCarryExtraWordsAndText) {
  XmlDocument doc = parsed("<r>\r\n<Preference File>x</Preference File >\r\ntail</r>");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("Preference File"));
  EXPECT_EQ(doc.get_data(), "x");
}

TEST(XmlDocumentParse, DeepNestingFailsWithAMessageInsteadOfOverflowing) {
  std::string deep;
  for (int i = 0; i < 50000; ++i)
    deep += "<a>";
  for (int i = 0; i < 50000; ++i)
    deep += "</a>";
  XmlDocument doc;
  EXPECT_FALSE(doc.set_doc(deep));
  EXPECT_EQ(doc.get_error(), "Elements nested too deeply");
  EXPECT_FALSE(doc.find_elem());

  std::string allowed;
  for (int i = 0; i < XmlDocument::kMaxDepth; ++i)
    allowed += "<a>";
  for (int i = 0; i < XmlDocument::kMaxDepth; ++i)
    allowed += "</a>";
  EXPECT_TRUE(doc.set_doc(allowed)) << doc.get_error();
}

TEST(XmlDocumentParse, TextStopsAtNulAndOnlyTheRootIsRead) {
  XmlDocument doc;
  ASSERT_TRUE(doc.set_doc(std::string_view("<a/>\0<b/>", 9)));
  EXPECT_EQ(doc.get_doc(), "<a/>");
  ASSERT_TRUE(doc.set_doc("<a/><b/>"));
  ASSERT_TRUE(doc.find_elem());
  EXPECT_FALSE(doc.find_elem());
}

TEST(XmlDocumentData, KeepsBlanksDecodesEntitiesAndReadsCdataRaw) {
  EXPECT_EQ(data_of("<a>  text  </a>"), "  text  ");
  EXPECT_EQ(data_of("<a> <![CDATA[<raw>&amp;]]> </a>"), "<raw>&amp;");
  EXPECT_EQ(data_of("<a>&lt;&#65;&gt;</a>"), "<&#65;>");
  EXPECT_EQ(data_of("<a>&apos;&quot;&amp;&unknown;&</a>"), "'\"&&unknown;&");
  EXPECT_EQ(data_of("<a/>"), "");
  EXPECT_EQ(data_of("<a><b>x</b></a>"), "");
  EXPECT_EQ(data_of("<a><![CDATA[x]]>tail</a>"), "x");
}

TEST(XmlDocumentAttributes, ReadsQuotedValuesByName) {
  XmlDocument doc = parsed("<p value_list_count=\"3\" value='a&amp;b' list_index=\"1\"/>");
  ASSERT_TRUE(doc.find_elem());
  EXPECT_EQ(doc.get_attrib("value"), "a&b");
  EXPECT_EQ(doc.get_attrib("value_list_count"), "3");
  EXPECT_EQ(doc.get_attrib("list_index"), "1");
  EXPECT_EQ(doc.get_attrib("missing"), "");
  EXPECT_EQ(doc.get_attrib("p"), "");  // the tag name is not an attribute
}

TEST(XmlDocumentAttributes, SetReplacesOrInsertsAndKeepsTheTreeIntact) {
  XmlDocument doc = parsed("<r><a x=\"1\">t</a><b/></r>");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("a"));
  ASSERT_TRUE(doc.set_attrib("x", "long value"));
  ASSERT_TRUE(doc.set_attrib("y", "q\"<'"));
  ASSERT_TRUE(doc.find_elem("b"));
  ASSERT_TRUE(doc.set_attrib("z", "2"));
  EXPECT_EQ(doc.get_doc(), "<r><a x=\"long value\" y=\"q&quot;&lt;&apos;\">t</a><b z=\"2\"/></r>");

  XmlDocument reread = parsed(doc.get_doc());
  reread.find_elem();
  reread.into_elem();
  ASSERT_TRUE(reread.find_elem("a"));
  EXPECT_EQ(reread.get_attrib("y"), "q\"<'");
  EXPECT_EQ(reread.get_data(), "t");
}

TEST(XmlDocumentAttributes, AnOpenQuoteNeverReachesPastTheStartTag) {
  XmlDocument doc = parsed("<a x=\"1><b>k</b></a>");
  ASSERT_TRUE(doc.find_elem());
  EXPECT_EQ(doc.get_attrib("x"), "");
  ASSERT_TRUE(doc.set_attrib("x", "2"));
  EXPECT_EQ(doc.get_doc(), "<a x=\"1 x=\"2\"><b>k</b></a>");
  ASSERT_TRUE(doc.find_child_elem("b"));
  ASSERT_TRUE(doc.into_elem());
  EXPECT_EQ(doc.get_data(), "k");
}

TEST(XmlDocumentWriter, BuildsTheProgramLayoutFromEmpty) {
  XmlDocument doc;
  ASSERT_TRUE(doc.add_elem("reference"));
  EXPECT_FALSE(doc.add_elem("second_root"));
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.add_elem("VERSION", "3.0.6"));
  EXPECT_EQ(doc.get_doc(), "<reference>\r\n<VERSION>3.0.6</VERSION>\r\n</reference>\r\n");
  ASSERT_TRUE(doc.add_elem("Working Path", "a<b&c"));
  ASSERT_TRUE(doc.add_elem("Empty"));
  EXPECT_EQ(doc.get_doc(),
            "<reference>\r\n<VERSION>3.0.6</VERSION>\r\n<Working Path>a&lt;b&amp;c</Working "
            "Path>\r\n<Empty/>\r\n</reference>\r\n");

  XmlDocument reread = parsed(doc.get_doc());
  reread.find_elem();
  reread.into_elem();
  ASSERT_TRUE(reread.find_elem("Working Path"));
  EXPECT_EQ(reread.get_data(), "a<b&c");
}

TEST(XmlDocumentWriter, OpensAnEmptyParentAndAdjacentTags) {
  XmlDocument empty = parsed("<a/>");
  ASSERT_TRUE(empty.find_elem());
  ASSERT_TRUE(empty.add_child_elem("c", "v"));
  EXPECT_EQ(empty.get_doc(), "<a>\r\n<c>v</c>\r\n</a>");

  XmlDocument adjacent = parsed("<a></a>");
  ASSERT_TRUE(adjacent.find_elem());
  ASSERT_TRUE(adjacent.add_child_elem("c"));
  EXPECT_EQ(adjacent.get_doc(), "<a>\r\n<c/>\r\n</a>");
}

TEST(XmlDocumentWriter, InsertsAfterTheCursorAndShiftsWhatFollows) {
  XmlDocument doc = parsed("<r>\r\n<a>1</a>\r\n<c>3</c>\r\n</r>\r\n");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("a"));
  ASSERT_TRUE(doc.add_elem("b"));
  ASSERT_TRUE(doc.add_child_elem("b1", "x"));
  EXPECT_EQ(doc.get_doc(), "<r>\r\n<a>1</a>\r\n<b>\r\n<b1>x</b1>\r\n</b>\r\n<c>3</c>\r\n</r>\r\n");

  // The index is consistent with the text: every element reads back.
  ASSERT_TRUE(doc.find_elem("c"));
  EXPECT_EQ(doc.get_data(), "3");
  ASSERT_TRUE(doc.out_of_elem());
  ASSERT_TRUE(doc.add_child_elem("d", "4"));  // after the current child "c"
  EXPECT_EQ(doc.get_doc(),
            "<r>\r\n<a>1</a>\r\n<b>\r\n<b1>x</b1>\r\n</b>\r\n<c>3</c>\r\n<d>4</d>\r\n</r>\r\n");
  XmlDocument reread = parsed(doc.get_doc());
  reread.find_elem();
  reread.into_elem();
  for (std::string_view name : {"a", "b", "c", "d"})
    EXPECT_TRUE(reread.find_elem(name)) << name;
}

TEST(XmlDocumentWriter, ChildrenAddedWithoutCurrentChildGoLast) {
  XmlDocument doc = parsed("<r><a/><b/></r>");
  ASSERT_TRUE(doc.find_elem());
  ASSERT_TRUE(doc.add_child_elem("z"));
  EXPECT_EQ(doc.get_doc(), "<r><a/><b/><z/>\r\n</r>");
  ASSERT_TRUE(doc.into_elem());
  EXPECT_EQ(doc.get_tag_name(), "z");
}

TEST(XmlDocumentWriter, BuildsLargeDocumentsInNearLinearTime) {
  // Each add splices next to the end; with a whole-index shift this would take
  // minutes, so a slow implementation fails through the test timeout.
  XmlDocument doc;
  ASSERT_TRUE(doc.add_elem("root"));
  ASSERT_TRUE(doc.into_elem());
  for (int i = 0; i < 100000; ++i) {
    ASSERT_TRUE(doc.add_elem("photo"));
    ASSERT_TRUE(doc.add_child_elem("path", std::to_string(i)));
  }
  XmlDocument reread = parsed(doc.get_doc());
  reread.find_elem();
  reread.into_elem();
  int count = 0;
  while (reread.find_elem("photo"))
    ++count;
  EXPECT_EQ(count, 100000);
  ASSERT_TRUE(reread.find_child_elem("path"));
  ASSERT_TRUE(reread.into_elem());
  EXPECT_EQ(reread.get_data(), "99999");
}

}  // namespace
}  // namespace pictavo
