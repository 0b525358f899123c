"""Prints what an independent reader (openpyxl) finds in a saved workbook, one
"key=value" line per fact, for the tests to compare."""
import sys
import zipfile

import openpyxl
from openpyxl.utils import get_column_letter


def side(s):
    if s is None or s.style is None:
        return "-"
    color = "auto"  # no colour, or the system foreground (indexed 64)
    if s.color is not None and not (s.color.type == "indexed" and s.color.indexed == 64):
        color = str(s.color.indexed) if s.color.type == "indexed" else str(s.color.rgb)
    return f"{s.style}/{color}"


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    out = []
    for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
        for cell in row:
            ref = cell.coordinate
            v = cell.value
            if v is not None:
                if hasattr(v, "strftime"):
                    out.append(f"cell.{ref}=d:{v.strftime('%Y-%m-%d')}")
                elif isinstance(v, (int, float)):
                    out.append(f"cell.{ref}=n:{v:g}")
                else:
                    out.append(f"cell.{ref}=s:{v}")
                out.append(f"numfmt.{ref}={cell.number_format}")
            out.append(f"font.{ref}={cell.font.sz:g},{'bold' if cell.font.b else 'plain'}")
            if cell.alignment.indent:
                out.append(f"indent.{ref}={cell.alignment.indent:g}")
            if cell.alignment.horizontal:
                out.append(f"align.{ref}={cell.alignment.horizontal}")
            b = cell.border
            out.append(f"border.{ref}={side(b.left)},{side(b.top)},{side(b.bottom)},{side(b.right)}")
            if cell.fill is not None and cell.fill.fill_type:
                c = cell.fill.fgColor
                color = str(c.indexed) if c.type == "indexed" else str(c.rgb)
                out.append(f"fill.{ref}={cell.fill.fill_type}/{color}")
    for merged in sorted(str(m) for m in sheet.merged_cells.ranges):
        out.append(f"merge={merged}")
    for letter, dim in sorted(sheet.column_dimensions.items()):
        if dim.width is not None and dim.customWidth:
            out.append(f"width.{letter}={dim.width:g}")
    ps = sheet.page_setup
    out.append(f"page.orientation={ps.orientation}")
    out.append(f"page.scale={ps.scale}")
    out.append(f"page.print_title_rows={sheet.print_title_rows}")
    out.append(f"page.center_horizontally={sheet.print_options.horizontalCentered}")
    m = sheet.page_margins
    for name in ("left", "right", "top", "bottom", "header", "footer"):
        out.append(f"margin.{name}={getattr(m, name):.4f}")
    footer = sheet.oddFooter
    out.append(f"footer.left={footer.left.text or ''}")
    out.append(f"footer.center={footer.center.text or ''}")
    out.append(f"footer.right={footer.right.text or ''}")
    with zipfile.ZipFile(path) as z:
        media = [n for n in z.namelist() if n.startswith("xl/media/")]
    out.append(f"media={len(media)}")
    out.append(f"title={book.properties.title}")
    out.append(f"max_row={sheet.max_row}")
    out.append(f"max_column={get_column_letter(sheet.max_column)}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
