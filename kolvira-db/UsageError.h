#pragma once

#include "kolvira-db/ToolError.h"

// A command line the tool cannot follow: unknown command or option, a
// missing or malformed value.
class UsageError : public ToolError
{
public:
    using ToolError::ToolError;
};
