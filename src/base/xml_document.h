#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// The one XML reader and writer of the program. The document is kept as a single
// text string with an index of element positions beside it: navigation moves a
// cursor over the index, reading cuts text out of the string and every edit splices
// text in and shifts the positions behind it. What is written is exactly the text
// the edits produced: one element per line, CR LF, no indentation, no declaration.
//
// The class is deliberately lenient: names may contain spaces and are matched by
// their first word ("Working Path" finds <Working Path> and <Working>), unknown
// constructs are skipped, and text between elements is never indexed.
class XmlDocument {
 public:
  // Deeper documents are refused instead of walked: nothing the program writes
  // comes close, and it keeps hostile input from costing unbounded memory.
  static constexpr int kMaxDepth = 1000;

  // Replaces the document and parses it; empty text gives an empty document and false.
  // Text after an embedded NUL byte is not part of the document.
  bool set_doc(std::string_view text);
  const std::string& get_doc() const { return text_; }
  const std::string& get_error() const { return error_; }

  // Cursor. An empty name matches any element.
  bool find_elem(std::string_view name = {});
  bool find_child_elem(std::string_view name = {});
  bool into_elem();
  bool out_of_elem();

  std::string get_tag_name() const;
  std::string get_data() const;
  std::string get_attrib(std::string_view name) const;
  bool set_attrib(std::string_view name, std::string_view value);

  bool add_elem(std::string_view name, std::string_view value = {});
  bool add_child_elem(std::string_view name, std::string_view value = {});

 private:
  struct ElementPos {
    std::size_t start_left = 0;   // "<" of the start tag
    std::size_t start_right = 0;  // ">" of the start tag
    std::size_t end_left = 0;     // "<" of the end tag; start_right - 1 for "<x/>"
    std::size_t end_right = 0;    // ">" of the end tag; start_right for "<x/>"
    int parent = 0;
    int first_child = 0;
    int last_child = 0;
    int next_sibling = 0;
  };

  struct AttributeValue {
    std::size_t begin;      // first character inside the quotes
    std::size_t end;        // one past the last character inside the quotes
    std::size_t token_end;  // one past the closing quote
  };

  bool has_root() const { return elements_.size() > 1; }
  bool is_empty_element(int index) const;
  std::string_view tag_word(int index) const;
  int next_match(int from, std::string_view name) const;
  std::optional<AttributeValue> find_attribute(std::string_view name) const;

  bool parse();
  bool fail(std::string message, int element = 0);
  int append_element(int parent, int previous_sibling);

  bool insert_element(int parent, int previous_sibling, std::string_view name,
                      std::string_view value, int& inserted);
  // Splices move every position at or after `at` by `delta`; these walk only the
  // elements that can hold such positions.
  void shift_own(int element, std::size_t at, std::ptrdiff_t delta);
  void shift_subtree(int root, std::size_t at, std::ptrdiff_t delta);
  void shift_following(int element, std::size_t at, std::ptrdiff_t delta);
  void shift_from(int element, std::size_t at, std::ptrdiff_t delta);

  std::string text_;
  std::string error_;
  std::vector<ElementPos> elements_{ElementPos{}};  // index 0 is the document itself
  int parent_ = 0;
  int current_ = 0;
  int child_ = 0;
};

}  // namespace pictavo
