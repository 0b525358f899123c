// The building blocks of the binary schedule reader on crafted bytes: bounds, Props items,
// fixed and var blocks, field maps and value encodings.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/project/mpp/compound_file.h"
#include "platform/project/mpp/field_map.h"
#include "platform/project/mpp/fixed_block.h"
#include "platform/project/mpp/mpp_values.h"
#include "platform/project/mpp/props_stream.h"
#include "platform/project/mpp/var_block.h"
#include "platform/runtime/automation_error.h"
#include "tests/project/byte_builder.h"

namespace taskvane::project::mpp {
namespace {

using testing::Bytes;

constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;

// A directory entry of a compound file: name, type (1 storage, 2 stream, 5 root), the
// left and right siblings and the first child.
void DirectoryEntry(Bytes& b, std::string_view name, std::uint8_t type, std::uint32_t left,
                    std::uint32_t right, std::uint32_t child) {
  Bytes entry;
  entry.Utf16(name).Zeros(64 - 2 * (name.size() + 1));
  entry.U16(static_cast<std::uint16_t>(2 * (name.size() + 1))).U8(type).U8(1);
  entry.U32(left).U32(right).U32(child).Zeros(16 + 4 + 16);
  entry.U32(kEndOfChain).U32(0).U32(0);  // first sector, size
  b.Append(entry);
}

// The smallest compound file: the header, one allocation sector, one directory sector with
// the root and a stream "A" (its links as given for the root).
Bytes CompoundFileBytes(std::uint32_t root_right, std::uint32_t root_child) {
  Bytes b;
  for (std::uint8_t c : {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1}) b.U8(c);
  b.Zeros(16).U16(0x3E).U16(3).U16(0xFFFE).U16(9).U16(6).Zeros(6);
  b.U32(0).U32(1).U32(1).U32(0).U32(4096);  // directory sectors, FAT sectors, directory at 1
  b.U32(kEndOfChain).U32(0).U32(kEndOfChain).U32(0);  // no mini FAT, no further FAT list
  b.U32(0);                                           // the FAT is sector 0
  for (int i = 1; i < 109; ++i) b.U32(kNoStream);
  b.U32(0xFFFFFFFD).U32(kEndOfChain);  // sector 0: FAT, sector 1: the directory
  for (int i = 2; i < 128; ++i) b.U32(kNoStream);
  DirectoryEntry(b, "Root Entry", 5, kNoStream, root_right, root_child);
  DirectoryEntry(b, "A", 2, kNoStream, kNoStream, kNoStream);
  for (int i = 2; i < 4; ++i) DirectoryEntry(b, "", 0, kNoStream, kNoStream, kNoStream);
  return b;
}

TEST(MppContainer, RootWithSiblingsIsDamage) {
  Bytes valid = CompoundFileBytes(kNoStream, 1);
  const auto container = CompoundFile::Open(valid.vector());
  ASSERT_TRUE(container.has_value());
  EXPECT_EQ(container->RootNames(), std::vector<std::string>{"A"});
  EXPECT_EQ(container->ReadStream("A", 10), std::vector<std::uint8_t>{});

  // The root has no siblings; the container library would build an entry for this one that
  // belongs nowhere and never free it.
  Bytes hostile = CompoundFileBytes(1, kNoStream);
  EXPECT_FALSE(CompoundFile::Open(hostile.vector()).has_value());
}

TEST(MppContainer, AFileCutShortOfItsSectorsIsNoticed) {
  Bytes whole = CompoundFileBytes(kNoStream, 1);
  ASSERT_EQ(whole.vector().size(), 3u * 512);  // header, the table, the directory
  EXPECT_FALSE(IsCutShort(whole.vector()));
  std::vector<std::uint8_t> cut = whole.vector();
  cut.pop_back();
  EXPECT_TRUE(IsCutShort(cut));
  // Trailing sectors the table hands out to nothing may be missing.
  std::vector<std::uint8_t> longer = whole.vector();
  longer.resize(longer.size() + 512);
  EXPECT_FALSE(IsCutShort(longer));
  // A table sector past the end of the file.
  std::vector<std::uint8_t> lost_table = whole.vector();
  lost_table[0x4C] = 7;
  EXPECT_TRUE(IsCutShort(lost_table));
}

TEST(MppBytes, ReadsStayInsideTheirWindow) {
  Bytes b;
  b.U32(0x11223344).U16(0xBEEF);
  const ByteView view = b.view();
  EXPECT_EQ(view.U32(0), 0x11223344u);
  EXPECT_EQ(view.U16(4), 0xBEEF);
  EXPECT_EQ(view.U32(3), std::nullopt);
  EXPECT_EQ(view.U16(5), std::nullopt);
  EXPECT_EQ(view.U8(SIZE_MAX), std::nullopt);
  EXPECT_FALSE(view.Contains(SIZE_MAX, 2));
  EXPECT_EQ(view.Sub(4, 100).size(), 2u);
  EXPECT_TRUE(view.Sub(7).empty());
}

TEST(MppBytes, PropsItemsStopAtTheFirstItemThatDoesNotFit) {
  Bytes b;
  b.Zeros(12).U16(3).Zeros(2);
  b.U32(3).U32(0x100).U32(0).U8('a').U8('b').U8('c').U8(0);  // odd size: one pad byte
  b.U32(2).U32(0x200).U32(0).U16(7);
  b.U32(1000).U32(0x300).U32(0).U16(9);  // runs past the end
  const PropsStream props(b.view());
  EXPECT_EQ(props.ItemCount(), 2u);
  ASSERT_TRUE(props.Find(0x100));
  EXPECT_EQ(props.Find(0x100)->size(), 3u);
  EXPECT_EQ(props.Find(0x200)->U16(0), 7);
  EXPECT_FALSE(props.Find(0x300));
}

TEST(MppBytes, FixedItemsRunToTheNextOffsetOrTheEnd) {
  Bytes meta;
  meta.U32(0xFADFADBA).U32(0).U32(1).U32(0);  // the header count is too small
  const std::uint32_t offsets[] = {0, 4, 2, 500};
  for (std::uint32_t offset : offsets) meta.U32(0x04).U32(offset).Zeros(2);
  Bytes data;
  data.Zeros(10);
  const auto items = ReadFixedItems(meta.view(), data.view(), 10);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].data.size(), 4u);
  EXPECT_EQ(items[1].data.size(), 6u);  // its successor starts before it
  EXPECT_EQ(items[2].data.size(), 8u);  // its successor starts outside the data
  EXPECT_TRUE(items[3].data.empty());
  EXPECT_EQ(items[0].flags(), 0x04);

  Bytes bad;
  bad.U32(0x12345678).Zeros(12);
  EXPECT_THROW(ReadFixedItems(bad.view(), data.view(), 10), AutomationError);
  EXPECT_EQ(ParallelMetaItemBytes(meta.view(), 4), 10u);
}

TEST(MppBytes, VarValuesOutsideTheirStreamAreNotSet) {
  for (int format : {9, 14}) {
    Bytes meta;
    meta.U32(0xFADFADBA).U32(0).U32(3).Zeros(8).U32(0);
    auto entry = [&](std::uint32_t uid, std::uint16_t key, std::uint32_t offset) {
      if (format == 9) {
        meta.U16(uid & 0xFFFF).U8(uid >> 16).U8(static_cast<std::uint8_t>(key)).U32(offset);
      } else {
        meta.U32(uid).U32(offset).U16(key).U16(0);
      }
    };
    entry(70000, 14, 0);
    entry(5, 1, 6);
    entry(5, 2, 0xFFFFFFF0);
    entry(6, 3, 0);  // beyond the count: ignored
    Bytes data;
    data.U32(2).U16(0x41).U32(100);
    const VarBlock var(meta.view(), data.view(), format);
    ASSERT_TRUE(var.Find(70000, 14)) << format;
    EXPECT_EQ(var.Find(70000, 14)->size(), 2u);
    EXPECT_FALSE(var.Find(5, 1)) << "length runs past the end";
    EXPECT_FALSE(var.Find(5, 2)) << "offset outside";
    EXPECT_FALSE(var.Find(6, 3));
    EXPECT_TRUE(var.HasEntries(5));
  }
}

TEST(MppBytes, VarValuesSharingBytesAreDamage) {
  // Two entries of one key: the later counts. Values side by side are fine.
  Bytes meta;
  meta.U32(0xFADFADBA).U32(0).U32(3).Zeros(12);
  meta.U32(5).U32(0).U16(14).U16(0);
  meta.U32(5).U32(6).U16(14).U16(0);
  meta.U32(6).U32(0).U16(1).U16(0);
  Bytes data;
  data.U32(2).U16('a').U32(2).U16('b');
  const VarBlock var(meta.view(), data.view(), 14);
  EXPECT_EQ(var.Find(5, 14)->U16(0), 'b');
  EXPECT_TRUE(var.HasEntries(6));
  EXPECT_FALSE(var.HasEntries(7));

  // Every entry pointing at the one long value: far more text than the stream holds.
  Bytes shared_meta;
  shared_meta.U32(0xFADFADBA).U32(0).U32(100).Zeros(12);
  for (std::uint32_t uid = 0; uid < 100; ++uid) shared_meta.U32(uid).U32(0).U16(14).U16(0);
  Bytes long_value;
  long_value.U32(1000).Zeros(1000);
  EXPECT_THROW(VarBlock(shared_meta.view(), long_value.view(), 14), AutomationError);
}

TEST(MppBytes, WipedVarStreamsAreDamage) {
  Bytes meta;
  meta.U32(0xFADFADBA).U32(0).U32(1).Zeros(12).U32(5).U32(0).U16(14).U16(0);
  Bytes data;
  data.U32(2).U16('a');
  EXPECT_NO_THROW(VarBlock(meta.view(), data.view(), 14));
  // A value of no length: what a data stream of zeros reads as.
  EXPECT_THROW(VarBlock(meta.view(), Bytes().Zeros(6).view(), 14), AutomationError);
  // A meta stream of zeros has no signature.
  EXPECT_THROW(VarBlock(Bytes().Zeros(36).view(), data.view(), 14), AutomationError);
}

TEST(MppBytes, TaskAndResourceDataStartWithThreePlaceholders) {
  Bytes meta;
  meta.U32(0xFADFADBA).Zeros(12);
  for (std::uint32_t offset : {0u, 4u, 8u, 12u}) meta.U32(0).U32(offset).Zeros(2);
  Bytes data;
  data.U16(0).U16(0xFFFF).U16(1).U16(0xFFFF).U16(2).U16(0xFFFF).U32(7);
  EXPECT_TRUE(StartsWithPlaceholders(ReadFixedItems(meta.view(), data.view(), 10), 3));
  EXPECT_FALSE(
      StartsWithPlaceholders(ReadFixedItems(meta.view(), Bytes().Zeros(16).view(), 10), 3));
  EXPECT_FALSE(StartsWithPlaceholders(ReadFixedItems(meta.view(), data.view(), 10), 5));
}

TEST(MppBytes, FieldMapPlacesFixedFieldsInTwoBlocksAndVarFieldsByKey) {
  Bytes map;
  map.MapEntry(0, 0, 0x0B400056, 0x03, 4);          // unique ID, block 0 at 0
  map.MapEntry(20, 0, 0x0B400023, 0x13, 4);         // start, block 0 at 20
  map.MapEntry(16, 0, 0x0B400479, 0x05, 8);         // position: offset drops, so block 1
  map.MapEntry(0xFFFF, 11, 0x0B40000E, 0x08, 512);  // name: var
  map.MapEntry(0xFFFF, 0, 0x0B400001, 0x0B, 0);     // a flag
  const FieldMap nine(map.view(), 9);
  EXPECT_EQ(nine.Extent(0), 24u);
  EXPECT_EQ(nine.Extent(1), 24u);
  EXPECT_EQ(nine.Find(kTaskClass, 0x479)->block, 1);
  EXPECT_EQ(nine.Find(kTaskClass, 14)->var_key, 11);
  EXPECT_EQ(nine.Find(kTaskClass, 1)->kind, FieldLocation::Kind::kFlag);
  EXPECT_FALSE(nine.Find(kResourceClass, 14));
  const FieldMap fourteen(map.view(), 14);
  EXPECT_EQ(fourteen.Find(kTaskClass, 14)->var_key, 14);

  Bytes block0;
  block0.U32(7).Zeros(16).U16(4800).U16(14611);
  Bytes block1;
  block1.Zeros(16).F64(3.0);
  const ItemFields fields(nine, kTaskClass, block0.view(), block1.view(), nullptr, 7);
  EXPECT_EQ(fields.Value(0x56)->I32(0), 7);
  EXPECT_TRUE(fields.Value(0x23));
  EXPECT_EQ(fields.Value(0x479)->F64(0), 3.0);
  EXPECT_FALSE(fields.Value(14)) << "no var block";
  const ItemFields short_item(nine, kTaskClass, block0.view().Sub(0, 22), ByteView(), nullptr, 7);
  EXPECT_FALSE(short_item.Value(0x23));
  EXPECT_FALSE(short_item.Value(0x479));
}

TEST(MppValues, EncodingsAndTheirNotSetForms) {
  Bytes b;
  b.U16(4800).U16(14611);  // 08:00 on day 14611 after 1983-12-31 = 2024-01-01
  EXPECT_EQ(Timestamp(b.view()), (DateTime{DateSerial(2024, 1, 1), 480}));
  EXPECT_EQ(Timestamp(Bytes().U32(0xFFFFFFFF).view()), std::nullopt);
  EXPECT_EQ(Timestamp(Bytes().U16(0).U16(1).view()), std::nullopt);
  EXPECT_EQ(Timestamp(Bytes().U16(0xFFFF).U16(2).view()), (DateTime{30683, 0}));
  EXPECT_EQ(DayNumber(Bytes().U16(1).view()), DateSerial(1984, 1, 1));
  EXPECT_EQ(DurationMinutes(Bytes().U32(4800).view()), 480.0);
  EXPECT_EQ(DurationMinutes(Bytes().U32(0xFFFFFFFF).view()), std::nullopt);
  EXPECT_EQ(WorkMinutes(Bytes().F64(4800000).view()), 4800.0);
  EXPECT_EQ(Currency(Bytes().F64(352625).view()), 3526.25);
  EXPECT_EQ(Currency(Bytes().F64(std::numeric_limits<double>::quiet_NaN()).view()), std::nullopt);
  EXPECT_EQ(Percent(Bytes().U16(100).view()), 100);
  EXPECT_EQ(Percent(Bytes().U16(101).view()), std::nullopt);
  EXPECT_EQ(Percent(Bytes().U8(5).view()), std::nullopt);
}

TEST(MppValues, TextsEndAtTheirTerminatorAndKeepEveryCharacter) {
  Bytes b;
  for (char16_t c : u"작업 A😀") b.U16(c);  // includes the terminator
  b.U16('x');
  EXPECT_EQ(Text(b.view()), "작업 A😀");
  EXPECT_EQ(Text(Bytes().U16(0xD800).U16('a').view()), "\uFFFDa");
  EXPECT_EQ(Text(Bytes().U16('a').U8('b').view()), "a") << "an odd last byte is dropped";
  EXPECT_EQ(Latin1Text(Bytes().U8('M').U8(0xA3).U8(0).U8('z').view()), "M£");
}

}  // namespace
}  // namespace taskvane::project::mpp
