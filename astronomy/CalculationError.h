#pragma once

#include "data/KolviraError.h"

// A calculation that cannot be done (an unknown time zone, a sun that never
// reaches the angle asked for), with a message in Albanian that tells the user
// what to change.
class CalculationError : public KolviraError
{
public:
    using KolviraError::KolviraError;
};
