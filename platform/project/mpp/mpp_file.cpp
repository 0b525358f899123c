#include "platform/project/mpp/mpp_file.h"

#include <algorithm>
#include <charconv>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/damaged_file.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::string_view kNotProjectFile = "MS Project 파일이 아닙니다.";
constexpr std::string_view kOldFormat =
    "Project 98 이전 버전의 MPP 형식은 읽을 수 없습니다. MS Project 2000 이후 버전에서 다시 "
    "저장한 파일을 지정하십시오.";
constexpr std::string_view kReadPassword =
    "열기 암호로 보호된 파일입니다. MS Project에서 암호를 해제하고 다시 저장한 파일을 "
    "지정하십시오.";
constexpr std::string_view kEncrypted =
    "암호화된 파일입니다. MS Project에서 암호화를 해제하고 다시 저장한 파일을 지정하십시오.";

// Keys of the file-level Props stream.
constexpr std::uint32_t kPasswordFlags = 0x35400000;
constexpr std::uint32_t kMaskCode = 0x35400007;
constexpr std::uint32_t kReadPasswordData = 0x35400004;

[[noreturn]] void Refuse(std::string_view reason) {
  throw AutomationError(kErrFileOpen, std::string(reason));
}

// The three length-prefixed 8-bit texts of the CompObj stream after its 28-byte header:
// the application name, the file format and the program id.
struct CompObj {
  std::string application;
  std::string format;
};

CompObj ReadCompObj(ByteView stream) {
  CompObj compobj;
  std::size_t at = 28;
  std::string* texts[] = {&compobj.application, &compobj.format};
  for (std::string* text : texts) {
    const auto length = stream.U32(at);
    if (!length || !stream.Contains(at + 4, *length)) break;
    *text = Latin1Text(stream.Sub(at + 4, *length));
    at += 4 + *length;
  }
  return compobj;
}

// "Microsoft Project 9.0", "Microsoft.Project 16.0": the digits before the final ".0".
int ApplicationMajorOf(std::string_view application) {
  if (!application.ends_with(".0")) return 0;
  application.remove_suffix(2);
  std::size_t first = application.size();
  while (first > 0 && application[first - 1] >= '0' && application[first - 1] <= '9') --first;
  int major = 0;
  std::from_chars(application.data() + first, application.data() + application.size(), major);
  return major;
}

// 9, 12 or 14 for the formats read here (schedules, templates and global files), 8 and
// older for formats refused as old, 0 for anything else.
int FormatOf(std::string_view format) {
  for (std::string_view kind : {"MSProject.MPP", "MSProject.MPT", "MSProject.GLOBAL"}) {
    if (!format.starts_with(kind)) continue;
    const std::string_view digits = format.substr(kind.size());
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return 0;
    return number;
  }
  return 0;
}

std::string ProjectStorageOf(int format) {
  return "   1" + std::to_string(format);
}

// Whether a stream of the project storage is masked in a protected file.
bool IsMaskedStream(int format, std::string_view relative_path) {
  if (relative_path == "Props" || relative_path.ends_with("/Props")) return true;
  const bool fixed_data = relative_path.ends_with("/FixedData");
  if (format == 9) return fixed_data;
  const bool task = relative_path.starts_with("TBkndTask/");
  return !task && (fixed_data || relative_path.ends_with("/Fixed2Data"));
}

// The mask XOR-ed over the protected streams of a file whose root Props are `props`:
// 0xFF less the mask code, when the file is flagged as protected. Refuses a file that
// needs a password (or is encrypted) to be opened.
std::uint8_t MaskOf(int format, const PropsStream& props) {
  const std::uint8_t flags = props.Find(kPasswordFlags).value_or(ByteView()).U8(0).value_or(0);
  const std::uint8_t code = props.Find(kMaskCode).value_or(ByteView()).U8(0).value_or(0);
  const std::uint8_t mask = flags != 0 && code != 0 ? static_cast<std::uint8_t>(0xFF - code) : 0;
  if ((flags & 0x01) == 0) return mask;
  const std::optional<ByteView> password = props.Find(kReadPasswordData);
  if (format == 14 && password) Refuse(kEncrypted);
  // Format 9 keeps the masked read password; the first character is at position 60. A
  // file flagged for a read password that has none opens in Project without asking.
  if (format == 9 && password && password->size() > 60 && (*password->U8(60) ^ mask) == 0) {
    return mask;
  }
  Refuse(kReadPassword);
}

}  // namespace

MppFile MppFile::Open(std::span<const std::uint8_t> bytes) {
  if (IsCutShort(bytes)) ThrowDamaged("파일의 끝부분 없음");
  std::optional<CompoundFile> container = CompoundFile::Open(bytes);
  if (!container) ThrowDamaged("복합 문서 구조 오류");
  const std::optional<std::vector<std::uint8_t>> compobj_bytes =
      container->ReadStream("\001CompObj", bytes.size());
  if (!compobj_bytes) {
    // Project 98 files have their project storages at the root and no format text.
    if (container->Has("   1") && container->Has("Props")) Refuse(kOldFormat);
    Refuse(kNotProjectFile);
  }
  const CompObj compobj = ReadCompObj(ByteView(*compobj_bytes));
  const int format = FormatOf(compobj.format);
  const bool project_application = compobj.application.find("Project") != std::string::npos;
  if (format != 9 && format != 12 && format != 14) {
    if ((format > 0 && format < 9) || (compobj.format.empty() && project_application &&
                                       ApplicationMajorOf(compobj.application) < 9)) {
      Refuse(kOldFormat);
    }
    Refuse(kNotProjectFile);
  }

  const std::optional<std::vector<std::uint8_t>> root_props =
      container->ReadStream("Props" + std::to_string(format), bytes.size());
  if (!root_props) ThrowDamaged("Props" + std::to_string(format) + " 스트림 없음");
  const PropsStream file_props{ByteView(*root_props)};
  // Every file states whether it is protected, also when it is not.
  if (!file_props.Find(kPasswordFlags)) {
    ThrowDamaged("Props" + std::to_string(format) + " 스트림 항목 없음");
  }
  const std::uint8_t mask = MaskOf(format, file_props);

  MppFile file(std::move(*container), format, ApplicationMajorOf(compobj.application), mask,
               bytes.size());
  file.project_props_bytes_ = file.RequireStream("Props");
  file.project_props_ = PropsStream(ByteView(file.project_props_bytes_));
  return file;
}

MppFile::MppFile(CompoundFile container, int format, int application_major, std::uint8_t mask,
                 std::size_t file_size)
    : container_(std::move(container)),
      format_(format),
      application_major_(application_major),
      mask_(mask),
      file_size_(file_size),
      project_storage_(ProjectStorageOf(format)) {}

std::optional<std::vector<std::uint8_t>> MppFile::FindStream(std::string_view relative_path) const {
  std::string path = project_storage_;
  path.append("/").append(relative_path);
  std::optional<std::vector<std::uint8_t>> bytes = container_.ReadStream(path, file_size_);
  if (bytes) {
    stream_bytes_read_ += bytes->size();
    if (stream_bytes_read_ > 2 * file_size_) ThrowDamaged("스트림이 파일보다 큼");
  }
  if (bytes && mask_ != 0 && IsMaskedStream(format_, relative_path)) {
    for (std::uint8_t& byte : *bytes) byte ^= mask_;
  }
  return bytes;
}

std::vector<std::uint8_t> MppFile::RequireStream(std::string_view relative_path) const {
  std::optional<std::vector<std::uint8_t>> bytes = FindStream(relative_path);
  if (!bytes) ThrowDamaged(std::string(relative_path) + " 스트림 없음");
  return std::move(*bytes);
}

}  // namespace taskvane::project::mpp
