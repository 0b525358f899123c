#pragma once

#include <concepts>
#include <string>
#include <utility>

namespace taskvane::ppt {

// A property of a presentation object reached through an accessor (a cell's text, a
// column's width, a border's weight). It reads like a plain value
// (`Cell(2, 2).Shape.TextFrame.TextRange.Text == key`) and an assignment goes to the object
// (`Columns(1).Width = 50`). Assigning one property to another copies the value, as in
// automation code; the property itself always stays bound to its object.
//
// An accessor is a small value type with `using value_type = ...;`, `value_type Get() const`
// and `void Set(const value_type&) const`.
template <class Accessor>
class Property {
 public:
  using value_type = typename Accessor::value_type;

  explicit Property(Accessor accessor) : accessor_(std::move(accessor)) {}
  Property(const Property&) = default;

  Property& operator=(const Property& other) {
    accessor_.Set(other.get());
    return *this;
  }
  Property& operator=(const value_type& value) {
    accessor_.Set(value);
    return *this;
  }

  operator value_type() const { return accessor_.Get(); }
  value_type get() const { return accessor_.Get(); }

  // Texts compare and join like std::string (numbers do so through the conversion).
  friend bool operator==(const Property& a,
                         const std::string& b) requires std::same_as<value_type, std::string> {
    return a.get() == b;
  }
  friend std::string operator+(
      const Property& a, const std::string& b) requires std::same_as<value_type, std::string> {
    return a.get() + b;
  }
  friend std::string operator+(const std::string& a,
                               const Property& b) requires std::same_as<value_type, std::string> {
    return a + b.get();
  }

 private:
  Accessor accessor_;
};

// A property that can only be read (`Rows.Count`).
template <class Accessor>
class ReadOnlyProperty {
 public:
  using value_type = typename Accessor::value_type;

  explicit ReadOnlyProperty(Accessor accessor) : accessor_(std::move(accessor)) {}
  ReadOnlyProperty(const ReadOnlyProperty&) = default;
  ReadOnlyProperty& operator=(const ReadOnlyProperty&) = delete;

  operator value_type() const { return accessor_.Get(); }
  value_type get() const { return accessor_.Get(); }

 private:
  Accessor accessor_;
};

}  // namespace taskvane::ppt
