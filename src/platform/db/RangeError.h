#pragma once

#include "Exception.h"

// An index or a length outside what a routine can work on: raised before anything is read out of bounds.
class RangeError : public Exception {
public:
    using Exception::Exception;
};
