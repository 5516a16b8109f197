#pragma once
// A theme binding that records what is asked of it, for the themed paths: handles are numbered by
// class list, the current theme's name is settable, and the drawing calls paint nothing but are logged.
#include "controls/foundation/lookandfeel/ThemeManager.h"

#include <map>
#include <string>
#include <vector>

namespace zorvy::test {

class TFakeThemeBinding : public TThemeBinding {
  public:
    bool Active = true;
    std::string FileName = "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    std::string ColorName = "NormalColor";
    std::vector<std::string> Missing; // class lists that cannot be opened
    std::vector<std::string> Log;
    int Opens = 0, Closes = 0;

    HTHEME OpenThemeData(HWND, const std::string& classList) override {
        ++Opens;
        Log.push_back("open " + classList);
        for (const auto& m : Missing)
            if (m == classList) return 0;
        return HTHEME(100 + Opens);
    }
    HRESULT CloseThemeData(HTHEME) override {
        ++Closes;
        return S_OK;
    }
    HRESULT DrawThemeBackground(HTHEME, HDC, int part, int state, const TRect&, const TRect*) override {
        Log.push_back("background " + std::to_string(part) + "/" + std::to_string(state));
        return S_OK;
    }
    HRESULT DrawThemeText(HTHEME, HDC, int part, int state, const std::string& text, unsigned flags,
                          const TRect&) override {
        Log.push_back("text " + std::to_string(part) + "/" + std::to_string(state) + " " + text + " " +
                      std::to_string(flags));
        return S_OK;
    }
    HRESULT DrawThemeEdge(HTHEME, HDC, int, int, const TRect&, unsigned, unsigned, TRect*) override {
        return S_OK;
    }
    HRESULT DrawThemeParentBackground(HWND, HDC, const TRect*) override { return S_OK; }
    HRESULT GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const TRect& bounds,
                                          TRect& content) override {
        content = bounds;
        InflateRect(content, -3, -3);
        return S_OK;
    }
    HRESULT GetThemeBackgroundRegion(HTHEME, HDC, int, int, const TRect& r, TRegion& out) override {
        out = TRegion(r);
        return S_OK;
    }
    HRESULT GetThemeColor(HTHEME, int, int, int, std::uint32_t& color) override {
        color = 0x123456;
        return S_OK;
    }
    HRESULT GetThemePartSize(HTHEME, HDC, int, int, const TRect*, TThemeSize, TSize& size) override {
        size = {13, 13};
        return S_OK;
    }
    bool IsThemeActive() override { return Active; }
    bool IsThemeBackgroundPartiallyTransparent(HTHEME, int, int) override { return false; }
    HRESULT GetCurrentThemeName(std::string& file, std::string& color, std::string& size) override {
        file = FileName;
        color = ColorName;
        size = "NormalSize";
        return S_OK;
    }
};

// Installs the fake and starts the theme manager over it; puts the platform's binding back after.
class TInstalledThemeBinding {
  public:
    explicit TInstalledThemeBinding(TFakeThemeBinding& fake) {
        SetThemeBinding(&fake);
        InitializeThemeManager();
    }
    ~TInstalledThemeBinding() {
        FinalizeThemeManager();
        SetThemeBinding(nullptr);
    }
};

} // namespace zorvy::test
