// Faces for picture buttons in the look of a built-in style: a frame of the style's button
// strip, widened to the button's width with its rounded ends kept.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Picture.h"
#include "skin/SUIStyle.h"

enum class TFaceState { Normal, MouseOn, MouseDown, Disabled };

// The face of `state` in `style`, `width` pixels wide and as high as the style's strip.
void ComposeButtonFace(TsuiUIStyle style, TFaceState state, int width, TPicture& face);
