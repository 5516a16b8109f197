#pragma once
// The parts of a scroll bar and the states a painter draws a button-like element in; shared by the
// scroll bars and the look-and-feel painters.

namespace zorvy {

enum TcxScrollPart { spNone, spLineUp, spLineDown, spThumb, spPageUp, spPageDown };
enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };

} // namespace zorvy
