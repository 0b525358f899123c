#include "platform/excel/cell_value.h"

#include "platform/ooxml/xml_writer.h"
#include "platform/runtime/date.h"

namespace taskvane::excel {

std::ostream& operator<<(std::ostream& out, const CellValue& v) {
  switch (v.kind()) {
    case CellValue::Kind::Empty:
      return out << "(empty)";
    case CellValue::Kind::Number:
      return out << ooxml::FormatDouble(v.number());
    case CellValue::Kind::Date:
      return out << "date " << FormatDate(static_cast<DaySerial>(v.number()));
    case CellValue::Kind::Text:
      return out << '"' << v.text() << '"';
  }
  return out;
}

}  // namespace taskvane::excel
