// The exam simulator's command line, with any argument text, and the font
// choice start-up makes from it.
#include <cstdlib>

#include "examsim/ui/commandline.h"
#include "fuzz/fuzzsupport.h"
#include "toolkit/uicontext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);
    const std::string arguments(reinterpret_cast<const char*>(data), size);

    CommandLine switches;
    myParseCommandLine(arguments, switches);
    if (switches.DumpUtilityEnabled < 0) std::abort();
    FontChoice font = myChooseDefaultFont(switches, size & 2, "Sans", 9);
    if (font.Use && font.Name.empty()) std::abort();
    return 0;
}
