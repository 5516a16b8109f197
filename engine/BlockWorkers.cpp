#include "engine/BlockWorkers.h"

#include <chrono>

namespace zorvy {

namespace {

constexpr auto IdleInterval = std::chrono::milliseconds(10);
constexpr int32_t UnitSize = 8000; // combinations: enough to make a hand-over cheap in comparison

} // namespace

TBlockWorkers::TBlockWorkers(int threads, TResultLines& lines, std::vector<TBlockSlot>& slots,
                             TEvaluate evaluate)
    : lines_(lines), slots_(slots), evaluate_(std::move(evaluate)) {
    unitOf_.resize(BlockCount);
    int32_t size = UnitSize;
    for (int i = 0; i < BlockCount; ++i) {
        if (size >= UnitSize) {
            unitStart_.push_back(i);
            size = 0;
        }
        size += BlockSize(Blocks()[i]);
        unitOf_[i] = static_cast<int>(unitStart_.size()) - 1;
    }
    unitStart_.push_back(BlockCount);
    slots_.resize(static_cast<size_t>(2 * threads + 2));
    for (TBlockSlot& slot : slots_)
        slot.Done = false;
    changed_.reset(new std::condition_variable[slots_.size()]);
    threads_.reserve(static_cast<size_t>(threads));
    for (int i = 0; i < threads; ++i)
        threads_.emplace_back([this] { Work(); });
}

TBlockWorkers::~TBlockWorkers() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    for (size_t i = 0; i < slots_.size(); ++i)
        changed_[i].notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void TBlockWorkers::Work() {
    const int ring = static_cast<int>(slots_.size());
    const int units = static_cast<int>(unitStart_.size()) - 1;
    for (;;) {
        int unit = 0;
        {
            std::unique_lock lock(mutex_);
            if (stop_ || next_ >= units) return;
            unit = next_++;
            changed_[unit % ring].wait(lock, [&] { return stop_ || unit < released_ + ring; });
            if (stop_) return;
        }
        TBlockSlot& slot = slots_[static_cast<size_t>(unit % ring)];
        slot.Outcomes.resize(static_cast<size_t>(unitStart_[unit + 1] - unitStart_[unit]));
        // The unit's region: a line and 32 bytes of text more than its combinations need, after those of
        // the units before it. The replayed lines never reach it: no combination gives two lines.
        const int32_t before = CombinationsBefore(Blocks()[unitStart_[unit]]);
        int32_t line = before + unit + 1;
        lines_.StartRegion(line,
                           static_cast<uint32_t>(before) * LongestLine + static_cast<uint32_t>(unit) * 32);
        for (int i = unitStart_[unit]; i < unitStart_[unit + 1]; ++i) {
            TBlockOutcome& outcome = slot.Outcomes[static_cast<size_t>(i - unitStart_[unit])];
            try {
                evaluate_(Blocks()[i], lines_, line, outcome);
            } catch (...) {
                outcome.Error = std::current_exception(); // no memory: the run ends with it
            }
            if (outcome.Error) break; // the run ends at this block
            line = outcome.PassEnds.back();
        }
        {
            std::lock_guard lock(mutex_);
            slot.Done = true;
        }
        changed_[unit % ring].notify_all();
    }
}

const TBlockOutcome* TBlockWorkers::Wait(int i, const std::function<bool()>& idle) {
    const int unit = unitOf_[i];
    const size_t index = static_cast<size_t>(unit) % slots_.size();
    TBlockSlot& slot = slots_[index];
    std::unique_lock lock(mutex_);
    while (!changed_[index].wait_for(lock, IdleInterval, [&] { return slot.Done; })) {
        lock.unlock();
        if (!idle()) return nullptr;
        lock.lock();
    }
    return &slot.Outcomes[static_cast<size_t>(i - unitStart_[unit])];
}

void TBlockWorkers::Release(int i) {
    const int unit = unitOf_[i];
    if (i + 1 != unitStart_[unit + 1]) return;
    const size_t index = static_cast<size_t>(unit) % slots_.size();
    {
        std::lock_guard lock(mutex_);
        slots_[index].Done = false;
        released_ = unit + 1;
    }
    changed_[index].notify_all();
}

} // namespace zorvy
