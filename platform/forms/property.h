#pragma once

#include <functional>
#include <string>
#include <utility>

namespace taskvane::forms {

// What owns properties (a control, a form): told of every change, so that a view mirroring
// the model (the Qt host) can refresh.
class PropertyOwner {
 public:
  virtual void PropertyChanged() = 0;

 protected:
  ~PropertyOwner() = default;
};

// A property of a control: reads like a plain value (`fraMain.Height + 465`), and an
// assignment (`fraMain.Height = 4815`) records the change and runs the control's reaction
// (a check box raising Click, say) only when the value really changes.
template <class T>
class Property {
 public:
  explicit Property(PropertyOwner* owner, T initial = T{}) : owner_(owner), value_(std::move(initial)) {}
  Property(const Property&) = delete;

  Property& operator=(const Property& other) { return *this = other.get(); }
  Property& operator=(T value) {
    Set(std::move(value));
    return *this;
  }

  operator const T&() const { return value_; }
  const T& get() const { return value_; }
  const T* operator->() const { return &value_; }

  // Runs after the value changed, with the value it had before.
  void OnChange(std::function<void(const T& old_value)> reaction) {
    on_change_ = std::move(reaction);
  }
  // Sets the value without running the reaction (used by the control itself).
  void SetQuietly(T value) {
    if (Same(value, value_)) return;
    value_ = std::move(value);
    owner_->PropertyChanged();
  }

  friend bool operator==(const Property& a, const T& b) { return a.value_ == b; }

 private:
  // Kept out of line: GCC 12 otherwise warns, wrongly, that a string built from a literal
  // at the call site may be read uninitialised when the comparison is inlined.
  [[gnu::noinline]] static bool Same(const T& a, const T& b) { return a == b; }

  void Set(T value) {
    if (Same(value, value_)) return;
    T old = std::exchange(value_, std::move(value));
    owner_->PropertyChanged();
    if (on_change_) on_change_(old);
  }

  PropertyOwner* owner_;
  T value_;
  std::function<void(const T&)> on_change_;
};

inline std::string operator+(const Property<std::string>& a, const std::string& b) {
  return a.get() + b;
}
inline std::string operator+(const std::string& a, const Property<std::string>& b) {
  return a + b.get();
}
inline std::string operator+(const Property<std::string>& a, const char* b) { return a.get() + b; }
inline std::string operator+(const char* a, const Property<std::string>& b) { return a + b.get(); }

}  // namespace taskvane::forms
