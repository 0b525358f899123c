#pragma once

// Element lookup by local name: Project XML puts its elements in a default namespace,
// and other writers use a prefix or none, so names are matched without the prefix.

#include <pugixml.hpp>

#include <string_view>

namespace taskvane::project {

inline std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view name = node.name();
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The first child element with this local name.
inline pugi::xml_node Child(const pugi::xml_node& parent, std::string_view name) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && LocalName(child) == name) return child;
  }
  return {};
}

// The text of the first child element with this local name ("" when absent).
inline std::string_view ChildText(const pugi::xml_node& parent, std::string_view name) {
  return Child(parent, name).child_value();
}

// Calls `visit` for each child element with this local name.
template <class F>
void ForEachChild(const pugi::xml_node& parent, std::string_view name, F&& visit) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && LocalName(child) == name) visit(child);
  }
}

}  // namespace taskvane::project
