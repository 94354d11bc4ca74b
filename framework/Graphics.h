// The graphics of the framework in one include: drawing tools, canvas, graphics, pictures.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "framework/Graphic.h"
#include "framework/GraphicsObjects.h"
#include "framework/Icon.h"
#include "framework/JpegImage.h"
#include "framework/Picture.h"
