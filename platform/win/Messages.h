#pragma once
// Message numbers and the message records. The numbering is our own; it only keeps related messages
// in contiguous ranges so that queue filters (keys, mouse) can be given as a first..last range.
#include "platform/gdi/Geometry.h"
#include "platform/win/Handles.h"

namespace zorvy {

// Window life cycle, geometry and text.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_NCCREATE = 0x0003;
constexpr UINT WM_NCDESTROY = 0x0004;
constexpr UINT WM_MOVE = 0x0005;
constexpr UINT WM_SIZE = 0x0006;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0007;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0008;
constexpr UINT WM_SHOWWINDOW = 0x0009;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETREDRAW = 0x000B;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_SETFONT = 0x000F;
constexpr UINT WM_GETFONT = 0x0010;
constexpr UINT WM_CLOSE = 0x0011;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_NCCALCSIZE = 0x0013;
constexpr UINT WM_NCHITTEST = 0x0014;
constexpr UINT WM_NCPAINT = 0x0015;
constexpr UINT WM_NCACTIVATE = 0x0016;
constexpr UINT WM_GETDLGCODE = 0x0017;

// Painting.
constexpr UINT WM_PAINT = 0x0020;
constexpr UINT WM_ERASEBKGND = 0x0021;
constexpr UINT WM_PRINT = 0x0022;
constexpr UINT WM_PRINTCLIENT = 0x0023;

// Activation, focus, capture, cursor.
constexpr UINT WM_ACTIVATE = 0x0030;
constexpr UINT WM_ACTIVATEAPP = 0x0031;
constexpr UINT WM_MOUSEACTIVATE = 0x0032;
constexpr UINT WM_SETFOCUS = 0x0033;
constexpr UINT WM_KILLFOCUS = 0x0034;
constexpr UINT WM_CANCELMODE = 0x0035;
constexpr UINT WM_CAPTURECHANGED = 0x0036;
constexpr UINT WM_SETCURSOR = 0x0037;
constexpr UINT WM_CONTEXTMENU = 0x0038;
constexpr UINT WM_NEXTDLGCTL = 0x0039;

// System notices.
constexpr UINT WM_SYSCOLORCHANGE = 0x0040;
constexpr UINT WM_SETTINGCHANGE = 0x0041;
constexpr UINT WM_WININICHANGE = WM_SETTINGCHANGE;
constexpr UINT WM_THEMECHANGED = 0x0042;
constexpr UINT WM_TIMECHANGE = 0x0043;
constexpr UINT WM_FONTCHANGE = 0x0044;

// Commands, scrolling, timers.
constexpr UINT WM_COMMAND = 0x0050;
constexpr UINT WM_HSCROLL = 0x0051;
constexpr UINT WM_VSCROLL = 0x0052;
constexpr UINT WM_TIMER = 0x0053;
constexpr UINT WM_SYSCOMMAND = 0x0054;
constexpr UINT WM_NOTIFY = 0x0055;
constexpr UINT WM_DRAWITEM = 0x0056;
constexpr UINT WM_MEASUREITEM = 0x0057;
constexpr UINT WM_CTLCOLORSCROLLBAR = 0x0058;
constexpr UINT WM_CTLCOLOREDIT = 0x0059;
constexpr UINT WM_CTLCOLORLISTBOX = 0x005A;
constexpr UINT WM_CTLCOLORBTN = 0x005B;
constexpr UINT WM_CTLCOLORSTATIC = 0x005C;

// Keyboard.
constexpr UINT WM_KEYFIRST = 0x0060;
constexpr UINT WM_KEYDOWN = 0x0060;
constexpr UINT WM_KEYUP = 0x0061;
constexpr UINT WM_CHAR = 0x0062;
constexpr UINT WM_SYSKEYDOWN = 0x0063;
constexpr UINT WM_SYSKEYUP = 0x0064;
constexpr UINT WM_SYSCHAR = 0x0065;
constexpr UINT WM_KEYLAST = 0x0065;
constexpr UINT WM_IME_CHAR = 0x0070;
constexpr UINT WM_IME_COMPOSITION = 0x0071;
constexpr UINT WM_IME_STARTCOMPOSITION = 0x0072;
constexpr UINT WM_IME_ENDCOMPOSITION = 0x0073;
// WM_IME_COMPOSITION lParam: what changed (the text itself is read with GetImeCompositionString).
constexpr LPARAM GCS_COMPSTR = 0x0008;
constexpr LPARAM GCS_CURSORPOS = 0x0080;
constexpr LPARAM GCS_RESULTSTR = 0x0800;

// Mouse over the non-client frame (screen coordinates).
constexpr UINT WM_NCMOUSEMOVE = 0x0080;
constexpr UINT WM_NCLBUTTONDOWN = 0x0081;
constexpr UINT WM_NCLBUTTONUP = 0x0082;
constexpr UINT WM_NCLBUTTONDBLCLK = 0x0083;
constexpr UINT WM_NCRBUTTONDOWN = 0x0084;
constexpr UINT WM_NCRBUTTONUP = 0x0085;
constexpr UINT WM_NCRBUTTONDBLCLK = 0x0086;
constexpr UINT WM_NCMBUTTONDOWN = 0x0087;
constexpr UINT WM_NCMBUTTONUP = 0x0088;
constexpr UINT WM_NCMBUTTONDBLCLK = 0x0089;

// Mouse over the client area (client coordinates).
constexpr UINT WM_MOUSEFIRST = 0x0090;
constexpr UINT WM_MOUSEMOVE = 0x0090;
constexpr UINT WM_LBUTTONDOWN = 0x0091;
constexpr UINT WM_LBUTTONUP = 0x0092;
constexpr UINT WM_LBUTTONDBLCLK = 0x0093;
constexpr UINT WM_RBUTTONDOWN = 0x0094;
constexpr UINT WM_RBUTTONUP = 0x0095;
constexpr UINT WM_RBUTTONDBLCLK = 0x0096;
constexpr UINT WM_MBUTTONDOWN = 0x0097;
constexpr UINT WM_MBUTTONUP = 0x0098;
constexpr UINT WM_MBUTTONDBLCLK = 0x0099;
constexpr UINT WM_MOUSEWHEEL = 0x009A;
constexpr UINT WM_MOUSELAST = 0x009A;

// Clipboard commands.
constexpr UINT WM_CUT = 0x00A0;
constexpr UINT WM_COPY = 0x00A1;
constexpr UINT WM_PASTE = 0x00A2;
constexpr UINT WM_CLEAR = 0x00A3;
constexpr UINT WM_UNDO = 0x00A4;

// Edit controls.
constexpr UINT EM_SETSEL = 0x0100;
constexpr UINT EM_GETSEL = 0x0101;
constexpr UINT EM_LIMITTEXT = 0x0102;
constexpr UINT EM_LINEINDEX = 0x0103;
constexpr UINT EM_LINESCROLL = 0x0104;
constexpr UINT EM_POSFROMCHAR = 0x0105;
constexpr UINT EM_REPLACESEL = 0x0106;
constexpr UINT EM_SETMARGINS = 0x0107;
constexpr UINT EM_SETPASSWORDCHAR = 0x0108;
constexpr UINT EM_SETREADONLY = 0x0109;
constexpr UINT EM_GETLINECOUNT = 0x010A;
constexpr UINT EM_LINEFROMCHAR = 0x010B;
constexpr UINT EM_LINELENGTH = 0x010C;
constexpr UINT EM_CHARFROMPOS = 0x010D;
constexpr UINT EM_UNDO = 0x010E;
constexpr UINT EM_CANUNDO = 0x010F;
constexpr UINT EM_GETMODIFY = 0x0110;
constexpr UINT EM_SETMODIFY = 0x0111;
constexpr UINT EM_SCROLLCARET = 0x0112;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x0113;
constexpr UINT EM_GETLIMITTEXT = 0x0114;
constexpr UINT EM_GETMARGINS = 0x0115;
constexpr UINT EM_GETPASSWORDCHAR = 0x0116;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x0117;
constexpr UINT EM_GETRECT = 0x0118;
constexpr UINT EM_GETLINE = 0x0119;
constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
// EM_SETMARGINS wParam.
constexpr WPARAM EC_LEFTMARGIN = 0x1;
constexpr WPARAM EC_RIGHTMARGIN = 0x2;
constexpr WPARAM EC_USEFONTINFO = 0xFFFF;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_HSCROLL = 0x0301;
constexpr UINT EN_VSCROLL = 0x0302;
constexpr UINT EN_UPDATE = 0x0303;
constexpr UINT EN_SETFOCUS = 0x0304;
constexpr UINT EN_KILLFOCUS = 0x0305;
constexpr UINT EN_MAXTEXT = 0x0306;

// List boxes.
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0183;
constexpr UINT LB_SETCURSEL = 0x0184;
constexpr UINT LB_GETCURSEL = 0x0185;
constexpr UINT LB_GETCOUNT = 0x0186;
constexpr UINT LB_GETTEXTLEN = 0x0187;
constexpr UINT LB_FINDSTRING = 0x0188;
constexpr UINT LB_SETTOPINDEX = 0x0189;
constexpr UINT LB_SETCARETINDEX = 0x018A;
constexpr UINT LB_SETITEMHEIGHT = 0x018B;
constexpr UINT LB_SETHORIZONTALEXTENT = 0x018C;
constexpr UINT LB_SELITEMRANGE = 0x018D;
constexpr UINT LB_GETSEL = 0x018E;
constexpr UINT LB_SETSEL = 0x018F;
constexpr UINT LB_GETTOPINDEX = 0x0190;
constexpr UINT LB_GETITEMRECT = 0x0191;
constexpr UINT LB_ITEMFROMPOINT = 0x0192;
constexpr UINT LB_GETITEMHEIGHT = 0x0193;
constexpr UINT LB_GETTEXT = 0x0194;
constexpr UINT LB_FINDSTRINGEXACT = 0x0195;
constexpr UINT LB_GETITEMDATA = 0x0196;
constexpr UINT LB_SETITEMDATA = 0x0197;
constexpr UINT LB_GETSELCOUNT = 0x0198;
constexpr UINT LB_GETSELITEMS = 0x0199;
constexpr UINT LB_GETCARETINDEX = 0x019A;
constexpr UINT LB_SELECTSTRING = 0x019B;
constexpr UINT LB_GETHORIZONTALEXTENT = 0x019C;
constexpr UINT LB_GETANCHORINDEX = 0x019D;
constexpr UINT LB_SETANCHORINDEX = 0x019E;
constexpr UINT LB_MSGMAX = 0x01BF;
constexpr LRESULT LB_OKAY = 0;
constexpr LRESULT LB_ERR = -1;
constexpr UINT LBN_SELCHANGE = 0x0310;
constexpr UINT LBN_DBLCLK = 0x0311;
constexpr UINT LBN_SETFOCUS = 0x0313;
constexpr UINT LBN_KILLFOCUS = 0x0314;

// Buttons.
constexpr UINT BM_GETCHECK = 0x01C0;
constexpr UINT BM_SETCHECK = 0x01C1;
constexpr UINT BM_CLICK = 0x01C2;
constexpr UINT BM_GETSTATE = 0x01C3;
constexpr UINT BM_SETSTATE = 0x01C4;
constexpr UINT BM_SETSTYLE = 0x01C5;
constexpr WPARAM BST_UNCHECKED = 0x0;
constexpr WPARAM BST_CHECKED = 0x1;
constexpr WPARAM BST_INDETERMINATE = 0x2;
constexpr WPARAM BST_PUSHED = 0x4;
constexpr WPARAM BST_FOCUS = 0x8;
constexpr UINT BN_CLICKED = 0x0320;
constexpr UINT BN_DOUBLECLICKED = 0x0321;
constexpr UINT BN_SETFOCUS = 0x0322;
constexpr UINT BN_KILLFOCUS = 0x0323;

// Scroll-bar controls.
constexpr UINT SBM_SETSCROLLINFO = 0x01E0;
constexpr UINT SBM_GETSCROLLINFO = 0x01E1;
constexpr UINT SBM_SETPOS = 0x01E2;
constexpr UINT SBM_GETPOS = 0x01E3;
constexpr UINT SBM_SETRANGE = 0x01E4;
constexpr UINT SBM_GETRANGE = 0x01E5;
constexpr UINT SBM_ENABLE_ARROWS = 0x01E6;
constexpr UINT SBM_GETSCROLLBARINFO = 0x01E7;

constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// The class library's component messages and the messages it reflects back to a control (CN_ = base + WM_).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_MOUSEENTER = CM_BASE + 2;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 3;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 4;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 5;
constexpr UINT CM_COLORCHANGED = CM_BASE + 6;
constexpr UINT CM_FONTCHANGED = CM_BASE + 7;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 8;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 9;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 10;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 11;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 12;
constexpr UINT CM_WININICHANGE = CM_BASE + 13;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 14;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 15;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 16;
constexpr UINT CM_DIALOGKEY = CM_BASE + 17;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 18;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 19;
constexpr UINT CM_DOCKNOTIFICATION = CM_BASE + 20;
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 21;
constexpr UINT CM_ENTER = CM_BASE + 22;
constexpr UINT CM_EXIT = CM_BASE + 23;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 24;
constexpr UINT CM_RELEASE = CM_BASE + 25;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 26;
constexpr UINT CM_HINTSHOW = CM_BASE + 27;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 28;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 29;
constexpr UINT CM_CHILDKEY = CM_BASE + 30;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 31;
constexpr UINT CM_CANCELMODE = CM_BASE + 32;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 33;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 34;
constexpr UINT CM_INVALIDATE = CM_BASE + 35;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 36;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 37;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 38;
constexpr UINT CM_DOCKCLIENT = CM_BASE + 39;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 40;
constexpr UINT CM_TIMECHANGE = CM_BASE + 41;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Answers to WM_GETDLGCODE.
constexpr LRESULT DLGC_WANTARROWS = 0x01;
constexpr LRESULT DLGC_WANTTAB = 0x02;
constexpr LRESULT DLGC_WANTALLKEYS = 0x04;
constexpr LRESULT DLGC_WANTCHARS = 0x80;
constexpr LRESULT DLGC_HASSETSEL = 0x08;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x10;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x20;
constexpr LRESULT DLGC_RADIOBUTTON = 0x40;
constexpr LRESULT DLGC_BUTTON = 0x2000;
constexpr LRESULT DLGC_STATIC = 0x100;

// WM_ACTIVATE states, WM_MOUSEACTIVATE answers, WM_SIZE kinds.
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

// WM_NCHITTEST answers.
constexpr LRESULT HTERROR = -2;
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTCAPTION = 2;
constexpr LRESULT HTGROWBOX = 4;
constexpr LRESULT HTMENU = 5;
constexpr LRESULT HTHSCROLL = 6;
constexpr LRESULT HTVSCROLL = 7;
constexpr LRESULT HTBORDER = 18;

// Scroll codes of WM_HSCROLL / WM_VSCROLL.
constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// PeekMessage options.
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;

// A queued message.
struct MSG {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::uint64_t time = 0;
    TPoint pt{};
    std::uint64_t timerSerial = 0; // which SetTimer call produced a WM_TIMER; 0 for every other message
};

// The record a control's message handlers work on.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Sent with WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED (lParam points to it).
struct WINDOWPOS {
    HWND hwnd = 0;
    HWND hwndInsertAfter = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT flags = 0;
};

// Sent with WM_NCCALCSIZE: the window rectangle in, the client rectangle out (parent coordinates).
struct NCCALCSIZE_PARAMS {
    TRect rgrc[3];
};

} // namespace zorvy
