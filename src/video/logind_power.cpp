#include "video/logind_power.h"

#include <systemd/sd-bus.h>

namespace pictavo {
namespace {

// One connection to the system bus, closed with the object.
class SystemBus {
 public:
  SystemBus() {
    if (sd_bus_open_system(&bus_) < 0) bus_ = nullptr;
  }
  ~SystemBus() { sd_bus_flush_close_unref(bus_); }
  SystemBus(const SystemBus&) = delete;
  SystemBus& operator=(const SystemBus&) = delete;

  sd_bus* get() const { return bus_; }

 private:
  sd_bus* bus_ = nullptr;
};

}  // namespace

SystemPower::Result LogindPower::power_off() {
  const SystemBus bus;
  if (bus.get() == nullptr) return Result::kNoConnection;
  sd_bus_error error = SD_BUS_ERROR_NULL;
  constexpr int kInteractive = 0;  // no password prompt: nobody may be there to answer
  const int called = sd_bus_call_method(bus.get(), "org.freedesktop.login1",
                                        "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
                                        "PowerOff", &error, nullptr, "b", kInteractive);
  const bool unreachable =
      called < 0 && (sd_bus_error_has_name(&error, SD_BUS_ERROR_SERVICE_UNKNOWN) ||
                     sd_bus_error_has_name(&error, SD_BUS_ERROR_NAME_HAS_NO_OWNER));
  sd_bus_error_free(&error);
  if (called >= 0) return Result::kDone;
  return unreachable ? Result::kNoConnection : Result::kRefused;
}

}  // namespace pictavo
