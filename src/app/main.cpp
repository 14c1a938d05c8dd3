// Placeholder entry point: start-up and the main window come with the user interface.
#include "UnDM.h"

#include <memory>

int main()
{
    auto dataModule = std::make_unique<TDM>();
    DM = dataModule.get();
    DM = nullptr;
    return 0;
}
