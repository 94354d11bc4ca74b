// Stored form layouts: the writing side. Gives the text that ParseLayout and TLayoutReader read
// back: the root's stored properties, then every component the root owns, nested under its
// parent component, each with its stored properties (defaults left out, empty references,
// handlers and pictures left out, collections with their items, objects with data as hex).
#pragma once

#include "framework/Classes.h"

#include <string>

std::string WriteLayout(const TComponent& root);
