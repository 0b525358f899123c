#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace taskvane::excel {

// What a cell holds: nothing, a number, a text or a date (a day serial, shown through a
// date format).
class CellValue {
 public:
  enum class Kind { Empty, Number, Text, Date };

  CellValue() = default;
  static CellValue Number(double number) { return CellValue(Kind::Number, number, {}); }
  static CellValue Date(double serial) { return CellValue(Kind::Date, serial, {}); }
  static CellValue Text(std::string text) { return CellValue(Kind::Text, 0, std::move(text)); }

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool IsText() const { return kind_ == Kind::Text; }
  bool IsNumber() const { return kind_ == Kind::Number; }
  bool IsDate() const { return kind_ == Kind::Date; }
  // The number of a number, the serial of a date, 0 otherwise.
  double number() const { return number_; }
  // The text of a text, "" otherwise.
  const std::string& text() const { return text_; }

  friend bool operator==(const CellValue&, const CellValue&) = default;
  // A text equals its text; a number or a date equals its number.
  friend bool operator==(const CellValue& v, std::string_view text) {
    return v.kind_ == Kind::Text && v.text_ == text;
  }
  friend bool operator==(const CellValue& v, const char* text) {
    return v == std::string_view(text);
  }
  friend bool operator==(const CellValue& v, double number) {
    return (v.kind_ == Kind::Number || v.kind_ == Kind::Date) && v.number_ == number;
  }
  friend std::ostream& operator<<(std::ostream& out, const CellValue& v);

 private:
  CellValue(Kind kind, double number, std::string text)
      : kind_(kind), number_(number), text_(std::move(text)) {}

  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace taskvane::excel
