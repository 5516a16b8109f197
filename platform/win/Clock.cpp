#include "platform/win/Clock.h"

#include <chrono>

namespace zorvy {
namespace {

class TSteadyClock : public TMessageClock {
  public:
    std::uint64_t Milliseconds() override {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

TSteadyClock steadyClock;
TMessageClock* currentClock = &steadyClock;

} // namespace

void SetMessageClock(TMessageClock* clock) {
    currentClock = clock ? clock : &steadyClock;
}
TMessageClock& GetMessageClock() {
    return *currentClock;
}
std::uint64_t GetMessageTickCount() {
    return currentClock->Milliseconds();
}

} // namespace zorvy
