#pragma once
// The visual-styles binding: the theme entry points the painters call, behind one interface. On this
// platform there are no visual styles, so the installed binding answers "not available" everywhere and
// painters take their non-themed paths. Tests of themed paths install a binding of their own.
#include "platform/gdi/DeviceContext.h"
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

using HTHEME = std::uintptr_t;
using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);

enum class TThemeSize { Min, True, Draw };

class TThemeBinding {
  public:
    virtual ~TThemeBinding() = default;
    virtual HTHEME OpenThemeData(HWND hwnd, const std::string& classList) = 0;
    virtual HRESULT CloseThemeData(HTHEME theme) = 0;
    virtual HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect& r,
                                        const TRect* clip) = 0;
    virtual HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const std::string& text,
                                  unsigned flags, const TRect& r) = 0;
    virtual HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const TRect& r, unsigned edge,
                                  unsigned flags, TRect* contentRect) = 0;
    virtual HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const TRect* r) = 0;
    virtual HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state,
                                                  const TRect& bounds, TRect& content) = 0;
    virtual HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const TRect& r,
                                             TRegion& out) = 0;
    virtual HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, std::uint32_t& color) = 0;
    virtual HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const TRect* r,
                                     TThemeSize kind, TSize& size) = 0;
    virtual bool IsThemeActive() = 0;
    virtual bool IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) = 0;
    virtual HRESULT GetCurrentThemeName(std::string& fileName, std::string& colorName,
                                        std::string& sizeName) = 0;
};

// The binding of this platform: every entry point fails, no theme is active.
class TNoThemeBinding : public TThemeBinding {
  public:
    HTHEME OpenThemeData(HWND, const std::string&) override { return 0; }
    HRESULT CloseThemeData(HTHEME) override { return E_FAIL; }
    HRESULT DrawThemeBackground(HTHEME, HDC, int, int, const TRect&, const TRect*) override { return E_FAIL; }
    HRESULT DrawThemeText(HTHEME, HDC, int, int, const std::string&, unsigned, const TRect&) override {
        return E_FAIL;
    }
    HRESULT DrawThemeEdge(HTHEME, HDC, int, int, const TRect&, unsigned, unsigned, TRect*) override {
        return E_FAIL;
    }
    HRESULT DrawThemeParentBackground(HWND, HDC, const TRect*) override { return E_FAIL; }
    HRESULT GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const TRect&, TRect&) override {
        return E_FAIL;
    }
    HRESULT GetThemeBackgroundRegion(HTHEME, HDC, int, int, const TRect&, TRegion&) override {
        return E_FAIL;
    }
    HRESULT GetThemeColor(HTHEME, int, int, int, std::uint32_t&) override { return E_FAIL; }
    HRESULT GetThemePartSize(HTHEME, HDC, int, int, const TRect*, TThemeSize, TSize&) override {
        return E_FAIL;
    }
    bool IsThemeActive() override { return false; }
    bool IsThemeBackgroundPartiallyTransparent(HTHEME, int, int) override { return false; }
    HRESULT GetCurrentThemeName(std::string&, std::string&, std::string&) override { return E_FAIL; }
};

// The binding in use (the platform's by default). Installing nullptr restores the platform's binding.
TThemeBinding& GetThemeBinding();
void SetThemeBinding(TThemeBinding* binding);
// Whether the theme library could be bound at all: false on this platform unless a binding is installed.
bool ThemeLibraryAvailable();

} // namespace zorvy
