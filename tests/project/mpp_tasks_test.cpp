// The task reading of the binary schedule reader on crafted bytes: which items are task
// lines, their ID order, the keyed block of format 9 and the list of inserted projects.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/project/mpp/field_map.h"
#include "platform/project/mpp/keyed_block.h"
#include "platform/project/mpp/subprojects.h"
#include "platform/project/mpp/task_items.h"
#include "platform/project/mpp/task_order.h"
#include "platform/runtime/automation_error.h"
#include "tests/project/byte_builder.h"

namespace taskvane::project::mpp {
namespace {

using testing::Bytes;

// --- task items ---

// A task field map: unique ID at +0, ID at +4, start at +20 of the fixed item, and the
// position at +16 of the Fixed2 item.
Bytes TaskMap() {
  Bytes map;
  map.MapEntry(0, 0, 0x0B400056, 0x03, 4);
  map.MapEntry(4, 0, 0x0B400017, 0x03, 4);
  map.MapEntry(20, 0, 0x0B400023, 0x13, 4);
  map.MapEntry(16, 0, 0x0B400479, 0x05, 8);
  return map;
}

// The items of one test, each with its own meta and data bytes.
struct Items {
  std::vector<Bytes> storage;
  std::vector<FixedItem> items, items2;

  ByteView Keep(Bytes bytes) {
    storage.push_back(std::move(bytes));
    return storage.back().view();
  }
  void Add(std::uint8_t flags, Bytes data, Bytes data2 = Bytes()) {
    Bytes meta;
    meta.U32(flags).Zeros(43);
    FixedItem item{Keep(meta), Keep(std::move(data))};
    FixedItem item2{Keep(Bytes().Zeros(8)), Keep(std::move(data2))};
    items.push_back(item);
    items2.push_back(item2);
  }
  void Placeholders() {
    for (std::uint16_t i = 0; i < 3; ++i) Add(0, Bytes().U16(i).U16(0xFFFF).Zeros(20));
  }
  void Task(std::int32_t unique_id, std::int32_t id, double position, std::uint8_t flags = 0) {
    Add(flags, Bytes().U32(unique_id).U32(id).Zeros(16), Bytes().Zeros(16).F64(position));
  }
  void Blank(std::int32_t unique_id, std::int32_t id) {
    Add(0x04, Bytes().U32(unique_id).U32(id).Zeros(8));
  }
};

TEST(MppTaskItems, TasksAndBlankLinesWithoutPlaceholdersOrDeletedItems) {
  Items f;
  f.storage.reserve(64);  // views into the storage must stay valid
  f.Placeholders();
  f.Task(0, 0, 1);
  f.Task(1, 1, 2);
  f.Task(2, 2, 3, 0x02);  // deleted
  f.Blank(3, 3);
  f.Add(0x00, Bytes().U32(4).U32(4).Zeros(16));  // no parallel item: no position
  f.Task(1, 5, 7);                               // the same unique ID again: this later item counts
  f.Add(0x00, Bytes().U16(9));                   // too short for a unique ID
  const Bytes map_bytes = TaskMap();
  const FieldMap map(map_bytes.view(), 12);
  const std::vector<TaskItem> lines = ReadTaskItems(map, f.items, f.items2, 12);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].unique_id, 0);
  EXPECT_EQ(lines[1].unique_id, 3);
  EXPECT_TRUE(lines[1].blank);
  EXPECT_EQ(lines[1].stored_id, 3);
  EXPECT_FALSE(lines[1].position);
  EXPECT_EQ(lines[2].unique_id, 4);
  EXPECT_FALSE(lines[2].position) << "a task item without its parallel item";
  EXPECT_EQ(lines[3].unique_id, 1);
  EXPECT_EQ(lines[3].stored_id, 5);
  EXPECT_EQ(lines[3].position, 7.0);
  EXPECT_EQ(lines[3].index, 8u);

  // Format 9 has no position, and a short blank line there is 8 bytes long.
  Items nine;
  nine.storage.reserve(64);
  nine.Placeholders();
  nine.Add(0x04, Bytes().U32(6).U32(2));
  nine.Add(0x04, Bytes().U32(7).U32(3).Zeros(8));  // 16 bytes: not a format-9 blank line
  const std::vector<TaskItem> nine_lines = ReadTaskItems(map, nine.items, {}, 9);
  ASSERT_EQ(nine_lines.size(), 2u);
  EXPECT_TRUE(nine_lines[0].blank);
  EXPECT_FALSE(nine_lines[1].blank);
  EXPECT_EQ(nine_lines[1].stored_id, 3);
}

TEST(MppTaskItems, PositionsBelowOneOrNotANumberAreWipedData) {
  const Bytes map_bytes = TaskMap();
  const FieldMap map(map_bytes.view(), 12);
  for (double position : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
    Items f;
    f.storage.reserve(64);
    f.Placeholders();
    f.Task(0, 0, 1);
    f.Task(1, 1, position);
    EXPECT_THROW(ReadTaskItems(map, f.items, f.items2, 12), AutomationError) << position;
  }
}

TEST(MppTaskItems, AMapWithoutAFixedUniqueIdIsDamage) {
  Bytes map_bytes;
  map_bytes.MapEntry(0xFFFF, 0, 0x0B400056, 0x03, 4);
  const FieldMap map(map_bytes.view(), 12);
  EXPECT_THROW(ReadTaskItems(map, {}, {}, 12), AutomationError);
}

// --- ID order ---

TaskItem Line(std::int64_t unique_id, std::int64_t stored_id, std::optional<double> position,
              bool blank = false) {
  TaskItem item;
  item.unique_id = unique_id;
  item.stored_id = stored_id;
  item.position = position;
  item.blank = blank;
  return item;
}

std::vector<std::int64_t> UniqueIdsInOrder(const std::vector<TaskItem>& lines, int format) {
  std::vector<std::int64_t> ids;
  for (std::size_t i : IdOrder(lines, format)) ids.push_back(lines[i].unique_id);
  return ids;
}

TEST(MppTaskOrder, Format9FollowsTheStoredIds) {
  const std::vector<TaskItem> lines{Line(10, 3, 1.0), Line(11, 1, 3.0),
                                    Line(12, 2, std::nullopt, true)};
  EXPECT_EQ(UniqueIdsInOrder(lines, 9), (std::vector<std::int64_t>{11, 12, 10}));
}

TEST(MppTaskOrder, LaterFormatsFollowThePositionAndPutBlankLinesAtTheirId) {
  // After rows were deleted Project keeps the stale IDs 2, 4, 6 and 9 of tasks it shows as
  // 1, 2, 3 and 5; the blank line keeps its true ID 4.
  const std::vector<TaskItem> deleted{Line(21, 9, 4.0), Line(22, 2, 1.0), Line(23, 4, 2.0),
                                      Line(24, 4, std::nullopt, true), Line(25, 6, 3.0)};
  EXPECT_EQ(UniqueIdsInOrder(deleted, 14), (std::vector<std::int64_t>{22, 23, 25, 24, 21}));
  // A task without a position is placed by its ID like a blank line; IDs past the end
  // come last.
  const std::vector<TaskItem> unplaced{Line(31, 1, std::nullopt), Line(32, 50, std::nullopt, true),
                                       Line(33, 7, 2.0), Line(34, 8, 1.0)};
  EXPECT_EQ(UniqueIdsInOrder(unplaced, 12), (std::vector<std::int64_t>{31, 34, 33, 32}));
  // Two tasks in one place: a wiped or damaged stream.
  const std::vector<TaskItem> ties{Line(41, 1, 1.0), Line(42, 2, 1.0)};
  EXPECT_THROW(IdOrder(ties, 12), AutomationError);
}

// --- keyed block ---

TEST(MppKeyedBlock, ValuesRunToTheNextOffset) {
  Bytes b;
  b.U32(0).U32(5);             // length (not used) and five pairs; the values start at 48
  b.U32(0x0B4001E3).U32(52);   // Baseline1 Finish
  b.U32(0x0B4001E2).U32(48);   // Baseline1 Start
  b.U32(0x0B4001E4).U32(56);   // Baseline1 Cost, the last value: to the end
  b.U32(0x0B4001E3).U32(48);   // the same field again: the first pair counts
  b.U32(0x0B4001E5).U32(900);  // outside the item
  b.U16(4800).U16(14611).U16(6000).U16(14612).F64(250);
  const KeyedBlock block(b.view());
  ASSERT_TRUE(block.Find(0x0B4001E2));
  EXPECT_EQ(block.Find(0x0B4001E2)->size(), 4u);
  EXPECT_EQ(block.Find(0x0B4001E2)->U16(0), 4800);
  EXPECT_EQ(block.Find(0x0B4001E3)->U16(0), 6000);
  EXPECT_EQ(block.Find(0x0B4001E4)->size(), 8u);
  EXPECT_EQ(block.Find(0x0B4001E4)->F64(0), 250.0);
  EXPECT_FALSE(block.Find(0x0B4001E5));
  EXPECT_FALSE(block.Find(0x0B400001));

  Bytes absurd;
  absurd.U32(0).U32(0xFFFFFFFF).U32(0x0B4001E2).U32(16).U32(7);
  EXPECT_EQ(KeyedBlock(absurd.view()).Find(0x0B4001E2)->size(), 4u)
      << "a count larger than the item reads what fits";
  EXPECT_TRUE(KeyedBlock(Bytes().U16(1).view()).empty());
}

// --- inserted projects ---

// The list of linked files, built part by part; pointers are offsets in the item.
class LinkedFiles {
 public:
  explicit LinkedFiles(int format) : format_(format) {}
  // An entry of `type` whose pointers follow `layout` ('u' list, 'p' path, else other).
  void Entry(std::uint8_t type, std::string_view layout, std::uint32_t unique_id,
             std::string_view short_path, std::u16string_view full_path) {
    std::vector<std::uint32_t> pointers{Append(Bytes().Zeros(16).U8(type).Zeros(3))};
    for (char part : layout) {
      if (part == 'u') {
        pointers.push_back(Append(Bytes().U32(unique_id).U32(format_ == 14 ? 0x067D0000 : 0)));
      } else if (part == 'p') {
        Bytes path;
        path.U32(0x0303).Zeros(14).U32(0);
        path.Text8(short_path).U8(0).Zeros(24);
        if (full_path.empty()) {
          path.U32(0);
        } else {
          path.U32(1).U32(static_cast<std::uint32_t>(full_path.size() * 2)).U16(3);
          for (char16_t c : full_path) path.U16(c);
        }
        pointers.push_back(Append(path));
      } else {
        pointers.push_back(Append(Bytes().U32(0)));
      }
    }
    // High bits above the pointer are not part of it.
    for (std::uint32_t pointer : pointers) entries_.push_back(pointer | 0x00400000);
    last_entry_ = pointers.size();
  }
  void RepeatLastEntry(int times) {
    const std::vector<std::uint32_t> last(entries_.end() - last_entry_, entries_.end());
    for (int i = 0; i < times; ++i) entries_.insert(entries_.end(), last.begin(), last.end());
  }
  Bytes Item() const {
    Bytes item;
    const std::uint32_t body = 12 + 4 * static_cast<std::uint32_t>(entries_.size());
    item.U32(body + static_cast<std::uint32_t>(parts_.size())).U32(9).U32(body);
    for (std::uint32_t pointer : entries_) item.U32(pointer + body);
    item.Append(parts_);
    return item;
  }

 private:
  std::uint32_t Append(const Bytes& bytes) {
    const auto at = static_cast<std::uint32_t>(parts_.size());
    parts_.Append(bytes);
    return at;
  }
  int format_;
  Bytes parts_;
  std::vector<std::uint32_t> entries_;
  std::size_t last_entry_ = 0;  // pointers of the last entry
};

TEST(MppInsertedProjects, TaskLinesWithTheirPaths) {
  LinkedFiles list(14);
  list.Entry(0x04, "pn", 0, "C:\\POOL.MPP", u"C:\\Resources\\Pool.mpp");  // no task line
  list.Entry(0x03, "upn-", 5, "C:\\PARTB.MPP", u"");                      // only the short path
  list.Entry(0x01, "upn", 2, "C:\\PLANS\\PARTA~1.MPP", u"C:\\Plans\\Part A 작업.mpp");
  const Bytes item = list.Item();
  const std::vector<InsertedProject> projects = ReadInsertedProjects(item.view(), 14);
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0].task_unique_id, 5);
  EXPECT_EQ(projects[0].path, "C:\\PARTB.MPP");
  EXPECT_EQ(projects[1].task_unique_id, 2);
  EXPECT_EQ(projects[1].path, "C:\\Plans\\Part A 작업.mpp");
}

TEST(MppInsertedProjects, Format9PointersAndLayouts) {
  // Format 9 keeps 16-bit pointers (the bit above them belongs to something else) and
  // has one pointer fewer after type 0x03.
  LinkedFiles list(9);
  list.Entry(0x03, "upn", 4, "C:\\A.MPP", u"C:\\Plans\\A.mpp");
  list.Entry(0x01, "upn", 6, "C:\\B.MPP", u"C:\\Plans\\B.mpp");
  Bytes item = list.Item();
  // Pointer bits 16 and up are noise in format 9.
  for (std::size_t at = 12; at < 12 + 4 * 8; at += 4) item.vector()[at + 2] |= 0x01;
  const std::vector<InsertedProject> projects = ReadInsertedProjects(item.view(), 9);
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0].task_unique_id, 4);
  EXPECT_EQ(projects[1].path, "C:\\Plans\\B.mpp");
}

TEST(MppInsertedProjects, EntriesPointingAtTheSameBytesCannotMultiplyThem) {
  // One inserted project with a long path, and thousands of entries repeating its
  // pointers: the list reads each stretch about once, not once per entry.
  LinkedFiles list(14);
  list.Entry(0x01, "upn", 2, "C:\\A.MPP", std::u16string(30000, u'x'));
  list.RepeatLastEntry(5000);
  const Bytes item = list.Item();
  const std::vector<InsertedProject> projects = ReadInsertedProjects(item.view(), 14);
  ASSERT_FALSE(projects.empty());
  EXPECT_EQ(projects[0].path.size(), 30000u);
  EXPECT_LT(projects.size(), 10u);
}

TEST(MppInsertedProjects, PointersOutsideTheItemEndTheList) {
  LinkedFiles list(14);
  list.Entry(0x01, "upn", 2, "C:\\A.MPP", u"C:\\A.mpp");
  const Bytes item = list.Item();
  const ByteView cut = item.view().Sub(0, item.size() - 10);  // the full path runs past the end
  EXPECT_TRUE(ReadInsertedProjects(cut, 14).empty());
  Bytes wild;
  wild.U32(40).U32(9).U32(40).U32(0x1FFFF).Zeros(24);
  EXPECT_TRUE(ReadInsertedProjects(wild.view(), 14).empty());
  EXPECT_TRUE(ReadInsertedProjects(ByteView(), 14).empty());
}

}  // namespace
}  // namespace taskvane::project::mpp
