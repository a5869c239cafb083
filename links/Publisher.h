#pragma once

#include <QString>

// The publisher's web site: every address of it that the program shows or opens comes from the
// one base address fixed when the program is built.
namespace vyx::publisher {

// "http://" + host + "/".
QString baseAddress();
QString host();

} // namespace vyx::publisher
