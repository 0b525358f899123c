"""Reads the workbook that save_test.cpp builds with an independent reader (openpyxl and
the zip's own XML) and reports every difference from what the test put in."""
import datetime
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl

problems = []


def expect(what, actual, wanted):
    if actual != wanted:
        problems.append(f"{what}: got {actual!r}, wanted {wanted!r}")


path = sys.argv[1]
wb = openpyxl.load_workbook(path)
ws = wb.worksheets[0]

# Values and the value rule.
expect("A1", ws["A1"].value, '주간 공정표 <1> & "2"')
expect("A2", ws["A2"].value, "프로젝트")
expect("A3", ws["A3"].value, "단계")
expect("D3", ws["D3"].value, "1주")
expect("D4", ws["D4"].value, datetime.datetime(2024, 1, 1))
expect("D4 format", ws["D4"].number_format, 'm"/"d')
expect("E4", ws["E4"].value, datetime.datetime(2024, 1, 8))
expect("E4 format", ws["E4"].number_format, 'yyyy"년" mm"월" dd"일";@')
expect("F4", ws["F4"].value, "5")
expect("F4 format", ws["F4"].number_format, "@")
expect("E5", ws["E5"].value, 0.5)
expect("E5 format", ws["E5"].number_format, "0%")
expect("F5", ws["F5"].value, 1234)
expect("F5 format", ws["F5"].number_format, "#,##0")
expect("G5", ws["G5"].value, "=SUM(A1)")
expect("G5 type", ws["G5"].data_type, "s")
expect("H5", ws["H5"].value, 2.5)

# Merges.
expect("merges", sorted(str(r) for r in ws.merged_cells.ranges), ["A1:L1", "A3:A4", "B3:B4"])

# Fonts and alignment.
expect("A1 size", ws["A1"].font.sz, 14)
expect("A1 bold", ws["A1"].font.b, True)
expect("A1 align", ws["A1"].alignment.horizontal, "center")
expect("A2 bold", ws["A2"].font.b, True)
expect("A5 size", ws["C3"].font.sz, 11)
expect("font name", ws["A1"].font.name, "맑은 고딕")
expect("B5 wrap", ws["B5"].alignment.wrap_text, True)
expect("C5 indent", ws["C5"].alignment.indent, 2)
expect("C5 align", ws["C5"].alignment.horizontal, "left")

# Fills: the header's palette colour 36, the bar's pattern, all 18 patterns.
expect("A3 fill", (ws["A3"].fill.patternType, ws["A3"].fill.fgColor.indexed), ("solid", 43))
bar = ws["F6"].fill
expect("F6 fill", (bar.patternType, bar.fgColor.indexed, bar.bgColor.indexed), ("lightUp", 64, 10))
patterns = ["solid", "darkGray", "mediumGray", "lightGray", "gray125", "gray0625",
            "darkHorizontal", "darkVertical", "darkDown", "darkUp", "darkGrid", "darkTrellis",
            "lightHorizontal", "lightVertical", "lightDown", "lightUp", "lightGrid",
            "lightTrellis"]
for i, name in enumerate(patterns):
    fill = ws.cell(row=10, column=i + 1).fill
    colour = fill.fgColor.indexed if name == "solid" else fill.bgColor.indexed
    expect(f"row 10 col {i + 1} fill", (fill.patternType, colour), (name, i + 8))

# Borders, both sides of shared edges.
def side(cell, name):
    s = getattr(ws[cell].border, name)
    return (s.style, s.color.indexed if s.color is not None else None)

expect("A3 top", side("A3", "top"), ("thin", 64))
expect("C3 right", side("C3", "right"), ("thin", 64))
expect("D3 left", side("D3", "left"), ("thin", 64))
expect("L4 right", side("L4", "right"), ("thin", 64))
expect("M4 left", side("M4", "left"), ("thin", 64))
expect("D7 right hair", side("D7", "right"), ("hair", 64))
expect("E7 left hair", side("E7", "left"), ("hair", 64))
expect("E7 bottom white", side("E7", "bottom"), ("thin", 9))
expect("E8 top white", side("E8", "top"), ("thin", 9))
expect("E7 top medium", side("E7", "top"), ("medium", 12))
expect("E6 bottom medium", side("E6", "bottom"), ("medium", 12))
expect("E9 bottom thick", side("E9", "bottom"), ("thick", 64))
expect("D8 left dashed", side("D8", "left"), ("dashed", 64))
expect("H8 right double", side("H8", "right"), ("double", 64))
expect("B11 diagonal", (ws["B11"].border.diagonalDown, side("B11", "diagonal")), (True, ("thin", 64)))
expect("C11 diagonal", (ws["C11"].border.diagonalUp, side("C11", "diagonal")), (True, ("dotted", 17)))

# Widths and heights: 11.5, 22.75, 34 and 5.38 characters of an 8-pixel digit.
expect("width A", ws.column_dimensions["A"].width, 12.125)
expect("width B", ws.column_dimensions["B"].width, 23.375)
expect("width C", ws.column_dimensions["C"].width, 34.625)
expect("width D", ws.column_dimensions["D"].width, 6.0)
expect("width F", ws.column_dimensions["F"].width, 5.375)  # fitted to "1,234"
expect("height 1", ws.row_dimensions[1].height, 18.75)
expect("height 2", ws.row_dimensions[2].height, 13.5)
if not ws.row_dimensions[5].height or ws.row_dimensions[5].height < 33:
    problems.append(f"row 5 not fitted to its wrapped text: {ws.row_dimensions[5].height}")

# Page setup.
expect("orientation", ws.page_setup.orientation, "landscape")
expect("scale", ws.page_setup.scale, 70)
expect("paper", ws.page_setup.paperSize, 9)
expect("centred", ws.print_options.horizontalCentered, True)
expect("print titles", ws.print_title_rows, "$1:$4")
m = ws.page_margins
expect("margins", (m.left, m.right, m.top, m.bottom, m.header, m.footer),
       (0.393700787401575, 0.393700787401575, 0.393700787401575, 0.62, 0.551181102362205,
        0.393700787401575))
expect("centre footer", ws.oddFooter.center.text, "&P/&N")
expect("right footer", ws.oddFooter.right.text, "&G")
expect("left footer", ws.oddFooter.left.text, "&G")

# What openpyxl does not load: the drawing and the footer pictures.
with zipfile.ZipFile(path) as z:
    names = set(z.namelist())
    for part in ["xl/drawings/drawing1.xml", "xl/drawings/vmlDrawing1.vml",
                 "xl/media/image1.jpeg", "xl/media/image2.jpeg"]:
        if part not in names:
            problems.append(f"missing part {part}")
    ns = {"xdr": "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing",
          "a": "http://schemas.openxmlformats.org/drawingml/2006/main"}
    drawing = ET.fromstring(z.read("xl/drawings/drawing1.xml"))
    anchors = drawing.findall("xdr:twoCellAnchor", ns)
    expect("shapes", len(anchors), 1)
    if anchors:
        a = anchors[0]
        def marker(tag):
            m = a.find(tag, ns)
            return tuple(int(m.find(f"xdr:{k}", ns).text) for k in ("col", "colOff", "row", "rowOff"))
        expect("from", marker("xdr:from"), (4, 0, 4, 3.5 * 12700))
        expect("to", marker("xdr:to"), (6, 0, 4, 10.5 * 12700))
        off = a.find(".//a:xfrm/a:off", ns).attrib
        ext = a.find(".//a:xfrm/a:ext", ns).attrib
        expect("position", (int(off["x"]), int(off["y"]), int(ext["cx"]), int(ext["cy"])),
               (456.75 * 12700, 62.75 * 12700, (36 + 32.25) * 12700, 7 * 12700))
        expect("fill", a.find(".//xdr:spPr/a:solidFill/a:srgbClr", ns).attrib["val"], "0000FF")
    vml = z.read("xl/drawings/vmlDrawing1.vml").decode()
    for piece in ['id="LF"', 'id="RF"', "width:51.75pt;height:17.25pt"]:
        if piece not in vml:
            problems.append(f"footer drawing lacks {piece}")
    workbook = z.read("xl/workbook.xml").decode()
    if "Sheet1!$1:$4" not in workbook:
        problems.append("no print titles name")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
