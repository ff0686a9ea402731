#include "base/user_text.h"

#include <utility>

namespace pictavo {

UserText UserText::marked(std::string source, std::vector<UserText> args) {
  UserText text(std::move(source));
  text.args_ = std::move(args);
  text.marked_ = true;
  return text;
}

std::string UserText::english() const {
  if (args_.empty()) return text_;
  std::vector<std::string> values;
  values.reserve(args_.size());
  for (const UserText& arg : args_)
    values.push_back(arg.english());
  return fill_placeholders(text_, values);
}

std::string fill_placeholders(std::string_view source, std::span<const std::string> args) {
  std::string text;
  text.reserve(source.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char next = i + 1 < source.size() ? source[i + 1] : '\0';
    const std::size_t number = static_cast<std::size_t>(next - '0');
    if (source[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
      text += args[number - 1];
      ++i;
    } else {
      text += source[i];
    }
  }
  return text;
}

}  // namespace pictavo
