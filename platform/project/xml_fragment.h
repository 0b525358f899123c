#pragma once

// A small tree of one part of a streamed document (one task, the calendars), kept while
// the rest of the document passes by: each element's name and text, and its children.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taskvane::project {

class XmlFragment;

// An element of a fragment, or no element (false); valid while its fragment is unchanged.
class XmlElement {
 public:
  XmlElement() = default;
  explicit operator bool() const { return fragment_ != nullptr; }
  std::string_view name() const;
  std::string_view text() const;  // "" for no element
  XmlElement first_child() const;
  XmlElement next_sibling() const;

 private:
  friend class XmlFragment;
  XmlElement(const XmlFragment* fragment, std::uint32_t index)
      : fragment_(fragment), index_(index) {}
  const XmlFragment* fragment_ = nullptr;
  std::uint32_t index_ = 0;
};

class XmlFragment {
 public:
  // Keeps the fragment's root element and its descendants down to `max_level` levels
  // below it.
  explicit XmlFragment(int max_level) : max_level_(max_level) {}

  // Forgets every element, keeping the memory for the next fragment.
  void Clear();
  // An element starts `level` levels below the root (0: the root itself, which clears
  // the fragment first). Returns whether it is kept with its text.
  bool Start(std::string_view name, int level);
  // The element started last at `level` ends with this text.
  void End(int level, std::string_view text);

  // The root element; no element before the first Start.
  XmlElement root() const { return nodes_.empty() ? XmlElement() : XmlElement(this, 0); }
  // The memory the kept elements take.
  std::size_t bytes() const { return nodes_.capacity() * sizeof(Node) + chars_.capacity(); }

 private:
  friend class XmlElement;
  static constexpr std::uint32_t kNone = 0;  // the root is nobody's child or sibling

  struct Node {
    std::uint32_t name_begin = 0;
    std::uint32_t name_size = 0;
    std::uint32_t text_begin = 0;
    std::uint32_t text_size = 0;
    std::uint32_t first_child = kNone;
    std::uint32_t last_child = kNone;
    std::uint32_t next_sibling = kNone;
  };

  std::string_view Chars(std::uint32_t begin, std::uint32_t size) const {
    return std::string_view(chars_).substr(begin, size);
  }
  std::uint32_t Append(std::string_view text);

  int max_level_;
  std::vector<Node> nodes_;
  std::vector<std::uint32_t> open_;  // the kept elements not yet ended
  std::string chars_;                // names and texts
};

// The first child element of this name (no element when there is none).
XmlElement Child(const XmlElement& parent, std::string_view name);

// The text of the first child element of this name ("" when absent).
inline std::string_view ChildText(const XmlElement& parent, std::string_view name) {
  return Child(parent, name).text();
}

// Calls `visit` for each child element of this name, in order.
template <class F>
void ForEachChild(const XmlElement& parent, std::string_view name, F&& visit) {
  for (XmlElement child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.name() == name) visit(child);
  }
}

}  // namespace taskvane::project
