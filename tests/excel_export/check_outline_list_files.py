"""Checks the two outline lists of the driver test against the schedule they came from,
both read independently: the schedule with ElementTree, the workbooks with openpyxl.
Usage: check_outline_list_files.py SCHEDULE.xml INDENT.xlsx COLUMN.xlsx"""
import sys
import xml.etree.ElementTree as ET

import openpyxl

NS = {"p": "http://schemas.microsoft.com/project"}
FIELDS = ["시작 날짜", "기간", "비용", "자원 이름", "텍스트1"]
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def schedule_tasks(path):
    tasks = []
    for task in ET.parse(path).getroot().find("p:Tasks", NS).findall("p:Task", NS):
        field = lambda name: task.findtext("p:" + name, default="", namespaces=NS)
        if field("ID") == "0":
            continue
        tasks.append((field("Name"), int(field("OutlineLevel")), field("Start")[:10]))
    return tasks


def check(path, form, tasks):
    sheet = openpyxl.load_workbook(path).worksheets[0]
    deepest = max(level for _, level, _ in tasks)
    name_columns = 1 if form == "Indent" else deepest
    step = 2 if deepest <= 7 else 1
    last_column = name_columns + len(FIELDS)
    expect(sheet.cell(1, 1).value == "전체 일정표", f"{form}: title")
    expect(sheet.cell(2, 1).value == "샘플 프로젝트", f"{form}: project name")
    expect(sheet.cell(3, 1).value == "작업", f"{form}: header")
    headers = [sheet.cell(3, name_columns + j + 1).value for j in range(len(FIELDS))]
    expect(headers == FIELDS, f"{form}: field headers {headers}")
    merges = sorted(str(m) for m in sheet.merged_cells.ranges)
    title = f"A1:{openpyxl.utils.get_column_letter(last_column)}1"
    expected_merges = [title] if form == "Indent" else sorted([title, f"A3:{openpyxl.utils.get_column_letter(deepest)}3"])
    expect(merges == expected_merges, f"{form}: merges {merges}")
    after = [sheet.cell(len(tasks) + 4, c).value for c in range(1, last_column + 2)]
    expect(all(v is None for v in after), f"{form}: a value after the last task {after}")
    for i, (name, level, start) in enumerate(tasks, start=1):
        row = i + 3
        if form == "Indent":
            cell = sheet.cell(row, 1)
            expect(cell.value == name, f"{form}: row {row} name {cell.value!r}")
            expect((cell.alignment.indent or 0) == (level - 1) * step, f"{form}: row {row} indent")
        else:
            for column in range(1, name_columns + 1):
                value = sheet.cell(row, column).value
                expect(value == (name if column == level else None),
                       f"{form}: row {row} column {column} holds {value!r}")
        shown_start = sheet.cell(row, name_columns + 1).value
        expect(hasattr(shown_start, "strftime") and shown_start.strftime("%Y-%m-%d") == start,
               f"{form}: row {row} start {shown_start!r}")
        duration = sheet.cell(row, name_columns + 2).value
        expect(isinstance(duration, str) and duration.endswith("일"), f"{form}: row {row} duration {duration!r}")
        cost = sheet.cell(row, name_columns + 3).value
        expect(cost is not None and "£" in str(cost) or isinstance(cost, (int, float)),
               f"{form}: row {row} cost {cost!r}")
        for column in range(1, last_column + 1):
            expect(sheet.cell(row, column).font.sz == 8, f"{form}: row {row} font size")
    expect(sheet.cell(1, 1).font.sz == 14 and sheet.cell(1, 1).font.b, f"{form}: title look")
    setup = sheet.page_setup
    expect(setup.orientation == "landscape", f"{form}: orientation")
    expect(str(setup.scale) == "80", f"{form}: zoom {setup.scale}")
    expect(sheet.print_title_rows == "$1:$3", f"{form}: title rows {sheet.print_title_rows}")
    expect(sheet.oddFooter.center.text == "&P/&N", f"{form}: centre footer")


def main(schedule, indent, column):
    tasks = schedule_tasks(schedule)
    expect(any(level > 1 for _, level, _ in tasks), "the schedule has no outline")
    check(indent, "Indent", tasks)
    check(column, "Column", tasks)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
