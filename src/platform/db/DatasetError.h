#pragma once

#include "Exception.h"

// Misuse of a dataset: a closed dataset, an unknown field, a filter it cannot read, a wrong state.
class DatasetError : public Exception {
public:
    using Exception::Exception;
};
