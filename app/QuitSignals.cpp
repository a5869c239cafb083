#include "QuitSignals.h"

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace vyx {

namespace {

// A signal handler can reach nothing but what is set aside for it; this pipe is its way to the
// event loop (write(2) is safe in a handler). One per process, like the handlers themselves.
std::array<int, 2> quitPipe{-1, -1};

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

void onSignal(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(quitPipe[1], &byte, 1);
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent)
    , m_quit(std::move(quit)) {
    if (quitPipe[0] >= 0 || pipe2(quitPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (read(quitPipe[0], &byte, 1) > 0) {
        }
        m_quit();
    });
    struct sigaction action {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    if (m_notifier == nullptr) {
        return;
    }
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete m_notifier;
    for (int& end : quitPipe) {
        close(end);
        end = -1;
    }
}

} // namespace vyx
