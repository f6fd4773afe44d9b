#include "fontconfigpreload.h"

#include <fontconfig/fontconfig.h>

namespace tintmill {

// If the configuration cannot be read here, Qt's own call reads it again and
// reports what went wrong, as it would without this.
FontconfigPreload::FontconfigPreload() : m_loading([] { FcInit(); }) {}

FontconfigPreload::~FontconfigPreload()
{
    wait();
}

void FontconfigPreload::wait()
{
    if (m_loading.joinable())
        m_loading.join();
}

} // namespace tintmill
