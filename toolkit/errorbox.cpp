#include "toolkit/errorbox.h"

#include <cstdio>

#include "toolkit/text.h"
#include "toolkit/uicontext.h"

UiContext& uiContext() {
    static UiContext context;
    return context;
}

ErrorBoxPort& errorBoxPort() {
    static ErrorBoxPort port;
    return port;
}

std::string errorBoxTitle() {
    return uiContext().ProgramName +
           (uiContext().InterfaceLanguage == 1 ? " - Message d'erreur" : " - Error Message");
}

int myErrorBox(const std::string& text) {
    const std::string title = errorBoxTitle();
    ErrorBoxPort& port = errorBoxPort();
    if (port.windowBox)
        port.windowBox(title, text);
    else if (port.systemBox)
        port.systemBox(title, text);
    else
        std::fprintf(stderr, "%s\n%s\n", toUtf8(title).c_str(), toUtf8(text).c_str());
    return 1;
}

StatusSink& statusSink() {
    static StatusSink sink;
    return sink;
}

int myShowStatus(const std::string& text) {
    if (statusSink()) statusSink()(text);
    return 1;
}
