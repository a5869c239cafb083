#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

namespace vyx {

// Turns SIGTERM, SIGINT and SIGHUP (a session that ends, Ctrl+C in a terminal) into an orderly
// quit on the GUI thread, so that playback stops and the windows close as after File > Exit.
class QuitSignals final : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> m_quit;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vyx
