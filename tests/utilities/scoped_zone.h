// Puts the test process in a time zone for the lifetime of the object, then restores the old one.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace tessaro::testing {

// The rules of Paris written out, so the tests need no time-zone database.
inline constexpr const char* ParisZone = "CET-1CEST,M3.5.0,M10.5.0/3";

class ScopedZone {
 public:
  explicit ScopedZone(const char* zone) {
    if (const char* current = std::getenv("TZ")) previous_ = current;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedZone(const ScopedZone&) = delete;
  ScopedZone& operator=(const ScopedZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace tessaro::testing
