#include "base/event.h"

#include <gtest/gtest.h>

#include <thread>

namespace pictavo {
namespace {

using namespace std::chrono_literals;

TEST(Event, ATestConsumesTheSignal) {
  Event event;
  EXPECT_FALSE(event.try_wait());
  event.set();
  event.set();  // setting twice still releases one waiter
  EXPECT_TRUE(event.try_wait());
  EXPECT_FALSE(event.try_wait());
  event.set();
  event.reset();
  EXPECT_FALSE(event.wait_for(1ms));
}

TEST(Event, WakesAWaiterOnAnotherThread) {
  Event event;
  std::thread setter([&] { event.set(); });
  event.wait();
  setter.join();
  EXPECT_FALSE(event.try_wait());
  std::thread later([&] {
    std::this_thread::sleep_for(5ms);
    event.set();
  });
  EXPECT_TRUE(event.wait_for(10s));
  later.join();
}

}  // namespace
}  // namespace pictavo
