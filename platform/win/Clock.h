#pragma once
// The millisecond clock that timers, message times and double clicks run on. It can be replaced, so
// that tests drive time by hand instead of waiting.
#include <cstdint>

namespace zorvy {

class TMessageClock {
  public:
    virtual ~TMessageClock() = default;
    virtual std::uint64_t Milliseconds() = 0;
};

// A clock that only moves when told to.
class TVirtualClock : public TMessageClock {
  public:
    std::uint64_t Milliseconds() override { return now_; }
    void Advance(std::uint64_t ms) { now_ += ms; }
    void Set(std::uint64_t ms) { now_ = ms; }

  private:
    std::uint64_t now_ = 1000;
};

// Installs a clock (nullptr restores the monotonic system clock). The caller keeps ownership.
void SetMessageClock(TMessageClock* clock);
TMessageClock& GetMessageClock();
std::uint64_t GetMessageTickCount();

} // namespace zorvy
