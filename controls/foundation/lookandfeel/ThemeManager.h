#pragma once
// Visual styles: thin wrappers over the platform's theme binding, and the theme manager that answers
// whether themes can be used (at all or for a kind of themed object), keeps one open theme handle per
// kind, recognises the stock themes and, on a theme change, closes its handles and tells notificators.
// On this platform the binding answers "not available" unless a test installs one before start-up.
#include "platform/win/Themes.h"

#include <functional>
#include <string>

namespace zorvy {

enum TThemedObjectKind : int {
    tokButton,
    tokClock,
    tokComboBox,
    tokEdit,
    tokExplorerBar,
    tokHeader,
    tokListView,
    tokMenu,
    tokPage,
    tokProgress,
    tokRebar,
    tokScrollBar,
    tokSpin,
    tokStartPanel,
    tokStatus,
    tokTab,
    tokTaskBand,
    tokTaskBar,
    tokToolBar,
    tokToolTip,
    tokTrackBar,
    tokTrayNotify,
    tokTreeView,
    tokWindow
};
constexpr int ThemedObjectKindCount = 24;
// A set of kinds: bit n for kind n.
using TThemedObjectKinds = uint32_t;
constexpr TThemedObjectKinds ThemeKindSet(TThemedObjectKind kind) {
    return TThemedObjectKinds(1u << kind);
}
// The theme class opened for a kind by default ("Button", ...).
const char* DefaultThemeClassName(TThemedObjectKind kind);

// ---- the binding: the results of the theme library unchanged ----
HTHEME ThemeOpenData(HWND window, const std::string& classList);
HRESULT ThemeCloseData(HTHEME theme);
HRESULT ThemeDrawBackground(HTHEME theme, HDC dc, int part, int state, const TRect& r,
                            const TRect* clip = nullptr);
HRESULT ThemeDrawText(HTHEME theme, HDC dc, int part, int state, const std::string& text, unsigned flags,
                      const TRect& r);
HRESULT ThemeGetBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const TRect& bounds,
                                      TRect& content);
HRESULT ThemeGetPartSize(HTHEME theme, HDC dc, int part, int state, TThemeSize kind, TSize& size);
HRESULT ThemeGetBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const TRect& r, TRegion& region);
HRESULT ThemeDrawEdge(HTHEME theme, HDC dc, int part, int state, const TRect& r, unsigned edge,
                      unsigned flags, TRect* content);
bool ThemeIsBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
HRESULT ThemeDrawParentBackground(HWND window, HDC dc, const TRect* r);
HRESULT ThemeGetColor(HTHEME theme, int part, int state, int property, COLORREF& color);
bool ThemeIsActive();
HRESULT ThemeGetCurrentName(std::string* fileName, std::string* colorName, std::string* sizeName);
// Whether the theme library was bound at start-up (false here unless a binding is installed).
bool IsUxThemeLoaded();
bool IsWindowsXPOrNewer();

// ---- the manager ----
bool CanUseThemeFor(TThemedObjectKind kind);
// Themes active and loaded; for a non-empty set every kind in it opens a handle.
bool CanUseThemesFor(TThemedObjectKinds kinds);
// The cached handle of the kind (opened on first use with classList, else the cached or default class).
HTHEME GetThemeHandle(TThemedObjectKind kind, const std::string* classList = nullptr);
HRESULT CloseThemeFor(TThemedObjectKind kind);
void CloseAllThemes();
bool IsStockXPTheme();

// Told once per theme change, in registration order.
class TdxThemeChangedNotificator {
  public:
    TdxThemeChangedNotificator();
    ~TdxThemeChangedNotificator();
    TdxThemeChangedNotificator(const TdxThemeChangedNotificator&) = delete;
    TdxThemeChangedNotificator& operator=(const TdxThemeChangedNotificator&) = delete;
    std::function<void()> OnThemeChanged;
};

// Start-up binds the installed binding (when any) and creates the receiver of WM_THEMECHANGED.
void InitializeThemeManager();
void FinalizeThemeManager();
// The receiver's hidden window (0 when the library is not loaded).
HWND ThemeChangeReceiverWindow();

} // namespace zorvy
