#pragma once
// The main window's caption that counts down to the close of ticket sales: draws close on Tuesday,
// Thursday and Sunday at 20:00.
#include "platform/rtl/DateTime.h"

#include <string>

namespace zorvy {

// The next close at or after now.
TDateTime NextSalesClose(TDateTime now);
// "Zorvy       距最后售票时间：" + hours + "小时" + minutes + "分", whole minutes left to the next close.
std::string CountdownCaption(TDateTime now);

} // namespace zorvy
