#include "MessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace vyx {

namespace {

// QMessageBox maps Esc and the close box to its reject button (Abort here). A box that must be
// answered with one of its buttons keeps both from doing anything.
class AnswerRequiredBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

} // namespace

int QtMessagePrompter::MsgBox(const QString& prompt, int style, const QString& title) {
    const int icon = style & 0x70;
    const bool critical = icon == msgbox::Critical;
    const bool abortRetryIgnore = (style & 0x0F) == msgbox::AbortRetryIgnore;

    if (!abortRetryIgnore) {
        QMessageBox box(critical                      ? QMessageBox::Critical
                        : icon == msgbox::Exclamation ? QMessageBox::Warning
                                                      : QMessageBox::NoIcon,
                        title, prompt, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
        return msgbox::Ok;
    }

    AnswerRequiredBox box(critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                          QMessageBox::NoButton);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    // One role for all three, so that the desktop's button layout keeps them in the order the
    // style names them instead of sorting Abort (a reject button) away from the others.
    QPushButton* const abort = box.addButton(QStringLiteral("&Abort"), QMessageBox::ActionRole);
    QPushButton* const retry = box.addButton(QStringLiteral("&Retry"), QMessageBox::ActionRole);
    QPushButton* const ignore = box.addButton(QStringLiteral("&Ignore"), QMessageBox::ActionRole);
    box.setDefaultButton(abort);
    box.exec();
    if (box.clickedButton() == retry) {
        return msgbox::Retry;
    }
    if (box.clickedButton() == ignore) {
        return msgbox::Ignore;
    }
    return msgbox::Abort;
}

} // namespace vyx
