// Fuzzes number conversion: the whole input is the text. Only RuntimeError 13
// (type mismatch) or 6 (overflow) may escape; the conversions agree with
// ParseNumber and with each other:
//   - type mismatch is raised exactly when ParseNumber gives nothing;
//   - a number converts to the rounded value (std::nearbyint: halves to even)
//     when that lies in the target's range, and raises overflow otherwise;
//   - Int32Value gives a value exactly when ToInt32 raises nothing, the same one.
// The first eight bytes, taken as a double (any NaN or infinity included),
// also go through RoundToInt32.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "base/number.h"
#include "base/runtime_error.h"

namespace {

using wendora::kErrOverflow;
using wendora::kErrTypeMismatch;
using wendora::RuntimeError;

std::string_view g_text;  // the current input, printed when a check fails

[[noreturn]] void Fail(const char* name, const char* what) {
  std::fprintf(stderr, "number conversion broken: %s: %s\n  text (%zu bytes):", name, what,
               g_text.size());
  for (const char c : g_text) {
    std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
  }
  std::fprintf(stderr, "\n");
  std::abort();
}

void Check(bool condition, const char* name, const char* what) {
  if (!condition) {
    Fail(name, what);
  }
}

// What a conversion did: its value, or the number of the error it raised.
struct Outcome {
  std::optional<double> value;
  int error = 0;
};

template <typename Convert>
Outcome Attempt(Convert convert) {
  try {
    return {static_cast<double>(convert()), 0};
  } catch (const RuntimeError& e) {
    if (e.number() != kErrOverflow && e.number() != kErrTypeMismatch) {
      Fail("conversion", "an error other than 6 or 13");
    }
    return {std::nullopt, e.number()};
  }
}

// The outcome a conversion to [lowest, highest] must have for the text.
void CheckConversion(const Outcome& got, const std::optional<double>& parsed, double lowest,
                     double highest, const char* name) {
  if (!parsed) {
    Check(got.error == kErrTypeMismatch, name, "text that is no number converted");
    return;
  }
  Check(got.error != kErrTypeMismatch, name, "a number raised type mismatch");
  const double rounded = std::nearbyint(*parsed);
  if (rounded >= lowest && rounded <= highest) {
    Check(got.value.has_value(), name, "a number in range raised overflow");
    Check(*got.value == rounded, name, "not the number rounded halves to even");
  } else {
    Check(got.error == kErrOverflow, name, "a number out of range converted");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  g_text = text;

  const std::optional<double> parsed = wendora::ParseNumber(text);
  Check(!parsed || !std::isnan(*parsed), "ParseNumber", "gave NaN");

  const Outcome int32 = Attempt([&] { return wendora::ToInt32(text); });
  const Outcome int16 = Attempt([&] { return wendora::ToInt16(text); });
  const Outcome uint8 = Attempt([&] { return wendora::ToUInt8(text); });
  CheckConversion(int32, parsed, INT32_MIN, INT32_MAX, "ToInt32");
  CheckConversion(int16, parsed, INT16_MIN, INT16_MAX, "ToInt16");
  CheckConversion(uint8, parsed, 0, UINT8_MAX, "ToUInt8");

  const std::optional<std::int32_t> value = wendora::Int32Value(text);
  Check(value.has_value() == int32.value.has_value() && (!value || *value == *int32.value),
        "Int32Value", "disagrees with ToInt32");
  if (int32.value) {
    // The plain decimal text of the result reads back as the same number.
    const auto whole = static_cast<std::int32_t>(*int32.value);
    Check(wendora::ToInt32(wendora::DecimalText(whole)) == whole, "DecimalText",
          "does not read back");
  }

  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    const Outcome got = Attempt([&] { return wendora::RoundToInt32(raw); });
    if (std::isnan(raw)) {
      Check(got.error == kErrOverflow, "RoundToInt32", "NaN did not raise overflow");
    } else {
      CheckConversion(got, raw, INT32_MIN, INT32_MAX, "RoundToInt32");
    }
  }
  return 0;
}
