#include "PlatformDisplay.h"

namespace orvanta {

void PlatformDisplay::chooseWindowPlatform()
{
}

} // namespace orvanta
