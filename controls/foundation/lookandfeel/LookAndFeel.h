#pragma once
// Look-and-feel settings: the Kind, NativeStyle and SkinName a control, style or grid carries, which of
// them it sets itself (AssignedValues), and the painter chosen from them. Unassigned values come from a
// master look-and-feel, else from the global root; changes travel down the master chain to every
// follower and fire OnChanged. A controller component edits the root's values.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/graphics/PaletteNotifier.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/Painter.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

enum TcxLookAndFeelValue : uint8_t { lfvKind = 0, lfvNativeStyle = 1, lfvSkinName = 2 };
// A set of values: bit 0 Kind, bit 1 NativeStyle, bit 2 SkinName.
using TcxLookAndFeelValues = uint8_t;
constexpr TcxLookAndFeelValues LookAndFeelValue(TcxLookAndFeelValue v) {
    return TcxLookAndFeelValues(1u << v);
}

struct TcxLookAndFeelData {
    TcxLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = false;
    std::string SkinName;
    TcxLookAndFeelPainterClass Painter = nullptr; // the computed painter (current state only)
};

class TcxLookAndFeel;

class IcxLookAndFeelListener {
  public:
    virtual ~IcxLookAndFeelListener() = default;
    virtual TObject* GetListenerObject() = 0;
    virtual void MasterChanged(TcxLookAndFeel* master, TcxLookAndFeelValues changed) = 0;
    virtual void MasterDestroying(TcxLookAndFeel* master) = 0;
};

using TcxLookAndFeelChangedEvent = std::function<void(TcxLookAndFeel* sender, TcxLookAndFeelValues changed)>;

class TcxLookAndFeel : public TcxInterfacedPersistent, public IcxLookAndFeelListener {
    ZORVY_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
  public:
    explicit TcxLookAndFeel(TPersistent* owner);
    ~TcxLookAndFeel() override;
    void Assign(TPersistent* source) override { AssignFrom(source); }

    // ---- settings: the resolved values ----
    TcxLookAndFeelKind GetKind() const { return current_.Kind; }
    void SetKind(TcxLookAndFeelKind value);
    bool GetNativeStyle() const { return current_.NativeStyle; }
    void SetNativeStyle(bool value);
    const std::string& GetSkinName() const { return current_.SkinName; }
    void SetSkinName(const std::string& value);
    TcxLookAndFeelValues GetAssignedValues() const { return assignedValues_; }
    void SetAssignedValues(TcxLookAndFeelValues value);
    void ResetAssignedValues() { SetAssignedValues(0); }
    bool IsKindStored() const { return assignedValues_ & LookAndFeelValue(lfvKind); }
    bool IsNativeStyleStored() const { return assignedValues_ & LookAndFeelValue(lfvNativeStyle); }
    bool IsSkinNameStored() const { return assignedValues_ & LookAndFeelValue(lfvSkinName); }

    // ---- painter ----
    TcxLookAndFeelPainterClass GetActivePainter() const { return current_.Painter; }
    TcxLookAndFeelPainterClass GetPainterForThemeType(TThemedObjectKind kind) const;
    TcxLookAndFeelPainterClass GetPainterForThemeTypes(TThemedObjectKinds kinds) const;
    TcxLookAndFeelPainterClass GetSkinPainter() const { return skinPainter_; }

    // ---- the master chain ----
    TcxLookAndFeel* GetMasterLookAndFeel() const { return master_; }
    // EInvalidOperation when the master follows this look-and-feel (directly or through its masters).
    void SetMaster(TcxLookAndFeel* master);
    // nullptr for the root; else the master, or the root when there is none.
    TcxLookAndFeel* GetEffectiveMaster() const;
    void AddListener(IcxLookAndFeelListener* listener);
    void RemoveListener(IcxLookAndFeelListener* listener);
    int ListenerCount() const { return static_cast<int>(listeners_.size()); }
    void AssignFrom(TPersistent* source);
    bool IsRoot() const { return isRoot_; }

    TcxLookAndFeelChangedEvent OnChanged;

    // IcxLookAndFeelListener
    TObject* GetListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel* master, TcxLookAndFeelValues changed) override {
        HandleMasterChange(master, changed);
    }
    void MasterDestroying(TcxLookAndFeel*) override { SetMaster(nullptr); }

  protected:
    virtual TcxLookAndFeelKind ResolveKind() const;
    virtual bool ResolveNativeStyle() const;
    virtual std::string ResolveSkinName() const;
    virtual TcxLookAndFeelPainterClass ResolveSkinPainter() const;
    virtual bool FindSkinPainter(const std::string& name, TcxLookAndFeelPainterClass& painter) const;
    virtual void SystemPaletteChanged();
    void HandleMasterChange(TcxLookAndFeel* master, TcxLookAndFeelValues changed);
    void NotifyChanged(TcxLookAndFeelValues changed);
    void RememberState();
    void ApplyStateChange();

  private:
    friend void InitializeLookAndFeel();
    TcxLookAndFeel* InheritedSource() const;

    TcxLookAndFeelValues assignedValues_ = 0;
    std::vector<IcxLookAndFeelListener*> listeners_;
    TcxLookAndFeelData current_;
    TcxLookAndFeelData own_;
    bool destroying_ = false;
    bool isRoot_ = false;
    TcxLookAndFeel* master_ = nullptr;
    TcxLookAndFeelPainterClass skinPainter_ = nullptr;
    TcxLookAndFeelData previous_;
    std::unique_ptr<TcxSystemPaletteChangedNotifier> paletteNotifier_;
};

// Edits the root's values: every control that sets nothing of its own follows.
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelListener {
    ZORVY_CLASS(TcxLookAndFeelController, TComponent)
  public:
    explicit TcxLookAndFeelController(TComponent* owner);
    ~TcxLookAndFeelController() override;
    TcxLookAndFeelKind GetKind() const;
    void SetKind(TcxLookAndFeelKind value);
    bool GetNativeStyle() const;
    void SetNativeStyle(bool value);
    std::string GetSkinName() const;
    void SetSkinName(const std::string& value);

    TObject* GetListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {}
    void MasterDestroying(TcxLookAndFeel*) override { NotifyDesigner(); }

  private:
    void NotifyDesigner() {} // there is no form designer here
};

// The root, made by InitializeLookAndFeel; nullptr after FinalizeLookAndFeel.
TcxLookAndFeel* GetRootLookAndFeel();
int LookAndFeelControllerCount();
void InitializeLookAndFeel();
void FinalizeLookAndFeel();

} // namespace zorvy
