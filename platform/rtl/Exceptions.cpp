#include "platform/rtl/Exceptions.h"
