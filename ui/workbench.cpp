#include "workbench.h"

namespace tintmill {

Workbench::Workbench(const Services &services_) : services(services_) {}

} // namespace tintmill
