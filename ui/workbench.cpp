#include "workbench.h"

namespace tintmill {

Workbench::Workbench(Services services_) : services(services_) {}

} // namespace tintmill
