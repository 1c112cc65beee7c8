// A clock for tests: a fixed local time, a record of every setting, and an optional refusal.
#pragma once

#include <optional>
#include <vector>

#include "common/clock.h"
#include "common/errors.h"

namespace tessaro::testing {

class FakeClock final : public Clock {
 public:
  // Installs itself for the lifetime of the object.
  explicit FakeClock(const DateTime& local) : local(local) { setCurrentClock(this); }
  ~FakeClock() override { setCurrentClock(nullptr); }
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  DateTime now() const override { return local; }

  void setUniversalTime(const DateTime& utc) override {
    if (refusal) throw TessaroError(*refusal);
    settings.push_back(utc);
  }

  DateTime local;
  std::optional<Text> refusal;  // the system's reason, when it refuses to be set
  std::vector<DateTime> settings;
};

}  // namespace tessaro::testing
