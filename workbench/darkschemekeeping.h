#pragma once

#include <QString>

namespace tintmill {

class ColorExportCode;
class PageSchemes;
struct Services;

// Keeps the dark colours from going without a word when the program ends. A
// page colour file holds one scheme, so a pair made here lives on only in a
// file that holds both. Closing the window (or 終了) while the dark colours
// have changed since they were last written out asks first: write both out,
// as a design tokens file the program reads back, quit without them, or
// stay. Without dark colours nothing is asked: the designed closing is as
// it was.
//
// A signal (logout, shutdown, `kill`) may come with no one there to answer,
// and a question would hold up the logout: then both schemes go to a
// recovery file without a question, and the next start moves it among the
// user's documents and says where it is.
class DarkSchemeKeeping
{
public:
    // The recovery file, in the program's scratch folder.
    static constexpr const char *recoveryFileName = "unsaved-schemes.tokens.json";

    DarkSchemeKeeping(const PageSchemes &schemes, ColorExportCode &exportCode,
                      const Services &services);

    // Whether the window may close: nothing would be lost, the user lets the
    // dark colours go, or they have just been written out. Cancelling the
    // question or the save dialog, or a failed write (told with its reason),
    // keeps the window open.
    bool mayClose();
    // The program is ending without a question: the schemes go to the
    // recovery file where something would be lost, and mayClose lets go.
    void keepForRecovery();
    // At start: a recovery file left by an earlier run moves to the
    // documents folder under a name of its own, and a message says where.
    void tellRecovered();

private:
    const PageSchemes &m_schemes;
    ColorExportCode &m_exportCode;
    const Services &m_services;
    bool m_endingUnasked = false;
};

} // namespace tintmill
