# Portable halves of the built-in looks: the theme table and the colour and geometry maths.
list(APPEND skin_portable_sources BuiltinThemeTable.cpp ColorMath.cpp SUIResDef.cpp)
