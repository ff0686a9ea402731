#include "base/user_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictavo {
namespace {

TEST(UserText, FillsThePlaceholdersInOnePass) {
  const std::vector<std::string> values{"a%2b", "two"};
  EXPECT_EQ(fill_placeholders("%1 and %2, %1 again", values), "a%2b and two, a%2b again");
  EXPECT_EQ(fill_placeholders("100% sure, %3 left, %", values), "100% sure, %3 left, %");
  EXPECT_EQ(fill_placeholders("no values: %1", {}), "no values: %1");
}

TEST(UserText, ReadsInEnglishWithItsValuesInPlace) {
  const UserText list = UserText::marked("%1, %2", {std::string("a.jpg"), std::string("b.jpg")});
  const UserText text =
      UserText::marked("%1 files could not be added: %2.", {std::string("2"), list});
  EXPECT_TRUE(text.is_marked());
  EXPECT_EQ(text.english(), "2 files could not be added: a.jpg, b.jpg.");
  EXPECT_EQ(text, "2 files could not be added: a.jpg, b.jpg.");

  const UserText name(std::string("Trip %1"));
  EXPECT_FALSE(name.is_marked());
  EXPECT_EQ(name.english(), "Trip %1");
  EXPECT_NE(name, UserText::marked("Trip %1"));
}

}  // namespace
}  // namespace pictavo
