#pragma once

#include <ostream>
#include <string_view>
#include <type_traits>

namespace taskvane::excel {

// A member of an automation object that reads like a plain value and whose assignment is
// the object's setter: `range.Font.Size = 14`, `double s = range.Font.Size`. It refers to
// the object it belongs to (`Owner`), whose getter and setter do the work and raise
// AutomationError where the workbook application refuses. Assigning one property to
// another copies the value.
template <class Owner, class T, T (*Get)(const Owner&), void (*Set)(Owner&, const T&)>
class Property {
 public:
  explicit Property(Owner* owner) : owner_(owner) {}
  Property(const Property&) = delete;

  // Assignments change the object the property belongs to, not the property itself, so
  // they work through a const reference to the object as well.
  const Property& operator=(const Property& other) const { return *this = other.get(); }
  const Property& operator=(const T& value) const {
    Set(*owner_, value);
    return *this;
  }

  T get() const { return Get(*owner_); }
  operator T() const { return get(); }

  // Compares with a plain number or text (a template, so that `IndentLevel != 0` picks
  // it over the built-in comparison reached through the conversion).
  template <class U>
  requires(std::is_arithmetic_v<U> || std::is_convertible_v<const U&, std::string_view>) friend bool
  operator==(const Property& a, const U& b) {
    if constexpr (std::is_arithmetic_v<U>) {
      return a.get() == static_cast<T>(b);
    } else {
      return a.get() == std::string_view(b);
    }
  }
  friend std::ostream& operator<<(std::ostream& out, const Property& p) { return out << p.get(); }

 private:
  Owner* owner_;
};

}  // namespace taskvane::excel
