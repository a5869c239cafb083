#pragma once

namespace vyx {

// Whoever opens About boxes: each call opens a new one and keeps no hold on it.
class AboutHost {
public:
    virtual ~AboutHost() = default;
    virtual void openAboutBox() = 0;

protected:
    AboutHost() = default;
    AboutHost(const AboutHost&) = default;
    AboutHost& operator=(const AboutHost&) = default;
};

} // namespace vyx
