#include "GoOnline.h"

#include "BrowserHost.h"
#include "Publisher.h"
#include "dialogs/ErrorTrap.h"

namespace vyx {

// The path is taken by value: the routine works on a copy of its own, whatever happens to the
// caller's text while the error box waits for an answer.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void GoOnline(BrowserHost& host, MessagePrompter& prompter, QString address) {
    showAndNavigate(host, prompter, publisher::baseAddress() + address);
}

void showAndNavigate(BrowserHost& host, MessagePrompter& prompter, const QString& fullAddress) {
    runTrapped(TrapKind::Link, prompter,
               {
                   [&] { host.showBrowserWindow(); },
                   [&] { host.showBrowserWindow().NavigateTo(fullAddress); },
               });
}

} // namespace vyx
