#pragma once
// What the trend columns and the trend-table builder read of the analysis window and the trend windows,
// copied there into plain values before a view is opened. Fields keep the names of their components;
// texts stay texts, so that a text that is not a number fails where it is read, with the conversion error.
#include <array>
#include <string>

namespace zorvy {

// The rule of the trend table: which radio button of the trend-table panel is selected.
enum class TTrendRule {
    RwLchk,     // 热温
    sx3qiatchk, // 上下3期凹凸
    sx3qidxchk, // 上下3期大小
    kuaduchk,   // 跨度
    zuoyouchk1, // 左右
    sx3qijechk, // 上下3期奇偶
    sx3qyschk,  // 上下3期余数
    sx6qijechk, // 上下6期奇偶
    sx6qiyschk, // 上下6期余数
    shuzhichk,  // 历期值
    yushuchk,   // 除数值
    JIouchk,    // 奇偶
    NewRwLchk,  // 新值热温
};

struct TAnalysisSettings {
    std::string chusvcom = "16"; // 范围除数
    bool Panel4 = false;         // the trend-table panel is visible
    TTrendRule Rule = TTrendRule::sx3qijechk;
    int Rad012 = 0; // selected index 0, 1 or 2
    int sx6Rad012 = 0;
    bool zychk = false;
    std::string zycom = "5";
    std::string ysvcom = "3";
    std::array<bool, 5> Qian{true, true, false, false, false}; // 前值1 to 前值5
    std::array<std::string, 5> sh{"0", "0", "0", "0", "0"};    // sh1 to sh5
    bool t2chk = false;
    std::string bxcom = "0";
    std::string bdcom = "5";
};

// What a trend window gives its view: the selected kind (-1 when none is selected), the digits text of the
// serial view's `Edit2`, and the caption of `Label5` that the view writes after its last row.
struct TTrendWindowSettings {
    int ComboBox1 = 0;
    std::string Edit2 = "0 1 2 3 4 5";
    std::string Label5 = "热温：";
};

} // namespace zorvy
