#pragma once

#include <thread>

namespace tintmill {

// Fontconfig reading its configuration and font cache is the largest single
// piece of work before the first paint, and it needs nothing from Qt. This
// does it on a second core while the application connects to the display.
//
// wait() must come before anything asks for a font: fontconfig does not hold
// a second caller back, it loads the whole configuration again.
class FontconfigPreload
{
public:
    FontconfigPreload();
    ~FontconfigPreload();
    FontconfigPreload(const FontconfigPreload &) = delete;
    FontconfigPreload &operator=(const FontconfigPreload &) = delete;

    void wait();

private:
    std::thread m_loading;
};

} // namespace tintmill
