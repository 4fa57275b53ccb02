#pragma once

#include "data/KolviraError.h"

// A failure of the calendar tool itself (its files, its command line), with a
// message in Albanian that tells the user what to change.
class ToolError : public KolviraError
{
public:
    using KolviraError::KolviraError;
};
