// The theme binding's wrappers and the theme manager.
#include "controls/foundation/lookandfeel/ThemeManager.h"

#include "platform/rtl/Strings.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zorvy {

namespace {

constexpr const char* ClassNames[ThemedObjectKindCount] = {
    "Button",   "Clock",    "ComboBox", "Edit",      "ExplorerBar", "Header",     "ListView", "Menu",
    "Page",     "Progress", "Rebar",    "ScrollBar", "Spin",        "StartPanel", "Status",   "Tab",
    "TaskBand", "TaskBar",  "ToolBar",  "ToolTip",   "TrackBar",    "TrayNotify", "TreeView", "Window"};

struct TdxThemeData {
    HTHEME Handle = 0;
    std::string ClassList;
};

struct TThemeManagerState {
    bool loaded = false;
    bool xpOrNewer = false;
    bool active = false;
    std::array<TdxThemeData, ThemedObjectKindCount> cache{};
    std::vector<TdxThemeChangedNotificator*> notificators;
    HWND receiver = 0;
};

TThemeManagerState& State() {
    static TThemeManagerState state;
    return state;
}

bool ThemesUsable() {
    return State().active && State().loaded;
}

void HandleThemeChange() {
    TThemeManagerState& s = State();
    CloseAllThemes();
    s.active = ThemeIsActive();
    const size_t count = s.notificators.size();
    for (size_t i = 0; i < count && i < s.notificators.size(); ++i)
        if (s.notificators[i]->OnThemeChanged) s.notificators[i]->OnThemeChanged();
}

void ReceiverProc(TMessage& m) {
    if (m.Msg != WM_THEMECHANGED) {
        m.Result = DefWindowProc(State().receiver, m.Msg, m.WParam, m.LParam);
        return;
    }
    try {
        DefWindowProc(State().receiver, m.Msg, m.WParam, m.LParam);
        m.Result = 0;
        HandleThemeChange();
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
    }
}

} // namespace

const char* DefaultThemeClassName(TThemedObjectKind kind) {
    return kind >= 0 && kind < ThemedObjectKindCount ? ClassNames[kind] : "";
}

HTHEME ThemeOpenData(HWND window, const std::string& classList) {
    return GetThemeBinding().OpenThemeData(window, classList);
}
HRESULT ThemeCloseData(HTHEME theme) {
    return GetThemeBinding().CloseThemeData(theme);
}
HRESULT ThemeDrawBackground(HTHEME theme, HDC dc, int part, int state, const TRect& r, const TRect* clip) {
    return GetThemeBinding().DrawThemeBackground(theme, dc, part, state, r, clip);
}
HRESULT ThemeDrawText(HTHEME theme, HDC dc, int part, int state, const std::string& text, unsigned flags,
                      const TRect& r) {
    return GetThemeBinding().DrawThemeText(theme, dc, part, state, text, flags, r);
}
HRESULT ThemeGetBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const TRect& bounds,
                                      TRect& content) {
    return GetThemeBinding().GetThemeBackgroundContentRect(theme, dc, part, state, bounds, content);
}
HRESULT ThemeGetPartSize(HTHEME theme, HDC dc, int part, int state, TThemeSize kind, TSize& size) {
    return GetThemeBinding().GetThemePartSize(theme, dc, part, state, nullptr, kind, size);
}
HRESULT ThemeGetBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const TRect& r, TRegion& region) {
    return GetThemeBinding().GetThemeBackgroundRegion(theme, dc, part, state, r, region);
}
HRESULT ThemeDrawEdge(HTHEME theme, HDC dc, int part, int state, const TRect& r, unsigned edge,
                      unsigned flags, TRect* content) {
    return GetThemeBinding().DrawThemeEdge(theme, dc, part, state, r, edge, flags, content);
}
bool ThemeIsBackgroundPartiallyTransparent(HTHEME theme, int part, int state) {
    return GetThemeBinding().IsThemeBackgroundPartiallyTransparent(theme, part, state);
}
HRESULT ThemeDrawParentBackground(HWND window, HDC dc, const TRect* r) {
    // The call may select another font: the caller's comes back afterwards.
    HGDIOBJ font = dc ? GetCurrentObject(dc, OBJ_FONT) : nullptr;
    const HRESULT result = GetThemeBinding().DrawThemeParentBackground(window, dc, r);
    if (font) SelectObject(dc, font);
    return result;
}
HRESULT ThemeGetColor(HTHEME theme, int part, int state, int property, COLORREF& color) {
    uint32_t value = 0;
    const HRESULT result = GetThemeBinding().GetThemeColor(theme, part, state, property, value);
    color = value;
    return result;
}
bool ThemeIsActive() {
    return GetThemeBinding().IsThemeActive();
}
HRESULT ThemeGetCurrentName(std::string* fileName, std::string* colorName, std::string* sizeName) {
    std::string file, color, size;
    const HRESULT result = GetThemeBinding().GetCurrentThemeName(file, color, size);
    if (fileName) *fileName = file;
    if (colorName) *colorName = color;
    if (sizeName) *sizeName = size;
    return result;
}

bool IsUxThemeLoaded() {
    return State().loaded;
}

bool IsWindowsXPOrNewer() {
    return State().xpOrNewer;
}

bool CanUseThemeFor(TThemedObjectKind kind) {
    return ThemesUsable() && GetThemeHandle(kind) != 0;
}

bool CanUseThemesFor(TThemedObjectKinds kinds) {
    if (!ThemesUsable()) return false;
    for (int kind = 0; kind < ThemedObjectKindCount; ++kind)
        if ((kinds & (1u << kind)) && GetThemeHandle(TThemedObjectKind(kind)) == 0) return false;
    return true;
}

HTHEME GetThemeHandle(TThemedObjectKind kind, const std::string* classList) {
    if (!ThemesUsable() || kind < 0 || kind >= ThemedObjectKindCount) return 0;
    TdxThemeData& entry = State().cache[size_t(kind)];
    if (entry.Handle) {
        if (!classList || AnsiUpperCase(*classList) == AnsiUpperCase(entry.ClassList)) return entry.Handle;
        CloseThemeFor(kind);
    }
    const std::string open = classList                  ? *classList
                             : !entry.ClassList.empty() ? entry.ClassList
                                                        : std::string(ClassNames[kind]);
    entry.Handle = ThemeOpenData(0, open);
    entry.ClassList = entry.Handle ? open : std::string();
    return entry.Handle;
}

HRESULT CloseThemeFor(TThemedObjectKind kind) {
    if (!ThemesUsable()) return 1;
    TdxThemeData& entry = State().cache[size_t(kind)];
    if (!entry.Handle) return 0;
    const HRESULT result = ThemeCloseData(entry.Handle);
    entry.Handle = 0;
    entry.ClassList.clear();
    return result;
}

void CloseAllThemes() {
    for (TdxThemeData& entry : State().cache)
        if (entry.Handle) {
            if (State().loaded) ThemeCloseData(entry.Handle);
            entry.Handle = 0;
        }
}

bool IsStockXPTheme() {
    if (!CanUseThemesFor(0)) return false;
    std::string file;
    if (ThemeGetCurrentName(&file, nullptr, nullptr) != S_OK) return false;
    const size_t slash = file.find_last_of("/\\");
    const std::string name = AnsiUpperCase(slash == std::string::npos ? file : file.substr(slash + 1));
    return name == "LUNA.MSSTYLES" || name == "ROYALE.MSSTYLES";
}

TdxThemeChangedNotificator::TdxThemeChangedNotificator() {
    if (State().loaded) State().notificators.push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
    std::erase(State().notificators, this);
}

void InitializeThemeManager() {
    TThemeManagerState& s = State();
    const OSVERSIONINFO version = GetVersionEx();
    s.xpOrNewer = version.majorVersion > 5 || (version.majorVersion == 5 && version.minorVersion != 0);
    s.loaded = s.xpOrNewer && ThemeLibraryAvailable();
    if (!s.loaded) return;
    s.active = ThemeIsActive();
    if (!s.receiver) s.receiver = AllocateHWnd(&ReceiverProc);
}

void FinalizeThemeManager() {
    TThemeManagerState& s = State();
    if (s.receiver) DeallocateHWnd(s.receiver);
    s.receiver = 0;
    s.active = false;
    CloseAllThemes();
    s.cache = {};
    s.notificators.clear();
    s.loaded = false;
}

HWND ThemeChangeReceiverWindow() {
    return State().receiver;
}

} // namespace zorvy
