#include "platform/project/mpp/project_properties.h"

#include <cstdint>
#include <optional>

#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

// Keys of the project's Props stream.
constexpr std::uint32_t kStart = 0x02400002;
constexpr std::uint32_t kFinish = 0x02400003;
constexpr std::uint32_t kStatusDate = 0x02400045;
constexpr std::uint32_t kCurrencySymbol = 0x02400010;
constexpr std::uint32_t kCurrencyPosition = 0x02400011;
constexpr std::uint32_t kCurrencyDigits = 0x02400012;
constexpr std::uint32_t kDefaultStartTime = 0x0240001C;
constexpr std::uint32_t kMinutesPerDay = 0x0240001D;
constexpr std::uint32_t kDefaultFinishTime = 0x02400021;

constexpr int kDefaultStartMinute = 8 * 60;
constexpr int kDefaultFinishMinute = 17 * 60;
constexpr int kDefaultMinutesPerDay = 480;
constexpr int kDefaultCurrencyDigits = 2;
constexpr std::size_t kMaxCurrencySymbolBytes = 64;

// The item's value when it is present and lies in [low, high].
std::optional<int> Bounded(std::optional<long long> value, long long low, long long high) {
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<long long> U16Item(const PropsStream& props, std::uint32_t key) {
  const std::optional<ByteView> item = props.Find(key);
  if (!item) return std::nullopt;
  return item->U16(0);
}

std::optional<long long> U32Item(const PropsStream& props, std::uint32_t key) {
  const std::optional<ByteView> item = props.Find(key);
  if (!item) return std::nullopt;
  return item->U32(0);
}

std::optional<DateTime> TimestampItem(const PropsStream& props, std::uint32_t key) {
  const std::optional<ByteView> item = props.Find(key);
  return item ? Timestamp(*item) : std::nullopt;
}

std::optional<int> TimeItem(const PropsStream& props, std::uint32_t key) {
  const std::optional<ByteView> item = props.Find(key);
  return item ? TimeOfDay(*item) : std::nullopt;
}

}  // namespace

void ReadProjectProperties(const MppFile& file, DaySerial today, ProjectData& project) {
  ReadProjectProperties(file.ProjectProps(), today, project);
}

void ReadProjectProperties(const PropsStream& props, DaySerial today, ProjectData& project) {
  project.start = TimestampItem(props, kStart);
  project.finish = TimestampItem(props, kFinish);
  project.status_date = TimestampItem(props, kStatusDate);
  const int start_minute = TimeItem(props, kDefaultStartTime).value_or(kDefaultStartMinute);
  project.current_date = DateTime{today, start_minute};
  project.minutes_per_day =
      Bounded(U32Item(props, kMinutesPerDay), 1, 1440).value_or(kDefaultMinutesPerDay);
  project.default_finish_minute =
      TimeItem(props, kDefaultFinishTime).value_or(kDefaultFinishMinute);

  if (const std::optional<ByteView> symbol = props.Find(kCurrencySymbol)) {
    std::string text = Text(*symbol);
    if (!text.empty() && text.size() <= kMaxCurrencySymbolBytes) {
      project.currency.symbol = std::move(text);
    }
  }
  project.currency.position = Bounded(U16Item(props, kCurrencyPosition), 0, 3).value_or(0);
  project.currency.digits =
      Bounded(U16Item(props, kCurrencyDigits), 0, 4).value_or(kDefaultCurrencyDigits);
}

}  // namespace taskvane::project::mpp
