#include "lab/cli/instant.hpp"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>

#include "lab/text/quote.hpp"

namespace codebreaker::lab {
namespace {

// A date and time of day as typed, not yet checked against the calendar.
struct Fields {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Reads the decimal number of exactly `width` digits at `at`, and moves past it.
std::optional<int> fixedDigits(std::string_view text, std::size_t& at, std::size_t width) {
  if (at + width > text.size() || !allDigits(text.substr(at, width))) return std::nullopt;
  int value = 0;
  std::from_chars(text.data() + at, text.data() + at + width, value);
  at += width;
  return value;
}

// Reads `expected` at `at` and moves past it; false when it is not there.
bool separator(std::string_view text, std::size_t& at, char expected) {
  if (at >= text.size() || text[at] != expected) return false;
  ++at;
  return true;
}

// Reads "HH:MM" or "HH:MM:SS" at `at` into `fields`; false for any other shape.
bool readTimeOfDay(std::string_view text, std::size_t& at, Fields& fields) {
  const auto hour = fixedDigits(text, at, 2);
  if (!hour || !separator(text, at, ':')) return false;
  const auto minute = fixedDigits(text, at, 2);
  if (!minute) return false;
  std::optional<int> second = 0;
  if (separator(text, at, ':')) second = fixedDigits(text, at, 2);
  if (!second) return false;
  fields.hour = *hour;
  fields.minute = *minute;
  fields.second = *second;
  return true;
}

// Reads "YYYY-MM-DD", optionally "T" and a time of day, optionally "Z"; nothing for any other
// shape. The numbers are not checked against the calendar here.
std::optional<Fields> readFields(std::string_view text) {
  std::size_t at = 0;
  const auto year = fixedDigits(text, at, 4);
  if (!year || !separator(text, at, '-')) return std::nullopt;
  const auto month = fixedDigits(text, at, 2);
  if (!month || !separator(text, at, '-')) return std::nullopt;
  const auto day = fixedDigits(text, at, 2);
  if (!day) return std::nullopt;
  Fields fields{*year, *month, *day};
  if (separator(text, at, 'T') && !readTimeOfDay(text, at, fields)) return std::nullopt;
  separator(text, at, 'Z');
  if (at != text.size()) return std::nullopt;
  return fields;
}

constexpr std::array<std::string_view, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Why the fields name no second of Unix time ("a date: there is no month 13"), or nothing.
std::optional<std::string> calendarProblem(const Fields& fields) {
  using namespace std::chrono;
  if (fields.month < 1 || fields.month > 12) {
    return "a date: there is no month " + std::to_string(fields.month);
  }
  const year_month calendarMonth{year{fields.year}, month{static_cast<unsigned>(fields.month)}};
  const auto lastDay = static_cast<unsigned>((calendarMonth / last).day());
  if (fields.day < 1 || static_cast<unsigned>(fields.day) > lastDay) {
    return "a date: " + std::string(monthNames[static_cast<std::size_t>(fields.month - 1)]) + " " +
           std::to_string(fields.year) + " has " + std::to_string(lastDay) + " days";
  }
  if (fields.hour > 23 || fields.minute > 59 || fields.second > 59) {
    return "a time of day (00:00:00 to 23:59:59)";
  }
  if (fields.year < 1970) return "a Unix time: it is before 1970-01-01";
  return std::nullopt;
}

// The second the fields name. Precondition: calendarProblem(fields) found nothing.
std::int64_t secondOf(const Fields& fields) {
  using namespace std::chrono;
  const sys_days date{year{fields.year} / month{static_cast<unsigned>(fields.month)} /
                      day{static_cast<unsigned>(fields.day)}};
  const auto instant = date + hours{fields.hour} + minutes{fields.minute} + seconds{fields.second};
  return instant.time_since_epoch().count();
}

}  // namespace

Parsed<std::int64_t> parseInstant(std::string_view name, std::string_view text) {
  if (allDigits(text)) return parseAtLeast(name, text, 0, instantAccepts);
  const auto fields = readFields(text);
  if (!fields) return {std::nullopt, expected(name, instantAccepts, text)};
  if (const auto problem = calendarProblem(*fields)) {
    return {std::nullopt, std::string(name) + ": " + quote(text) + " is not " + *problem};
  }
  return {secondOf(*fields), {}};
}

std::string instantText(std::int64_t second) {
  // The civil date of a day number, in 64-bit arithmetic so that every second of int64 has
  // its date, years past 9999 included (eras of 400 years, March-based years).
  const std::int64_t days = second / 86400 - (second % 86400 < 0 ? 1 : 0);
  const std::int64_t ofDay = second - days * 86400;
  const std::int64_t shifted = days + 719468;  // from 0000-03-01
  const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
  const std::int64_t ofEra = shifted - era * 146097;
  const std::int64_t yearOfEra = (ofEra - ofEra / 1460 + ofEra / 36524 - ofEra / 146096) / 365;
  const std::int64_t dayOfYear = ofEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
  const std::int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  char text[128];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lld",
                static_cast<long long>(year), static_cast<long long>(month),
                static_cast<long long>(day), static_cast<long long>(ofDay / 3600),
                static_cast<long long>(ofDay / 60 % 60), static_cast<long long>(ofDay % 60));
  return text;
}

std::int64_t currentSecond() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace codebreaker::lab
