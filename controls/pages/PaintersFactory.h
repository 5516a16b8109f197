#pragma once
// TcxPCPaintersFactory: the process-wide registry of tab painter classes. The styles register at start-up;
// a tab control picks its painter class by style ID, or by its look and feel when its Style is 0.
#include "controls/pages/PCPainter.h"

#include <vector>

namespace zorvy {

class TcxPCPaintersFactory {
  public:
    int Count() const { return static_cast<int>(classes_.size()); }
    TcxPCPainterClass Items(int index) const { return classes_.at(static_cast<size_t>(index)); }
    // The first registered class of that ID; nil when none has it.
    TcxPCPainterClass GetPainterClass(int styleID) const;
    // A new painter for control; a nil class is an error.
    TcxPCCustomPainter* GetPainterInstance(TcxPCPainterClass painterClass, TcxCustomTabControl* control) const;
    static void FreePainter(TcxPCCustomPainter* painter) { delete painter; }
    // The ID of the last registered class that claims this look and feel; -1 when none does.
    int GetStyleIDByLookAndFeel(TcxLookAndFeel* lookAndFeel) const;
    // The last registered class that is the native-style default, else the first registered; an error
    // when nothing is registered.
    int GetDefaultStyleID(TcxLookAndFeel* lookAndFeel) const;

  private:
    friend void RegisterPCPainterClass(TcxPCPainterClass painterClass);
    friend void UnregisterPCPainterClass(TcxPCPainterClass painterClass);
    std::vector<TcxPCPainterClass> classes_;
};

// The factory exists from the first registration until the last class leaves (nil otherwise).
TcxPCPaintersFactory* PaintersFactory();
void RegisterPCPainterClass(TcxPCPainterClass painterClass);
void UnregisterPCPainterClass(TcxPCPainterClass painterClass);
// Frees the factory whatever is still registered (the unit's finalization).
void FinalizePaintersFactory();

} // namespace zorvy
