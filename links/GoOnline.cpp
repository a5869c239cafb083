#include "GoOnline.h"

#include "BrowserHost.h"
#include "ErrorTrap.h"
#include "Publisher.h"

namespace vyx {

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
