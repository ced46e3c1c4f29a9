// The puzzle's command line, with any argument text, and the dialog font
// start-up chooses from it.
#include <cstdlib>

#include "fuzz/fuzzsupport.h"
#include "puzzle/ui/commandline.h"
#include "toolkit/uicontext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);
    const std::string arguments(reinterpret_cast<const char*>(data), size);

    PuzzleSwitches switches = readCommandLine(arguments);
    std::string face;
    int points = 0;
    if (chooseDialogFont(switches, size & 2, "Sans", 9, face, points) && face.empty()) std::abort();
    return 0;
}
