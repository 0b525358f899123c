#pragma once

// Compares two saved Office packages (.xlsx or .pptx) part by part. Parts that are
// byte-identical agree; for the others the difference is located in the XML: a worksheet
// cell by cell (value with its shared string resolved, style, type), then row by row
// (height, style), column by column (width, style) and the rest of the sheet (merges,
// views, page setup) element by element; a drawing shape by shape; any other part element
// by element (its first difference). The creation and change times of docProps/core.xml,
// the moments of saving, are not compared.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace taskvane::testing {

using PackageParts = std::map<std::string, std::string>;

// A worksheet cell, or a whole column (row 0), whose content or format differs between the
// two packages.
struct CellDifference {
  std::string part;      // "xl/worksheets/sheet1.xml"
  std::string ref;       // "F12"; "F" for a column
  std::string column;    // "F"
  int row = 0;           // 0 for a column's width, style or visibility
  std::string expected;  // "value | s=<style> t=<type>", or "<absent>"
  std::string actual;
};

// The reason a cell may differ (a named field whose value the formats cannot carry
// alike), or std::nullopt when the difference counts.
using CellExcuse = std::function<std::optional<std::string>(const CellDifference&)>;

struct PackageComparison {
  std::vector<std::string> differences;  // each "<part>: <where>: <expected> / <actual>"
  std::vector<std::string> excused;      // each "<part> <ref>: <reason>"
};

// At most `limit` differences are described; a sheet with excused cells still has every
// other cell compared. The expected package is the reference (the MSPDI twin).
PackageComparison ComparePackages(const PackageParts& expected, const PackageParts& actual,
                                  const CellExcuse& excuse = {}, std::size_t limit = 20);

// The text of every cell of a worksheet part by reference ("B3"), shared strings resolved.
std::map<std::string, std::string> SheetTexts(const PackageParts& package,
                                              const std::string& sheet_part);

}  // namespace taskvane::testing
