#pragma once
// The whole drawing layer in one include.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Text.h"
