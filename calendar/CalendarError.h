#pragma once

#include "data/KolviraError.h"

// A date the calendar service cannot read or reckon with, with a sentence a
// user can act on.
class CalendarError : public KolviraError
{
public:
    using KolviraError::KolviraError;
};
