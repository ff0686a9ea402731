#pragma once

#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// A text for the user, built so that a front end can show it in the user's language.
// A marked text is an English source that the desktop program looks up in its
// translation (base/translation_mark.h), whose %1, %2, ... stand for further texts.
// Any other text is shown as it is: a name, a path, a number, a reason from the
// system, or a text a front end has translated already. english() is the whole text
// in English, as the command line, the log and the tests read it.
class UserText {
 public:
  UserText() = default;
  UserText(std::string text) : text_(std::move(text)) {}
  // `source` is a text marked with QT_TRANSLATE_NOOP, or a reason that may be one;
  // a source the translation lacks is shown as it is.
  static UserText marked(std::string source, std::vector<UserText> args = {});

  bool is_marked() const { return marked_; }
  bool empty() const { return text_.empty(); }
  // The marked source, or the text shown as it is.
  const std::string& source() const { return text_; }
  const std::vector<UserText>& args() const { return args_; }
  std::string english() const;

  bool operator==(const UserText&) const = default;
  // Whether the text reads `english` in English (any kind of string, which would
  // otherwise become a UserText to compare).
  template <typename Text>
  requires std::convertible_to<const Text&, std::string_view>
  friend bool operator==(const UserText& text, const Text& english) {
    return text.english() == std::string_view(english);
  }

 private:
  std::string text_;
  std::vector<UserText> args_;
  bool marked_ = false;
};

// `source` with args[0] for each %1, args[1] for each %2 and so on, in one pass, so
// that a value holding "%2" stays as it is. A % before anything else, or before a
// number without a value, stays too.
std::string fill_placeholders(std::string_view source, std::span<const std::string> args);

}  // namespace pictavo
