"""Prints what independent readers find in a saved Gantt workbook, one "key=value" line
per fact: openpyxl for cells, fills, merges and widths, the drawing part for the
rectangles (openpyxl does not load shapes)."""
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl

XDR = "{http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing}"
A = "{http://schemas.openxmlformats.org/drawingml/2006/main}"


def cells(sheet, out):
    for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
        for cell in row:
            v = cell.value
            if v is not None:
                if hasattr(v, "strftime"):
                    out.append(f"cell.{cell.coordinate}=d:{v.strftime('%Y-%m-%d')}")
                elif isinstance(v, (int, float)):
                    out.append(f"cell.{cell.coordinate}=n:{v:g}")
                else:
                    out.append(f"cell.{cell.coordinate}=s:{v}")
            if cell.fill is not None and cell.fill.fill_type:
                colors = [str(c.indexed) if c.type == "indexed" else str(c.rgb)
                          for c in (cell.fill.fgColor, cell.fill.bgColor)]
                out.append(f"fill.{cell.coordinate}={cell.fill.fill_type}/{'/'.join(colors)}")


def shapes(path, out):
    with zipfile.ZipFile(path) as z:
        names = sorted(n for n in z.namelist() if n.startswith("xl/drawings/drawing"))
        count = 0
        for name in names:
            root = ET.fromstring(z.read(name))
            for anchor in root:
                if anchor.tag not in (XDR + "twoCellAnchor", XDR + "oneCellAnchor",
                                      XDR + "absoluteAnchor"):
                    continue
                count += 1
                frm = anchor.find(XDR + "from")
                if frm is not None:
                    col = int(frm.find(XDR + "col").text)
                    row = int(frm.find(XDR + "row").text)
                    col_off = int(frm.find(XDR + "colOff").text)
                    row_off = int(frm.find(XDR + "rowOff").text)
                    # zero-based cell and EMU offsets (12700 per point)
                    out.append(f"shape{count}.from={col + 1},{col_off / 12700:g},"
                               f"{row + 1},{row_off / 12700:g}")
                to = anchor.find(XDR + "to")
                if to is not None:
                    out.append(f"shape{count}.to={int(to.find(XDR + 'col').text) + 1},"
                               f"{int(to.find(XDR + 'colOff').text) / 12700:g},"
                               f"{int(to.find(XDR + 'row').text) + 1},"
                               f"{int(to.find(XDR + 'rowOff').text) / 12700:g}")
                geom = anchor.find(f".//{A}prstGeom")
                if geom is not None:
                    out.append(f"shape{count}.geometry={geom.get('prst')}")
        out.append(f"shapes={count}")


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    out = []
    cells(sheet, out)
    for merged in sorted(str(m) for m in sheet.merged_cells.ranges):
        out.append(f"merge={merged}")
    for letter, dim in sorted(sheet.column_dimensions.items()):
        if dim.width is not None and dim.customWidth:
            out.append(f"width.{letter}={dim.width:g}")
    out.append(f"page.orientation={sheet.page_setup.orientation}")
    out.append(f"page.print_title_rows={sheet.print_title_rows}")
    shapes(path, out)
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
