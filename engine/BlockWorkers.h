#pragma once
// Worker threads that evaluate the blocks of a run ahead of the thread that replays them in order. The
// blocks are handed out in units of a few thousand combinations (the last blocks are tiny); a fixed
// ring of slots bounds how far the workers run ahead, and the slots' buffers are kept from run to run.
#include "engine/FilterBlocks.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zorvy {

struct TBlockSlot {
    TResultLines Lines;                  // the lines of every block of the unit, one after the other
    std::vector<TBlockOutcome> Outcomes; // by block of the unit
    bool Done = false;
};

class TBlockWorkers {
  public:
    using TEvaluate = std::function<void(TBlock, TResultLines&, TBlockOutcome&)>;

    // Starts the threads on the blocks in order; slots is resized to the ring's size.
    TBlockWorkers(int threads, std::vector<TBlockSlot>& slots, TEvaluate evaluate);
    // Stops the threads once their current units are done.
    ~TBlockWorkers();

    // Block i once it is evaluated (blocks are awaited in order), with the buffer holding its lines;
    // calls idle at least every few milliseconds meanwhile. nullptr when idle answers false.
    const TBlockOutcome* Wait(int i, const std::function<bool()>& idle, const TResultLines*& lines);
    // Block i is replayed.
    void Release(int i);

  private:
    void Work();

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
