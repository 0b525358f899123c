#include "platform/project/xml_fragment.h"

namespace taskvane::project {

std::string_view XmlElement::name() const {
  if (!fragment_) return {};
  const auto& node = fragment_->nodes_[index_];
  return fragment_->Chars(node.name_begin, node.name_size);
}

std::string_view XmlElement::text() const {
  if (!fragment_) return {};
  const auto& node = fragment_->nodes_[index_];
  return fragment_->Chars(node.text_begin, node.text_size);
}

XmlElement XmlElement::first_child() const {
  if (!fragment_) return {};
  const std::uint32_t child = fragment_->nodes_[index_].first_child;
  return child == XmlFragment::kNone ? XmlElement() : XmlElement(fragment_, child);
}

XmlElement XmlElement::next_sibling() const {
  if (!fragment_) return {};
  const std::uint32_t sibling = fragment_->nodes_[index_].next_sibling;
  return sibling == XmlFragment::kNone ? XmlElement() : XmlElement(fragment_, sibling);
}

void XmlFragment::Clear() {
  nodes_.clear();
  open_.clear();
  chars_.clear();
}

std::uint32_t XmlFragment::Append(std::string_view text) {
  const auto begin = static_cast<std::uint32_t>(chars_.size());
  chars_.append(text);
  return begin;
}

bool XmlFragment::Start(std::string_view name, int level) {
  if (level == 0) Clear();
  // Only the elements on a line of kept ancestors are kept.
  if (level > max_level_ || level != static_cast<int>(open_.size())) return false;
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  Node node;
  node.name_size = static_cast<std::uint32_t>(name.size());
  node.name_begin = Append(name);
  nodes_.push_back(node);
  if (!open_.empty()) {
    Node& parent = nodes_[open_.back()];
    if (parent.first_child == kNone) {
      parent.first_child = index;
    } else {
      nodes_[parent.last_child].next_sibling = index;
    }
    parent.last_child = index;
  }
  open_.push_back(index);
  return level > 0;  // the root's own text is never asked for
}

void XmlFragment::End(int level, std::string_view text) {
  if (level + 1 != static_cast<int>(open_.size())) return;  // not kept
  Node& node = nodes_[open_.back()];
  node.text_size = static_cast<std::uint32_t>(text.size());
  node.text_begin = Append(text);
  open_.pop_back();
}

XmlElement Child(const XmlElement& parent, std::string_view name) {
  for (XmlElement child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.name() == name) return child;
  }
  return {};
}

}  // namespace taskvane::project
