#pragma once
// TStatusBar: the strip at the bottom of a window, split into panels with widths and texts, or one
// simple text across the whole bar, with a size grip in its corner.
#include "platform/classlib/Controls.h"

#include <memory>
#include <vector>

namespace zorvy {

class TStatusBar;
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TPersistent {
    ZORVY_CLASS(TStatusPanel, TPersistent)
  public:
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
    const std::string& GetText() const { return text_; }
    void SetText(const std::string& text);
    int GetWidth() const { return width_; }
    void SetWidth(int width);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel GetBevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel value);
    int GetIndex() const;

  private:
    void Changed();
    TStatusBar* bar_;
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusPanels {
  public:
    explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
    int GetCount() const { return static_cast<int>(items_.size()); }
    TStatusPanel* GetItem(int index) const; // EListError on a bad index
    TStatusPanel* operator[](int index) const { return GetItem(index); }
    TStatusPanel* Add();
    void Delete(int index);
    void Clear();

  private:
    friend class TStatusPanel;
    TStatusBar* bar_;
    std::vector<std::unique_ptr<TStatusPanel>> items_;
};

class TStatusBar : public TCustomControl {
    ZORVY_CLASS(TStatusBar, TCustomControl)
  public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* GetPanels() { return &panels_; }
    // One text over the whole bar in place of the panels.
    bool GetSimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool value);
    const std::string& GetSimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool GetSizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool value);

    // The rectangle of a panel; the last panel reaches to the bar's right edge.
    TRect PanelRect(int index) const;

  protected:
    void Paint() override;

  private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    TStatusPanels panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

} // namespace zorvy
