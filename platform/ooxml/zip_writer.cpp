#include "platform/ooxml/zip_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

#include "platform/runtime/automation_error.h"

namespace taskvane::ooxml {

namespace {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t kEndOfDirectorySignature = 0x06054b50;
constexpr std::uint16_t kVersionNeeded = 20;               // 2.0: deflate
constexpr std::uint16_t kVersionMadeBy = (3 << 8) | 20;    // Unix, 2.0
constexpr std::uint32_t kFileAttributes = 0100644u << 16;  // a regular file, rw-r--r--
constexpr std::uint16_t kUtf8NameFlag = 1 << 11;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kDosTime = 0;                        // 00:00:00
constexpr std::uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01
constexpr std::size_t kCrcField = 14;  // crc, compressed size and size follow each other
constexpr std::uint64_t kLimit = std::numeric_limits<std::uint32_t>::max();

// zlib's fastest level. Most of a large part is cells, and every cell carries its own
// reference ("AB1234"), so matches are short wherever the compressor looks. Measured on
// the Gantt sheets of 10,000 tasks, a deeper search (level 6, even with its chains cut to
// 4 or 8 candidates) makes the files a fifth smaller but compresses 1.3 to 1.7 times as
// long, and compression is most of the day sheet's time.
constexpr int kLevel = Z_BEST_SPEED;

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::uint16_t NameFlags(const std::string& name) {
  return IsAscii(name) ? 0 : kUtf8NameFlag;
}

}  // namespace

// A raw deflate stream (no zlib header) that is reset for every entry.
class ZipWriter::Deflater {
 public:
  explicit Deflater(long error_number) : error_number_(error_number) {
    if (deflateInit2(&stream_, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
      throw AutomationError(error_number_, "압축을 시작할 수 없습니다.");
    }
  }
  ~Deflater() { deflateEnd(&stream_); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  // Compresses `input` (all of it when `finish`), handing every full buffer to `emit`.
  template <class Emit>
  void Run(std::string_view input, bool finish, Emit&& emit) {
    const char* next = input.data();
    std::size_t left = input.size();
    while (true) {
      const auto piece =
          static_cast<uInt>(std::min<std::size_t>(left, std::numeric_limits<uInt>::max()));
      stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(next));
      stream_.avail_in = piece;
      const bool last = finish && piece == left;
      int status;
      do {
        stream_.next_out = reinterpret_cast<Bytef*>(buffer_.data());
        stream_.avail_out = static_cast<uInt>(buffer_.size());
        status = deflate(&stream_, last ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_STREAM_ERROR) throw AutomationError(error_number_, "압축에 실패했습니다.");
        const std::size_t made = buffer_.size() - stream_.avail_out;
        if (made > 0) emit(std::string_view(buffer_.data(), made));
      } while (stream_.avail_out == 0 || (last && status != Z_STREAM_END));
      next += piece;
      left -= piece;
      if (left == 0) break;
    }
    if (finish) deflateReset(&stream_);
  }

 private:
  long error_number_;
  z_stream stream_{};
  std::array<char, 1 << 16> buffer_;
};

ZipWriter::ZipWriter(ZipOutput& out, long error_number)
    : out_(out), error_number_(error_number), deflater_(std::make_unique<Deflater>(error_number)) {}

ZipWriter::~ZipWriter() = default;

void ZipWriter::Emit(std::string_view bytes) {
  out_.Append(bytes);
  position_ += bytes.size();
}

void ZipWriter::CheckFits(std::uint64_t value) const {
  if (value >= kLimit) {
    throw AutomationError(error_number_, "4GB를 넘는 압축 파일은 만들 수 없습니다.");
  }
}

void ZipWriter::BeginEntry(const std::string& name) {
  if (in_entry_) throw std::logic_error("ZipWriter: an entry is still open");
  CheckFits(position_);
  Entry& entry = entries_.emplace_back();
  entry.name = name;
  entry.offset = position_;
  std::string header;
  Put32(header, kLocalHeaderSignature);
  Put16(header, kVersionNeeded);
  Put16(header, NameFlags(name));
  Put16(header, kDeflated);
  Put16(header, kDosTime);
  Put16(header, kDosDate);
  Put32(header, 0);  // crc, compressed size and size: filled in by EndEntry
  Put32(header, 0);
  Put32(header, 0);
  Put16(header, static_cast<std::uint16_t>(name.size()));
  Put16(header, 0);  // no extra field
  header += name;
  Emit(header);
  in_entry_ = true;
}

void ZipWriter::Write(std::string_view bytes) {
  if (!in_entry_) throw std::logic_error("ZipWriter: no entry open");
  Entry& entry = entries_.back();
  entry.size += bytes.size();
  for (std::size_t done = 0; done < bytes.size();) {
    const auto piece = static_cast<uInt>(
        std::min<std::size_t>(bytes.size() - done, std::numeric_limits<uInt>::max()));
    entry.crc = static_cast<std::uint32_t>(
        crc32(entry.crc, reinterpret_cast<const Bytef*>(bytes.data() + done), piece));
    done += piece;
  }
  deflater_->Run(bytes, false, [&](std::string_view made) {
    entry.compressed += made.size();
    Emit(made);
  });
}

void ZipWriter::EndEntry() {
  if (!in_entry_) throw std::logic_error("ZipWriter: no entry open");
  Entry& entry = entries_.back();
  deflater_->Run({}, true, [&](std::string_view made) {
    entry.compressed += made.size();
    Emit(made);
  });
  in_entry_ = false;
  CheckFits(entry.size);
  CheckFits(entry.compressed);
  std::string fields;
  Put32(fields, entry.crc);
  Put32(fields, static_cast<std::uint32_t>(entry.compressed));
  Put32(fields, static_cast<std::uint32_t>(entry.size));
  out_.Overwrite(entry.offset + kCrcField, fields);
}

void ZipWriter::Finish() {
  if (in_entry_) throw std::logic_error("ZipWriter: an entry is still open");
  const std::uint64_t directory_offset = position_;
  std::string directory;
  for (const Entry& entry : entries_) {
    Put32(directory, kCentralHeaderSignature);
    Put16(directory, kVersionMadeBy);
    Put16(directory, kVersionNeeded);
    Put16(directory, NameFlags(entry.name));
    Put16(directory, kDeflated);
    Put16(directory, kDosTime);
    Put16(directory, kDosDate);
    Put32(directory, entry.crc);
    Put32(directory, static_cast<std::uint32_t>(entry.compressed));
    Put32(directory, static_cast<std::uint32_t>(entry.size));
    Put16(directory, static_cast<std::uint16_t>(entry.name.size()));
    Put16(directory, 0);  // extra field
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, kFileAttributes);
    Put32(directory, static_cast<std::uint32_t>(entry.offset));
    directory += entry.name;
  }
  const std::uint64_t directory_size = directory.size();
  CheckFits(directory_offset + directory_size);
  if (entries_.size() >= 0xFFFF) {
    throw AutomationError(error_number_, "압축 파일의 항목이 너무 많습니다.");
  }
  const auto count = static_cast<std::uint16_t>(entries_.size());
  Put32(directory, kEndOfDirectorySignature);
  Put16(directory, 0);  // this disk
  Put16(directory, 0);  // disk of the directory
  Put16(directory, count);
  Put16(directory, count);
  Put32(directory, static_cast<std::uint32_t>(directory_size));
  Put32(directory, static_cast<std::uint32_t>(directory_offset));
  Put16(directory, 0);  // comment
  Emit(directory);
}

}  // namespace taskvane::ooxml
