#pragma once
// Worker threads that evaluate the blocks of a run ahead of the thread that replays them in order. The
// blocks are handed out in units of a few thousand combinations (the last blocks are tiny). Each unit
// writes its lines into its own region of the run's result buffer, beyond the lines already replayed,
// so that replaying moves them down within the one buffer. A ring of slots bounds how far the workers
// run ahead.
#include "engine/FilterBlocks.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zorvy {

struct TBlockSlot {
    std::vector<TBlockOutcome> Outcomes; // by block of the unit
    bool Done = false;
};

class TBlockWorkers {
  public:
    using TEvaluate = std::function<void(TBlock, TResultLines&, int32_t, TBlockOutcome&)>;

    // Room in the result buffer for every region, beyond the lines of any replay.
    static constexpr int32_t RegionLines = CombinationCount + BlockCount + 2;
    static constexpr size_t RegionText =
        static_cast<size_t>(CombinationCount) * LongestLine + (BlockCount + 1) * size_t{32};

    // Starts the threads on the blocks in order; lines must have the room above, slots is resized to
    // the ring's size.
    TBlockWorkers(int threads, TResultLines& lines, std::vector<TBlockSlot>& slots, TEvaluate evaluate);
    // Stops the threads once their current units are done.
    ~TBlockWorkers();

    // Block i once it is evaluated (blocks are awaited in order), calling idle at least every few
    // milliseconds meanwhile; nullptr when idle answers false.
    const TBlockOutcome* Wait(int i, const std::function<bool()>& idle);
    // Block i is replayed.
    void Release(int i);

  private:
    void Work();

    TResultLines& lines_;
    std::vector<TBlockSlot>& slots_;
    TEvaluate evaluate_;
    std::vector<int> unitStart_; // first block of each unit, and BlockCount at the end
    std::vector<int> unitOf_;    // by block
    std::mutex mutex_;
    // One per slot, so that a change wakes only the threads waiting on that slot: the replaying thread
    // for the unit in it, or the worker holding the unit that goes in next.
    std::unique_ptr<std::condition_variable[]> changed_;
    int next_ = 0, released_ = 0; // units
    bool stop_ = false;
    std::vector<std::thread> threads_;
};

} // namespace zorvy
