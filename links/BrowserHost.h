#pragma once

#include <QString>

namespace vyx {

// What a link needs of the browser window: to be sent to an address.
class LinkTarget {
public:
    // Puts the address into the address box, asks for it and updates the address list.
    // Failures reach the caller.
    virtual void NavigateTo(const QString& address) = 0;

protected:
    LinkTarget() = default;
    ~LinkTarget() = default;
    LinkTarget(const LinkTarget&) = default;
    LinkTarget& operator=(const LinkTarget&) = default;
};

// Whoever owns the one browser window: shows it, making and loading it first when needed.
class BrowserHost {
public:
    virtual ~BrowserHost() = default;
    virtual LinkTarget& showBrowserWindow() = 0;

protected:
    BrowserHost() = default;
    BrowserHost(const BrowserHost&) = default;
    BrowserHost& operator=(const BrowserHost&) = default;
};

} // namespace vyx
