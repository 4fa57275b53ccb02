#pragma once

#include "astronomy/Place.h"

#include <vector>

// The western edge of the American mainland, from western Alaska to Tierra
// del Fuego: for each whole degree of latitude from 65° N to 55° S, the
// westernmost shore at that latitude, from a coarse outline. An evening
// crescent is seen there latest, so there it is decided whether it is seen
// in the Americas at all.
const std::vector<Place> &americasWestCoast();
