#pragma once

#include "Exception.h"

// A value that cannot be read as the type asked for, or that does not fit it.
class ConversionError : public Exception {
public:
    using Exception::Exception;
};
