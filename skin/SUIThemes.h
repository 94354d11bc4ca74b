// UI styles on the Windows side: the style enumeration as a stored property type, the
// built-in bitmaps of the executable, and how a component finds its look.
#pragma once

#include "framework/Classes.h"
#include "skin/BuiltinThemeTable.h"
#include "skin/SUIStyle.h"

template <> const TEnumInfo& EnumInfoOf<TsuiUIStyle>();
