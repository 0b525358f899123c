#include <algorithm>
#include <optional>
#include <queue>

#include "platform/project/mpp/exceptions.h"

namespace taskvane::project::mpp {
namespace {

// Precedence classes of overlapping exceptions, the strongest first.
enum Rank { kPlainRange, kEveryNDays, kYearly, kMonthly, kWeekly };

int RankOf(int type) {
  switch (type) {
    case Recurrence::kEveryNDays:
      return kEveryNDays;
    case Recurrence::kYearlyByDay:
    case Recurrence::kYearlyByPosition:
      return kYearly;
    case Recurrence::kMonthlyByDay:
    case Recurrence::kMonthlyByPosition:
      return kMonthly;
    case Recurrence::kWeekly:
      return kWeekly;
    default:
      return kPlainRange;
  }
}

bool IsPattern(int type) {
  return RankOf(type) != kPlainRange;
}

// Days first..last claimed by one exception record.
struct Claim {
  DaySerial first = 0;
  DaySerial last = 0;
  int rank = kPlainRange;
  std::size_t order = 0;  // the record's place in the list
  const DayPattern* times = nullptr;
};

// Whether `a` gives way to `b` on a day both claim.
bool Weaker(const Claim& a, const Claim& b) {
  if (a.rank != b.rank) return a.rank > b.rank;
  return a.order < b.order;
}

// The days of a pattern, when they agree with the record: as many as it says (if it says),
// the last on its last day. std::nullopt otherwise, also when `budget` days are too few.
// Every day generated counts against the budget, whether the pattern agrees or not.
std::optional<std::vector<DaySerial>> CheckedDays(const Recurrence& r, std::size_t& budget) {
  const std::size_t wanted = r.occurrences > 0 ? static_cast<std::size_t>(r.occurrences) : budget;
  if (wanted > budget) return std::nullopt;
  std::vector<DaySerial> days = ExpandRecurrence(r, wanted);
  budget -= days.size();
  if (days.empty() || days.back() != r.last_day) return std::nullopt;
  if (r.occurrences > 0 && days.size() != wanted) return std::nullopt;
  return days;
}

// The record's claims: its days joined into runs of consecutive days.
void AddClaims(const ExceptionRecord& record, std::size_t order, std::size_t& budget,
               std::vector<Claim>& claims) {
  const Recurrence& r = record.recurrence;
  Claim claim{r.first_day, r.last_day, kPlainRange, order, &record.working_times};
  std::optional<std::vector<DaySerial>> days;
  if (IsPattern(r.type)) days = CheckedDays(r, budget);
  if (!days) {
    claims.push_back(claim);  // the plain range, also for a pattern that disagrees
    return;
  }
  // A pattern of one occurrence is as strong as a single day.
  if (days->size() > 1) claim.rank = RankOf(r.type);
  for (std::size_t i = 0; i < days->size(); ++i) {
    if (i > 0 && (*days)[i] == claims.back().last + 1) {
      claims.back().last = (*days)[i];
    } else {
      claim.first = claim.last = (*days)[i];
      claims.push_back(claim);
    }
  }
}

}  // namespace

std::vector<CalendarException> ResolveExceptions(const std::vector<ExceptionRecord>& records,
                                                 std::size_t max_days) {
  std::vector<Claim> claims;
  std::size_t budget = max_days;
  for (std::size_t i = 0; i < records.size(); ++i) AddClaims(records[i], i, budget, claims);
  std::sort(claims.begin(), claims.end(),
            [](const Claim& a, const Claim& b) { return a.first < b.first; });

  // Between two consecutive boundaries no claim starts or ends, so one claim wins there.
  std::vector<DaySerial> boundaries;
  boundaries.reserve(2 * claims.size());
  for (const Claim& claim : claims) {
    boundaries.push_back(claim.first);
    boundaries.push_back(claim.last + 1);
  }
  std::sort(boundaries.begin(), boundaries.end());
  boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());

  auto weaker = [&claims](std::size_t a, std::size_t b) { return Weaker(claims[a], claims[b]); };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(weaker)> active(weaker);
  std::vector<CalendarException> result;
  std::size_t next = 0;
  for (std::size_t k = 0; k + 1 < boundaries.size(); ++k) {
    const DaySerial day = boundaries[k];
    while (next < claims.size() && claims[next].first == day) active.push(next++);
    while (!active.empty() && claims[active.top()].last < day) active.pop();
    if (active.empty()) continue;
    const DaySerial end = boundaries[k + 1] - 1;
    const DayPattern& times = *claims[active.top()].times;
    if (!result.empty() && result.back().last_day + 1 == day &&
        result.back().working_times == times) {
      result.back().last_day = end;
    } else {
      result.push_back({day, end, times});
    }
  }
  return result;
}

}  // namespace taskvane::project::mpp
