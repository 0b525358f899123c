#include "tests/twin_conversions/package_diff.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace taskvane::testing {
namespace {

constexpr const char* kSharedStrings = "xl/sharedStrings.xml";

std::string Shorten(std::string text) {
  constexpr std::size_t kMax = 160;
  if (text.size() > kMax) text = text.substr(0, kMax) + "...";
  return text;
}

std::string Attributes(const pugi::xml_node& node) {
  std::string text;
  for (pugi::xml_attribute attribute : node.attributes()) {
    if (!text.empty()) text += ' ';
    text.append(attribute.name()).append("=\"").append(attribute.value()).append("\"");
  }
  return text;
}

// The first place where two XML trees differ: names, attributes, texts, children.
std::optional<std::string> FirstXmlDifference(const pugi::xml_node& a, const pugi::xml_node& b,
                                              const std::string& path) {
  if (a.type() != b.type() || std::string_view(a.name()) != b.name()) {
    return path + ": <" + a.name() + "> / <" + b.name() + ">";
  }
  if (std::string_view(a.value()) != b.value()) {
    return path + ": \"" + Shorten(a.value()) + "\" / \"" + Shorten(b.value()) + "\"";
  }
  const std::string attributes_a = Attributes(a);
  const std::string attributes_b = Attributes(b);
  if (attributes_a != attributes_b) {
    return path + " attributes: " + Shorten(attributes_a) + " / " + Shorten(attributes_b);
  }
  pugi::xml_node child_a = a.first_child();
  pugi::xml_node child_b = b.first_child();
  std::map<std::string, int> seen;
  while (child_a || child_b) {
    if (!child_a || !child_b) {
      const pugi::xml_node& extra = child_a ? child_a : child_b;
      return path + ": " + (child_a ? "only expected has <" : "only actual has <") + extra.name() +
             "> " + Shorten(Attributes(extra));
    }
    const std::string name = child_a.type() == pugi::node_element ? child_a.name() : "text()";
    const std::string child_path = path + "/" + name + "[" + std::to_string(++seen[name]) + "]";
    if (auto difference = FirstXmlDifference(child_a, child_b, child_path)) return difference;
    child_a = child_a.next_sibling();
    child_b = child_b.next_sibling();
  }
  return std::nullopt;
}

bool Load(pugi::xml_document& document, const std::string& text) {
  return static_cast<bool>(document.load_buffer(text.data(), text.size(), pugi::parse_default));
}

std::vector<std::string> SharedStrings(const PackageParts& package) {
  std::vector<std::string> strings;
  auto part = package.find(kSharedStrings);
  if (part == package.end()) return strings;
  pugi::xml_document document;
  if (!Load(document, part->second)) return strings;
  for (pugi::xml_node item : document.document_element().children("si")) {
    std::string text;
    for (pugi::xpath_node t : item.select_nodes(".//t")) text += t.node().text().get();
    strings.push_back(std::move(text));
  }
  return strings;
}

std::vector<std::string> SortedStrings(const PackageParts& package) {
  std::vector<std::string> strings = SharedStrings(package);
  std::sort(strings.begin(), strings.end());
  return strings;
}

struct CellContent {
  std::string value;
  std::string style;
  std::string type;
  std::string Describe() const { return "\"" + Shorten(value) + "\" | s=" + style + " t=" + type; }
  bool operator==(const CellContent&) const = default;
};

struct SheetCells {
  std::map<std::string, CellContent> cells;
  std::map<int, std::string> rows;  // row number -> its attributes
};

std::pair<std::string, int> SplitRef(const std::string& ref) {
  std::size_t letters = 0;
  while (letters < ref.size() && std::isalpha(static_cast<unsigned char>(ref[letters]))) ++letters;
  return {ref.substr(0, letters), std::atoi(ref.c_str() + letters)};
}

int ColumnNumber(const std::string& letters) {
  int number = 0;
  for (char c : letters)
    number = number * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
  return number;
}

std::string ColumnLetters(int number) {
  std::string letters;
  for (; number > 0; number = (number - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (number - 1) % 26));
  }
  return letters;
}

SheetCells ReadCells(const pugi::xml_node& sheet_data, const std::vector<std::string>& strings) {
  SheetCells sheet;
  for (pugi::xml_node row : sheet_data.children("row")) {
    const int row_number = row.attribute("r").as_int();
    sheet.rows[row_number] = Attributes(row);
    int column = 0;  // a cell without a reference follows the one before it
    for (pugi::xml_node cell : row.children("c")) {
      const std::string written = cell.attribute("r").value();
      column = written.empty() ? column + 1 : ColumnNumber(SplitRef(written).first);
      const std::string ref = ColumnLetters(column) + std::to_string(row_number);
      CellContent content;
      content.style = cell.attribute("s").value();
      content.type = cell.attribute("t").value();
      const std::string v = cell.child("v").text().get();
      if (content.type == "s") {
        const std::size_t index = std::strtoul(v.c_str(), nullptr, 10);
        content.value = index < strings.size() ? strings[index] : "<bad shared string " + v + ">";
      } else if (content.type == "inlineStr") {
        for (pugi::xpath_node t : cell.select_nodes("is//t"))
          content.value += t.node().text().get();
      } else {
        content.value = v;
      }
      if (pugi::xml_node formula = cell.child("f"))
        content.value += " =" + std::string(formula.text().get());
      sheet.cells[ref] = std::move(content);
    }
  }
  return sheet;
}

// Orders references by row, then by column (shorter column names first).
bool RefBefore(const std::string& a, const std::string& b) {
  const auto [column_a, row_a] = SplitRef(a);
  const auto [column_b, row_b] = SplitRef(b);
  if (row_a != row_b) return row_a < row_b;
  if (column_a.size() != column_b.size()) return column_a.size() < column_b.size();
  return column_a < column_b;
}

class Comparer {
 public:
  Comparer(const PackageParts& expected, const PackageParts& actual, const CellExcuse& excuse,
           std::size_t limit)
      : expected_(expected), actual_(actual), excuse_(excuse), limit_(limit) {}

  PackageComparison Run() {
    for (const auto& [name, bytes] : expected_) {
      if (!actual_.contains(name)) Report(name + ": only in the expected package");
    }
    for (const auto& [name, bytes] : actual_) {
      if (!expected_.contains(name)) Report(name + ": only in the actual package");
    }
    // A sheet's bytes hold string indexes: with other strings, equal bytes may differ.
    const bool strings_equal = Same(kSharedStrings);
    const std::size_t before = result_.differences.size() + result_.excused.size();
    for (const auto& [name, bytes] : expected_) {
      auto other = actual_.find(name);
      if (other == actual_.end() || name == kSharedStrings) continue;
      const bool sheet = name.starts_with("xl/worksheets/sheet");
      if (other->second == bytes && (strings_equal || !sheet)) continue;
      if (sheet) {
        CompareSheet(name, bytes, other->second);
      } else if (name == "docProps/core.xml") {
        CompareCoreProperties(name, bytes, other->second);
      } else if (name.starts_with("xl/drawings/drawing")) {
        CompareShapes(name, bytes, other->second);
      } else {
        CompareXml(name, bytes, other->second);
      }
    }
    // Shared strings that differ while every cell agrees hold a string no cell uses.
    if (!strings_equal && result_.differences.size() + result_.excused.size() == before &&
        SortedStrings(expected_) != SortedStrings(actual_)) {
      Report(std::string(kSharedStrings) + ": differs in strings no cell shows");
    }
    return std::move(result_);
  }

 private:
  bool Same(const std::string& name) const {
    auto a = expected_.find(name);
    auto b = actual_.find(name);
    if (a == expected_.end() || b == actual_.end())
      return a == expected_.end() && b == actual_.end();
    return a->second == b->second;
  }

  void Report(std::string difference) {
    if (result_.differences.size() < limit_) {
      result_.differences.push_back(std::move(difference));
    } else if (result_.differences.size() == limit_) {
      result_.differences.push_back("... more differences");
    }
  }

  void CompareXml(const std::string& name, const std::string& a, const std::string& b) {
    pugi::xml_document doc_a, doc_b;
    if (!Load(doc_a, a) || !Load(doc_b, b)) {
      Report(name + ": differs (not both XML)");
      return;
    }
    const auto difference = FirstXmlDifference(doc_a.document_element(), doc_b.document_element(),
                                               doc_a.document_element().name());
    Report(name + ": " + difference.value_or("same XML, different bytes"));
  }

  // The document's creation and change times are the moments of saving, which two
  // conversions never share; everything else of the core properties is compared.
  void CompareCoreProperties(const std::string& name, const std::string& a, const std::string& b) {
    pugi::xml_document doc_a, doc_b;
    if (!Load(doc_a, a) || !Load(doc_b, b)) {
      Report(name + ": differs (not both XML)");
      return;
    }
    for (pugi::xml_document* doc : {&doc_a, &doc_b}) {
      for (const char* moment : {"dcterms:created", "dcterms:modified"}) {
        doc->document_element().child(moment).text().set("");
      }
    }
    if (auto difference = FirstXmlDifference(doc_a.document_element(), doc_b.document_element(),
                                             doc_a.document_element().name())) {
      Report(name + ": " + *difference);
    }
  }

  void CompareShapes(const std::string& name, const std::string& a, const std::string& b) {
    pugi::xml_document doc_a, doc_b;
    if (!Load(doc_a, a) || !Load(doc_b, b)) {
      Report(name + ": differs (not both XML)");
      return;
    }
    pugi::xml_node shape_a = doc_a.document_element().first_child();
    pugi::xml_node shape_b = doc_b.document_element().first_child();
    int index = 0;
    for (; shape_a && shape_b; shape_a = shape_a.next_sibling(), shape_b = shape_b.next_sibling()) {
      ++index;
      const std::string where = "shape " + std::to_string(index);
      if (auto difference = FirstXmlDifference(shape_a, shape_b, shape_a.name())) {
        Report(name + ": " + where + ": " + *difference);
      }
    }
    int extra_a = 0, extra_b = 0;
    for (; shape_a; shape_a = shape_a.next_sibling()) ++extra_a;
    for (; shape_b; shape_b = shape_b.next_sibling()) ++extra_b;
    if (extra_a + extra_b > 0) {
      Report(name + ": " + std::to_string(index + extra_a) + " shapes / " +
             std::to_string(index + extra_b) + " shapes");
    }
  }

  // Column by column: width, style, hidden; a column's difference can be excused like a
  // cell's (row 0).
  void CompareColumns(const std::string& name, const pugi::xml_node& cols_a,
                      const pugi::xml_node& cols_b) {
    const std::map<int, std::string> a = ColumnAttributes(cols_a);
    const std::map<int, std::string> b = ColumnAttributes(cols_b);
    std::set<int> columns;
    for (const auto& [column, attributes] : a) columns.insert(column);
    for (const auto& [column, attributes] : b) columns.insert(column);
    for (int column : columns) {
      auto in_a = a.find(column);
      auto in_b = b.find(column);
      CellDifference difference;
      difference.part = name;
      difference.column = difference.ref = ColumnLetters(column);
      difference.expected = in_a == a.end() ? "<default>" : in_a->second;
      difference.actual = in_b == b.end() ? "<default>" : in_b->second;
      if (difference.expected == difference.actual) continue;
      if (excuse_) {
        if (auto reason = excuse_(difference)) {
          result_.excused.push_back(name + " column " + difference.ref + ": " + *reason);
          continue;
        }
      }
      Report(name + ": column " + difference.ref + ": " + difference.expected + " / " +
             difference.actual);
    }
  }

  static std::map<int, std::string> ColumnAttributes(const pugi::xml_node& cols) {
    std::map<int, std::string> columns;
    for (pugi::xml_node col : cols.children("col")) {
      std::string attributes;
      for (pugi::xml_attribute attribute : col.attributes()) {
        const std::string_view key = attribute.name();
        if (key == "min" || key == "max") continue;
        if (!attributes.empty()) attributes += ' ';
        attributes.append(key).append("=\"").append(attribute.value()).append("\"");
      }
      const int last = std::min(col.attribute("max").as_int(), 16384);
      for (int column = col.attribute("min").as_int(); column <= last; ++column) {
        columns[column] = attributes;
      }
    }
    return columns;
  }

  void CompareSheet(const std::string& name, const std::string& a, const std::string& b) {
    pugi::xml_document doc_a, doc_b;
    if (!Load(doc_a, a) || !Load(doc_b, b)) {
      Report(name + ": differs (not both XML)");
      return;
    }
    pugi::xml_node data_a = doc_a.document_element().child("sheetData");
    pugi::xml_node data_b = doc_b.document_element().child("sheetData");
    const SheetCells cells_a = ReadCells(data_a, SharedStrings(expected_));
    const SheetCells cells_b = ReadCells(data_b, SharedStrings(actual_));

    std::vector<std::string> refs;
    for (const auto& [ref, content] : cells_a.cells) refs.push_back(ref);
    for (const auto& [ref, content] : cells_b.cells) {
      if (!cells_a.cells.contains(ref)) refs.push_back(ref);
    }
    std::sort(refs.begin(), refs.end(), RefBefore);
    for (const std::string& ref : refs) {
      auto in_a = cells_a.cells.find(ref);
      auto in_b = cells_b.cells.find(ref);
      const bool both = in_a != cells_a.cells.end() && in_b != cells_b.cells.end();
      if (both && in_a->second == in_b->second) continue;
      CellDifference difference;
      difference.part = name;
      difference.ref = ref;
      std::tie(difference.column, difference.row) = SplitRef(ref);
      difference.expected = in_a != cells_a.cells.end() ? in_a->second.Describe() : "<absent>";
      difference.actual = in_b != cells_b.cells.end() ? in_b->second.Describe() : "<absent>";
      if (excuse_) {
        if (auto reason = excuse_(difference)) {
          result_.excused.push_back(name + " " + ref + ": " + *reason);
          continue;
        }
      }
      Report(name + ": cell " + ref + ": " + difference.expected + " / " + difference.actual);
    }
    for (const auto& [row, attributes] : cells_a.rows) {
      auto other = cells_b.rows.find(row);
      const std::string actual = other == cells_b.rows.end() ? "<absent>" : other->second;
      if (actual != attributes) {
        Report(name + ": row " + std::to_string(row) + ": " + attributes + " / " + actual);
      }
    }
    for (const auto& [row, attributes] : cells_b.rows) {
      if (!cells_a.rows.contains(row))
        Report(name + ": row " + std::to_string(row) + " only in actual");
    }
    CompareColumns(name, doc_a.document_element().child("cols"),
                   doc_b.document_element().child("cols"));
    // Everything else of the sheet: merges, views, page setup, drawing link.
    doc_a.document_element().remove_child(data_a);
    doc_b.document_element().remove_child(data_b);
    doc_a.document_element().remove_child("cols");
    doc_b.document_element().remove_child("cols");
    if (auto difference = FirstXmlDifference(doc_a.document_element(), doc_b.document_element(),
                                             doc_a.document_element().name())) {
      Report(name + ": " + *difference);
    }
  }

  const PackageParts& expected_;
  const PackageParts& actual_;
  const CellExcuse& excuse_;
  std::size_t limit_;
  PackageComparison result_;
};

}  // namespace

PackageComparison ComparePackages(const PackageParts& expected, const PackageParts& actual,
                                  const CellExcuse& excuse, std::size_t limit) {
  return Comparer(expected, actual, excuse, limit).Run();
}

std::map<std::string, std::string> SheetTexts(const PackageParts& package,
                                              const std::string& sheet_part) {
  std::map<std::string, std::string> texts;
  auto part = package.find(sheet_part);
  if (part == package.end()) return texts;
  pugi::xml_document document;
  if (!Load(document, part->second)) return texts;
  const SheetCells sheet =
      ReadCells(document.document_element().child("sheetData"), SharedStrings(package));
  for (const auto& [ref, content] : sheet.cells) texts[ref] = content.value;
  return texts;
}

}  // namespace taskvane::testing
