#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QEventLoop;
class QUrl;

namespace vyx {

// The questions a page asks (its script's alerts, confirmations and prompts, and where to save
// what it downloads), shown so that they hold up that page alone: the rest of the program,
// the browser's menus and its closing go on working. One question is open at a time, and after
// the second a page can be told to show no more.
class PageDialogs final : public QObject {
    Q_OBJECT
public:
    // Belongs to the page's view, which it disables while a question is open.
    explicit PageDialogs(QWidget* view);

    // Shows the dialog and waits for the answer, QDialog::Rejected when it could not be asked
    // (another is open) or the browser went meanwhile. The dialog belongs to the view's window,
    // not to the view, which is disabled meanwhile.
    int ask(QDialog& dialog);
    [[nodiscard]] bool asking() const { return m_loop != nullptr; }

    void alert(const QUrl& origin, const QString& text);
    [[nodiscard]] bool confirm(const QUrl& origin, const QString& text);
    [[nodiscard]] bool prompt(const QUrl& origin, const QString& text, const QString& value,
                              QString* result);
    // Audio or video behind a link: the user plays it, saves it, or neither.
    enum class MediaAnswer { Play, Save, Neither };
    [[nodiscard]] MediaAnswer playOrSave(const QUrl& address);
    // A new page: no silence carried over, and its own count.
    void newPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A script's dialog, unless the page was silenced; false when it is not shown.
    bool askScript(QDialog& dialog);
    void end();

    QWidget* m_view;
    QPointer<QWidget> m_window;
    QPointer<QDialog> m_open;
    QEventLoop* m_loop = nullptr;
    int m_scriptDialogs = 0;
    bool m_silenced = false;
    bool m_scriptAsking = false;
    bool m_closeWanted = false;
    bool m_deleteWanted = false;
};

} // namespace vyx
