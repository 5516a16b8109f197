#pragma once
// Styles: a named, shared override of how one part of a grid (content, header, tab, ...) looks.
// A TcxStyle holds up to four values (background colour, text colour, font, background bitmap),
// each assigned or left to the default; styles live in a TcxStyleRepository; a style set
// (TcxCustomStyles / TcxStyles) maps the small part indexes of its owner to styles and resolves
// the values a part is painted with, first from its styles, then from the owner's defaults; a
// style sheet bundles a whole style set under a caption so that several owners can share it.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/GraphicsObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomStyle;
class TcxCustomStyles;
class TcxCustomStyleSheet;
class TcxStyleRepository;

enum TcxStyleValue : uint8_t { svBitmap = 0, svColor = 1, svFont = 2, svTextColor = 3 };
using TcxStyleValues = unsigned; // a set of TcxStyleValue bits
constexpr TcxStyleValues StyleValueSet(TcxStyleValue value) { return 1u << value; }

// What a part is painted with; the bitmap and the font belong to the style they came from.
using TcxPartParams = TcxViewParamsRec;

class IcxStyleListener {
  public:
    virtual ~IcxStyleListener() = default;
    virtual void StyleValuesChanged(TcxCustomStyle* style) = 0;
    // The style goes away; the listener has already been detached from it.
    virtual void StyleDestroying(TcxCustomStyle* style) = 0;
};

// ---- styles ----

class TcxCustomStyle : public TComponent {
    ZORVY_CLASS(TcxCustomStyle, TComponent)
  public:
    explicit TcxCustomStyle(TComponent* owner) : TComponent(owner) {}
    // Detaches each listener before telling it, so one that never unregisters cannot keep the
    // destruction going forever; then leaves the repository.
    ~TcxCustomStyle() override;

    // Tells every listener, the last registered first.
    virtual void Changed();
    virtual void RegisterListener(IcxStyleListener* listener);
    virtual void UnregisterListener(IcxStyleListener* listener);
    virtual void ResetToDefaults() {}
    int GetListenerCount() const { return static_cast<int>(listeners_.size()); }

    TcxStyleRepository* GetStyleRepository() const { return repository_; }
    // Moves the style from the old repository's list into the new one's.
    void SetStyleRepository(TcxStyleRepository* value);
    // The parent component is the repository; at run time only a repository may be set (else
    // EInvalidCast).
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return repository_ != nullptr; }
    void SetParentComponent(TComponent* value);

  private:
    std::vector<IcxStyleListener*> listeners_;
    TcxStyleRepository* repository_ = nullptr;
};

class TcxStyle : public TcxCustomStyle {
    ZORVY_CLASS(TcxStyle, TcxCustomStyle)
  public:
    explicit TcxStyle(TComponent* owner);
    ~TcxStyle() override;
    void Assign(TPersistent* source) override;
    // Nothing assigned, no bitmap, default colours; the font keeps its value, unassigned.
    void ResetToDefaults() override;

    TcxStyleValues GetAssignedValues() const { return assignedValues_; }
    void SetAssignedValues(TcxStyleValues value);
    TBitmap* GetBitmap() const { return bitmap_.get(); }
    // Copies the picture; svBitmap then follows whether the bitmap is empty.
    void SetBitmap(TBitmap* value);
    TColor GetColor() const { return color_; }
    // clDefault drops svColor, any other colour sets it.
    void SetColor(TColor value);
    TFont* GetFont() const { return font_.get(); }
    // Copies the font; any font change sets svFont.
    void SetFont(TFont* value);
    TColor GetTextColor() const { return textColor_; }
    void SetTextColor(TColor value);

    // Whether a form stream holds the value: only an assigned one.
    bool IsBitmapStored() const { return assignedValues_ & StyleValueSet(svBitmap); }
    bool IsColorStored() const { return assignedValues_ & StyleValueSet(svColor); }
    bool IsFontStored() const { return assignedValues_ & StyleValueSet(svFont); }
    bool IsTextColorStored() const { return assignedValues_ & StyleValueSet(svTextColor); }

  private:
    void BitmapChanged();
    void FontChanged();
    void SetColorValue(TColor& field, TColor value, TcxStyleValue flag);

    TcxStyleValues assignedValues_ = 0;
    std::unique_ptr<TBitmap> bitmap_;
    TColor color_ = clDefault;
    std::unique_ptr<TFont> font_;
    TColor textColor_ = clDefault;
    bool resetting_ = false; // the owned objects' change events report nothing while set
};

// False for nil, else whether the style has the value assigned.
bool StyleHasValue(const TcxCustomStyle* style, TcxStyleValue value);

// ---- the repository ----

using TcxCustomStyleClass = const TMetaClass*;
using TcxCustomStyleSheetClass = const TMetaClass*;

class TcxStyleRepository : public TComponent {
    ZORVY_CLASS(TcxStyleRepository, TComponent)
  public:
    explicit TcxStyleRepository(TComponent* owner) : TComponent(owner) {}
    // Frees its styles and sheets.
    ~TcxStyleRepository() override;

    virtual TcxCustomStyle* CreateStyle(TcxCustomStyleClass styleClass) { return CreateStyleFor(styleClass, this); }
    virtual TcxCustomStyle* CreateStyleFor(TcxCustomStyleClass styleClass, TComponent* owner);
    virtual TcxCustomStyleSheet* CreateSheet(TcxCustomStyleSheetClass sheetClass) {
        return CreateSheetFor(sheetClass, this);
    }
    virtual TcxCustomStyleSheet* CreateSheetFor(TcxCustomStyleSheetClass sheetClass, TComponent* owner);

    int GetCount() const { return static_cast<int>(styles_.size()); }
    TcxCustomStyle* GetItem(int index) const { return styles_.at(static_cast<size_t>(index)); }
    int GetStyleSheetCount() const { return static_cast<int>(sheets_.size()); }
    TcxCustomStyleSheet* GetStyleSheet(int index) const { return sheets_.at(static_cast<size_t>(index)); }
    // Every style owned by root, then every sheet owned by root, in list order.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  private:
    friend class TcxCustomStyle;
    friend class TcxCustomStyleSheet;
    void AddStyle(TcxCustomStyle* style);
    void RemoveStyle(TcxCustomStyle* style);
    void AddSheet(TcxCustomStyleSheet* sheet);
    void RemoveSheet(TcxCustomStyleSheet* sheet);

    std::vector<TcxCustomStyle*> styles_;
    std::vector<TcxCustomStyleSheet*> sheets_;
};

// ---- style sets ----

// The style-set class a sheet bundles (what GetStylesObjectClass answers).
using TcxCustomStylesClass = const TMetaClass*;

class TcxCustomStyles : public TcxInterfacedPersistent, public IcxStyleListener {
    ZORVY_CLASS(TcxCustomStyles, TcxInterfacedPersistent)
  public:
    explicit TcxCustomStyles(TPersistent* owner) : TcxInterfacedPersistent(owner) {}
    // Reports nothing to its owner any more, deletes its items and drops its sheet.
    ~TcxCustomStyles() override;
    // Takes the source's sheet only; descendants copy their style properties.
    void Assign(TPersistent* source) override;

    // The own style of the index, else the sheet chain's (nil while the owner is being written).
    TcxCustomStyle* GetStyle(int index) const;
    void SetStyle(int index, TcxCustomStyle* style);
    void Clear();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    // The own style at a position of the index-ordered items.
    TcxCustomStyle* GetItemStyle(int position) const { return items_.at(static_cast<size_t>(position)).Style; }

    TcxCustomStyleSheet* GetStyleSheet() const { return styleSheet_; }
    // Refused (nothing happens) unless CanUseStyleSheet.
    void SetStyleSheet(TcxCustomStyleSheet* value);
    bool CanUseStyleSheet(TcxCustomStyleSheet* sheet) const;
    TcxCustomStyleSheet* GetOwningStyleSheet() const { return owningSheet_; }

    // Part `index` looks different now: the owner reacts, and an owning sheet tells its users.
    virtual void ItemStyleChanged(int index);

    void StyleValuesChanged(TcxCustomStyle* style) override;
    void StyleDestroying(TcxCustomStyle* style) override;

  protected:
    // The owner's reaction to a changed part; nothing here.
    virtual void HandleStyleChange(int /*index*/) {}
    bool IsDestroying() const { return destroying_; }

  private:
    friend class TcxCustomStyleSheet;
    struct TItem {
        int Index;
        TcxCustomStyle* Style;
    };
    // The position of index, or where it would be inserted (found false).
    size_t FindItem(int index, bool& found) const;
    void DeleteItem(size_t position);
    bool IsOwnerBeingWritten() const;
    // The style indexes of a sheet chain, each once, appended to indexes.
    static void CollectSheetIndexes(TcxCustomStyleSheet* sheet, std::vector<int>& indexes);
    TComponent* GetTopOwnerComponent() const;

    bool destroying_ = false;
    std::vector<TItem> items_; // sorted by index, unique
    TcxCustomStyleSheet* styleSheet_ = nullptr;
    TcxCustomStyleSheet* owningSheet_ = nullptr;
};

class TcxStyles : public TcxCustomStyles, public IcxControlFontListener {
    ZORVY_CLASS(TcxStyles, TcxCustomStyles)
  public:
    explicit TcxStyles(TPersistent* owner) : TcxCustomStyles(owner) {}

    bool GetBitmapInViewParams() const { return bitmapInViewParams_; }
    void SetBitmapInViewParams(bool value) { bitmapInViewParams_ = value; }
    TcxCustomStyle* GetStyleValue(int index) const { return GetStyle(index); }
    // The style's bitmap when assigned and not empty, else nil.
    TBitmap* GetBitmap(int index) const;
    // The values part `index` is painted with: the explicit style first, then the part's own
    // style, then (asked at most once) the owner's defaults for whatever is still missing.
    void GetViewParams(int index, void* data, TcxCustomStyle* style, TcxPartParams& params);
    // The highest index the defaults were ever asked for.
    int GetMaxDefaultViewParamsIndex() const { return maxDefaultViewParamsIndex_; }

    // The control's font changed: parts that take that very font from the defaults change.
    void HandleFontChanged(TObject* sender, TFont* font);
    void ControlFontChanged(TObject* sender, TFont* font) override { HandleFontChanged(sender, font); }

  protected:
    // Clears the bitmap and remembers the index; descendants fill colours and font first.
    virtual void GetDefaultViewParams(int index, void* data, TcxPartParams& params);
    virtual bool IsFontUnassigned(int index) const { return !StyleHasValue(GetStyle(index), svFont); }

  private:
    int maxDefaultViewParamsIndex_ = 0;
    bool bitmapInViewParams_ = false;
};

// ---- style sheets ----

class TcxCustomStyleSheet : public TcxComponent {
    ZORVY_CLASS(TcxCustomStyleSheet, TcxComponent)
  public:
    explicit TcxCustomStyleSheet(TComponent* owner);
    // Every user set drops the sheet first (the last user first); then the sheet leaves its repository.
    ~TcxCustomStyleSheet() override;
    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler* filer) override;

    // The own caption, or the component name when empty; a text equal to the name (ignoring case)
    // clears the own caption.
    std::string GetCaption() const;
    void SetCaption(const std::string& value);
    bool IsCaptionStored() const { return !caption_.empty(); }
    bool GetBuiltIn() const { return builtIn_; }
    TcxCustomStyles* GetStyles() const { return styles_.get(); }
    // The style-set class the sheet bundles: TcxCustomStyles here.
    virtual TcxCustomStylesClass GetStylesObjectClass() const { return TcxCustomStyles::StaticClass(); }
    TcxStyleRepository* GetStyleRepository() const { return repository_; }
    void SetStyleRepository(TcxStyleRepository* value);
    TComponent* GetParentComponent() const override { return repository_; }
    bool HasParent() const override { return repository_ != nullptr; }
    void SetParentComponent(TComponent* value);
    int GetUserCount() const { return static_cast<int>(users_.size()); }
    TcxCustomStyles* GetUser(int index) const { return users_.at(static_cast<size_t>(index)); }

    // Tells every user set, first to last.
    void StyleChanged(int index);

  protected:
    // Call from a descendant's constructor: GetStylesObjectClass answers the base class's until then.
    void CreateStylesObject();
    void CollectLinkedComponents(TList* list) override;

  private:
    friend class TcxCustomStyles;
    void AddUser(TcxCustomStyles* styles) { users_.push_back(styles); }
    void RemoveUser(TcxCustomStyles* styles);

    bool builtIn_ = false;
    std::string caption_;
    std::unique_ptr<TcxCustomStyles> styles_;
    std::vector<TcxCustomStyles*> users_;
    TcxStyleRepository* repository_ = nullptr;
};

// Registers TcxStyle for streaming; the unit's start-up step.
void InitializeStylesUnit();

} // namespace zorvy
