#pragma once

#include "astronomy/CalculationError.h"

// A failure of the calendar tool itself (its files, its command line), with a
// message in Albanian that tells the user what to change. Callers catch the
// base class, which the calculations throw too.
class ToolError : public CalculationError
{
public:
    using CalculationError::CalculationError;
};
