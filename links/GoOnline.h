#pragma once

#include <QString>

namespace vyx {

class BrowserHost;
class MessagePrompter;

// Opens a publisher page in the browser window under the link trap: first the window is shown,
// then it is sent to the base address followed by the site path. Every failure is dealt with
// here, so callers never see one.
void GoOnline(BrowserHost& host, MessagePrompter& prompter, QString address);

// The same two steps for a full address.
void showAndNavigate(BrowserHost& host, MessagePrompter& prompter, const QString& fullAddress);

} // namespace vyx
