#include "base/xml_document.h"

#include <array>
#include <utility>

namespace pictavo {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool is_delimiter(char c) {
  switch (c) {
    case '<':
    case '>':
    case '=':
    case '\\':
    case '/':
    case '?':
    case '!':
      return true;
    default:
      return is_blank(c);
  }
}

// One token of markup: a quoted string (content without the quotes), a run of
// name characters, or a single delimiter character.
struct Token {
  std::size_t begin = 0;  // first character of the content
  std::size_t end = 0;    // one past the content
  std::size_t next = 0;   // where the following token search starts
  bool quoted = false;

  std::string_view in(std::string_view text) const { return text.substr(begin, end - begin); }
  bool starts_with(std::string_view text, char c) const {
    return !quoted && end > begin && text[begin] == c;
  }
};

// UTF-8 continuation bytes are never delimiters, so multi-byte characters are
// stepped over whole by the plain byte loop.
std::optional<Token> read_token(std::string_view text, std::size_t pos) {
  while (pos < text.size() && is_blank(text[pos]))
    ++pos;
  if (pos >= text.size()) return std::nullopt;
  Token token;
  const char first = text[pos];
  if (first == '"' || first == '\'') {
    token.quoted = true;
    token.begin = pos + 1;
    const std::size_t close = text.find(first, token.begin);
    token.end = close == std::string_view::npos ? text.size() : close;
    token.next = close == std::string_view::npos ? text.size() : close + 1;
    return token;
  }
  token.begin = pos;
  std::size_t end = pos;
  while (end < text.size() && !is_delimiter(text[end]))
    ++end;
  token.end = end == pos ? pos + 1 : end;
  token.next = token.end;
  return token;
}

// An element named `tag` matches `searched` when `tag` is the first word of it:
// "Preference File" matches the tag words "Preference" and "Preference File".
bool name_matches(std::string_view tag, std::string_view searched) {
  if (!searched.starts_with(tag)) return false;
  if (searched.size() == tag.size()) return true;
  const char after = searched[tag.size()];
  return after == ' ' || after == '=' || after == '/' || after == '[';
}

struct Entity {
  std::string_view name;
  char character;
};
constexpr std::array<Entity, 5> kEntities{{
    {"&lt;", '<'},
    {"&amp;", '&'},
    {"&gt;", '>'},
    {"&apos;", '\''},
    {"&quot;", '"'},
}};

// Element text escapes the first three entities, attribute values all five.
std::string escape(std::string_view value, std::size_t entity_count) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    bool replaced = false;
    for (std::size_t i = 0; i < entity_count; ++i) {
      if (kEntities[i].character == c) {
        out += kEntities[i].name;
        replaced = true;
        break;
      }
    }
    if (!replaced) out += c;
  }
  return out;
}

std::string unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '&') {
      bool replaced = false;
      for (const Entity& entity : kEntities) {
        if (text.substr(i).starts_with(entity.name)) {
          out += entity.character;
          i += entity.name.size();
          replaced = true;
          break;
        }
      }
      if (replaced) continue;
    }
    out += text[i++];
  }
  return out;
}

// Skips a comment, processing instruction, CDATA section or declaration that starts
// at the "<" at `lt`; returns the position after it, or nothing when it is unterminated.
std::optional<std::size_t> skip_node(std::string_view text, std::size_t lt) {
  if (lt + 2 >= text.size()) return std::nullopt;
  auto after = [&](std::string_view terminator, std::size_t from) -> std::optional<std::size_t> {
    const std::size_t at = text.find(terminator, from);
    if (at == std::string_view::npos) return std::nullopt;
    return at + terminator.size();
  };
  if (text[lt + 1] == '?') return after("?>", lt + 2);
  if (text[lt + 1] != '!') return std::nullopt;
  if (text[lt + 2] == '[') return after("]]>", lt + 2);
  if (text[lt + 2] == '-') return after("-->", lt + 2);
  // A declaration such as <!DOCTYPE x [ <!ENTITY ...> ]> ends at the first ">"
  // outside square brackets; quoted tokens are passed over whole.
  int depth = 0;
  for (std::size_t pos = lt + 2;;) {
    const std::optional<Token> token = read_token(text, pos);
    if (!token) return std::nullopt;
    if (!token->quoted) {
      if (depth <= 0 && token->starts_with(text, '>')) return token->end;
      for (const char c : token->in(text)) {
        if (c == '[') ++depth;
        if (c == ']') --depth;
      }
    }
    pos = token->next;
  }
}

std::string with_name(std::string_view format, std::string_view name) {
  std::string message(format);
  const std::size_t at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, name);
  return message;
}

}  // namespace

bool XmlDocument::set_doc(std::string_view text) {
  const std::size_t nul = text.find('\0');
  text_.assign(text.substr(0, nul));
  error_.clear();
  elements_.assign(1, ElementPos{});
  elements_.reserve(text_.size() / 64 + 8);
  parent_ = current_ = child_ = 0;
  if (text_.empty()) return false;
  if (parse()) return true;
  elements_.assign(1, ElementPos{});
  return false;
}

bool XmlDocument::fail(std::string message, int element) {
  error_ = element == 0 ? std::move(message) : with_name(message, tag_word(element));
  return false;
}

int XmlDocument::append_element(int parent, int previous_sibling) {
  const int index = static_cast<int>(elements_.size());
  ElementPos& element = elements_.emplace_back();
  element.parent = parent;
  ElementPos& owner = elements_[parent];
  if (previous_sibling == 0) {
    element.next_sibling = owner.first_child;
    owner.first_child = index;
  } else {
    element.next_sibling = elements_[previous_sibling].next_sibling;
    elements_[previous_sibling].next_sibling = index;
  }
  if (element.next_sibling == 0) owner.last_child = index;
  return index;
}

// The parser keeps an explicit stack of open elements instead of recursing, so
// nesting depth is bounded by kMaxDepth rather than by the thread's stack.
bool XmlDocument::parse() {
  const std::string_view text = text_;
  std::vector<int> open;  // elements whose children are being read
  std::size_t pos = 0;
  for (;;) {
    const int parent = open.empty() ? 0 : open.back();
    const std::size_t lt = text.find('<', pos);
    if (lt == std::string_view::npos) return fail("Element tag not found");
    const std::optional<Token> token = read_token(text, lt + 1);
    if (!token) return fail("Abrupt end within tag");
    if (token->quoted) return fail("Tag starts with quote");
    if (token->starts_with(text, '!') || token->starts_with(text, '?')) {
      const std::optional<std::size_t> after = skip_node(text, lt);
      if (!after) return fail("Invalid node");
      pos = *after;
      continue;
    }

    if (token->starts_with(text, '/')) {
      if (parent == 0) return fail("Root element not found");
      // The end tag of `parent`: "/", a name matching it, anything up to ">".
      const std::string_view name = tag_word(parent);
      std::size_t next = lt + 1;
      int count = 0;
      std::optional<std::size_t> close;
      while (!close) {
        const std::optional<Token> part = read_token(text, next);
        if (!part) break;
        if (part->starts_with(text, '>')) {
          if (count >= 2) close = part->begin;
          break;
        }
        if (count == 0 && part->in(text) != "/") {
          return fail("Expecting end tag of element %s", parent);
        }
        if (count == 1 && (part->quoted || !name_matches(name, part->in(text)))) {
          return fail("End tag does not correspond to %s", parent);
        }
        ++count;
        next = part->next;
      }
      if (!close) return fail("End tag not completed for element %s", parent);
      elements_[parent].end_left = lt;
      elements_[parent].end_right = *close;
      open.pop_back();
      if (open.empty()) return true;
      pos = *close + 1;
      continue;
    }

    const std::size_t gt = text.find('>', token->begin);
    if (gt == std::string_view::npos) return fail("End of tag not found");
    const int index = append_element(parent, elements_[parent].last_child);
    ElementPos& element = elements_[index];
    element.start_left = lt;
    element.start_right = gt;
    pos = gt + 1;
    if (text[gt - 1] == '/') {
      element.end_left = gt - 1;
      element.end_right = gt;
      if (parent == 0) return true;
    } else {
      if (open.size() >= static_cast<std::size_t>(kMaxDepth)) {
        return fail("Elements nested too deeply");
      }
      open.push_back(index);
    }
  }
}

bool XmlDocument::is_empty_element(int index) const {
  return elements_[index].end_right == elements_[index].start_right;
}

std::string_view XmlDocument::tag_word(int index) const {
  const std::optional<Token> token = read_token(text_, elements_[index].start_left + 1);
  return token ? token->in(text_) : std::string_view{};
}

int XmlDocument::next_match(int from, std::string_view name) const {
  for (int index = from; index != 0; index = elements_[index].next_sibling) {
    if (name.empty() || name_matches(tag_word(index), name)) return index;
  }
  return 0;
}

bool XmlDocument::find_elem(std::string_view name) {
  if (!has_root()) return false;
  const int from =
      current_ != 0 ? elements_[current_].next_sibling : elements_[parent_].first_child;
  const int found = next_match(from, name);
  if (found == 0) return false;
  current_ = found;
  child_ = 0;
  return true;
}

bool XmlDocument::find_child_elem(std::string_view name) {
  if (current_ == 0 && !find_elem()) return false;
  const int from = child_ != 0 ? elements_[child_].next_sibling : elements_[current_].first_child;
  const int found = next_match(from, name);
  if (found == 0) return false;
  child_ = found;
  return true;
}

bool XmlDocument::into_elem() {
  if (current_ == 0) return false;
  parent_ = current_;
  current_ = child_;
  child_ = 0;
  return true;
}

bool XmlDocument::out_of_elem() {
  if (parent_ == 0) return false;
  child_ = current_;
  current_ = parent_;
  parent_ = elements_[parent_].parent;
  return true;
}

std::string XmlDocument::get_tag_name() const {
  return current_ == 0 ? std::string() : std::string(tag_word(current_));
}

std::string XmlDocument::get_data() const {
  if (current_ == 0) return {};
  const ElementPos& element = elements_[current_];
  if (element.first_child != 0 || is_empty_element(current_)) return {};
  const std::string_view text = text_;
  const std::size_t begin = element.start_right + 1;
  const std::size_t end = element.end_left;
  std::size_t content = begin;
  while (content < end && is_blank(text[content]))
    ++content;

  constexpr std::string_view kCdataStart = "<![CDATA[";
  if (text.substr(content, end - content).starts_with(kCdataStart)) {
    const std::size_t raw = content + kCdataStart.size();
    if (raw + 2 < end) {
      const std::size_t close = text.find("]]>", raw);
      if (close != std::string_view::npos && close + 3 <= end) {
        return std::string(text.substr(raw, close - raw));
      }
    }
  }
  return unescape(text.substr(begin, end - begin));
}

std::optional<XmlDocument::AttributeValue> XmlDocument::find_attribute(
    std::string_view name) const {
  if (current_ == 0) return std::nullopt;
  // Only the start tag is searched: a quote left open inside it must not reach
  // into the element's content.
  const std::string_view text = std::string_view(text_).substr(0, elements_[current_].start_right);
  std::optional<Token> token = read_token(text, elements_[current_].start_left + 1);
  bool candidate = false;
  int after_candidate = 0;
  while (token) {
    token = read_token(text, token->next);
    if (!token || token->starts_with(text, '/') || token->starts_with(text, '>') ||
        token->starts_with(text, '?') || (token->quoted && token->next == token->end)) {
      break;
    }
    // The value is the quoted token two after the name, the "=" between them.
    if (candidate && ++after_candidate == 2 && token->quoted) {
      return AttributeValue{token->begin, token->end, token->next};
    }
    if (!token->quoted && name_matches(token->in(text), name)) {
      candidate = true;
      after_candidate = 0;
    }
  }
  return std::nullopt;
}

std::string XmlDocument::get_attrib(std::string_view name) const {
  const std::optional<AttributeValue> value = find_attribute(name);
  if (!value) return {};
  return unescape(std::string_view(text_).substr(value->begin, value->end - value->begin));
}

bool XmlDocument::set_attrib(std::string_view name, std::string_view value) {
  if (current_ == 0) return false;
  const std::string quoted = "\"" + escape(value, kEntities.size()) + "\"";
  if (const std::optional<AttributeValue> old = find_attribute(name)) {
    const std::size_t begin = old->begin - 1;  // the opening quote
    const std::size_t old_length = old->token_end - begin;
    text_.replace(begin, old_length, quoted);
    shift_from(
        current_, old->token_end,
        static_cast<std::ptrdiff_t>(quoted.size()) - static_cast<std::ptrdiff_t>(old_length));
    return true;
  }
  const ElementPos& element = elements_[current_];
  const std::size_t at = is_empty_element(current_) ? element.start_right - 1 : element.start_right;
  const std::string attribute = " " + std::string(name) + "=" + quoted;
  text_.replace(at, 0, attribute);
  shift_from(current_, at, static_cast<std::ptrdiff_t>(attribute.size()));
  return true;
}

bool XmlDocument::add_elem(std::string_view name, std::string_view value) {
  if (parent_ == 0 && has_root()) return false;
  const int previous = current_ != 0 ? current_ : elements_[parent_].last_child;
  int inserted = 0;
  if (!insert_element(parent_, previous, name, value, inserted)) return false;
  current_ = inserted;
  child_ = 0;
  return true;
}

bool XmlDocument::add_child_elem(std::string_view name, std::string_view value) {
  if (current_ == 0) return false;
  const int previous = child_ != 0 ? child_ : elements_[current_].last_child;
  int inserted = 0;
  if (!insert_element(current_, previous, name, value, inserted)) return false;
  child_ = inserted;
  return true;
}

bool XmlDocument::insert_element(int parent, int previous_sibling, std::string_view name,
                                 std::string_view value, int& inserted) {
  const std::string element_text =
      value.empty()
          ? "<" + std::string(name) + "/>\r\n"
          : "<" + std::string(name) + ">" + escape(value, 3) + "</" + std::string(name) + ">\r\n";
  const auto length = static_cast<std::ptrdiff_t>(element_text.size());
  std::size_t at = 0;

  if (parent == 0) {
    at = text_.size();
    text_.replace(at, 0, element_text);
  } else if (previous_sibling != 0) {
    // At the start of the line that follows the previous sibling.
    at = elements_[previous_sibling].end_right + 1;
    if (at < text_.size() && text_[at] == '\r') ++at;
    if (at < text_.size() && text_[at] == '\n') ++at;
    text_.replace(at, 0, element_text);
    shift_following(previous_sibling, at, length);
  } else if (is_empty_element(parent)) {
    // "<p/>" opens into "<p>", CR LF, the child, "</p>".
    ElementPos& owner = elements_[parent];
    const std::string parent_name(tag_word(parent));
    const std::size_t slash = owner.end_left;
    const std::string replacement = ">\r\n" + element_text + "</" + parent_name + ">";
    text_.replace(slash, 2, replacement);
    shift_following(parent, slash + 2, static_cast<std::ptrdiff_t>(replacement.size()) - 2);
    ElementPos& opened = elements_[parent];
    opened.start_right = slash;
    opened.end_left = slash + 3 + element_text.size();
    opened.end_right = opened.end_left + 2 + parent_name.size();
    at = slash + 3;
  } else {
    const ElementPos& owner = elements_[parent];
    at = owner.end_left;
    std::string text = element_text;
    if (owner.end_left == owner.start_right + 1) {
      text.insert(0, "\r\n");
    }
    text_.replace(at, 0, text);
    shift_from(parent, at, static_cast<std::ptrdiff_t>(text.size()));
    at += text.size() - element_text.size();
  }

  inserted = append_element(parent, previous_sibling);
  ElementPos& element = elements_[inserted];
  element.start_left = at;
  if (value.empty()) {
    element.start_right = at + name.size() + 2;
    element.end_left = element.start_right - 1;
    element.end_right = element.start_right;
  } else {
    element.start_right = at + name.size() + 1;
    element.end_left = at + element_text.size() - 2 - (name.size() + 3);
    element.end_right = at + element_text.size() - 3;
  }
  return true;
}

namespace {
void shift_position(std::size_t& position, std::size_t at, std::ptrdiff_t delta) {
  if (position >= at) {
    position = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(position) + delta);
  }
}
}  // namespace

void XmlDocument::shift_own(int element, std::size_t at, std::ptrdiff_t delta) {
  ElementPos& pos = elements_[element];
  shift_position(pos.start_left, at, delta);
  shift_position(pos.start_right, at, delta);
  shift_position(pos.end_left, at, delta);
  shift_position(pos.end_right, at, delta);
}

// Shifts every position at or after `at` that lies in `root` or its descendants.
void XmlDocument::shift_subtree(int root, std::size_t at, std::ptrdiff_t delta) {
  std::vector<int> pending{root};
  while (!pending.empty()) {
    const int index = pending.back();
    pending.pop_back();
    shift_own(index, at, delta);
    for (int c = elements_[index].first_child; c != 0; c = elements_[c].next_sibling) {
      pending.push_back(c);
    }
  }
}

// Shifts what follows `element` in the document: its later siblings with their
// subtrees, and the same for every ancestor, whose end tags move too. The element
// itself and what precedes it stay, so the cost is proportional to what follows.
void XmlDocument::shift_following(int element, std::size_t at, std::ptrdiff_t delta) {
  for (int index = element; index != 0; index = elements_[index].parent) {
    for (int s = elements_[index].next_sibling; s != 0; s = elements_[s].next_sibling) {
      shift_subtree(s, at, delta);
    }
    if (elements_[index].parent != 0) shift_own(elements_[index].parent, at, delta);
  }
}

void XmlDocument::shift_from(int element, std::size_t at, std::ptrdiff_t delta) {
  shift_subtree(element, at, delta);
  shift_following(element, at, delta);
}

}  // namespace pictavo
