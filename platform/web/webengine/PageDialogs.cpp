#include "PageDialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace vyx {

namespace {

// Script dialogs a page may show before it is offered to be silenced.
constexpr int kDialogsBeforeOffer = 2;

QString titleFor(const QUrl& origin) {
    const QString host = origin.host();
    return host.isEmpty() ? PageDialogs::tr("The page says")
                          : PageDialogs::tr("The page at %1 says").arg(host);
}

} // namespace

PageDialogs::PageDialogs(QWidget* view)
    : QObject(view)
    , m_view(view) {}

int PageDialogs::ask(QDialog& dialog) {
    if (asking()) {
        return QDialog::Rejected;
    }
    // The window may be deleted or closed while the question is open (File > Exit elsewhere,
    // its close button): both wait until the question is answered, which they end.
    m_window = m_view->window();
    m_window->installEventFilter(this);
    m_view->setEnabled(false);
    m_open = &dialog;
    dialog.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    m_loop = &loop;
    connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    const QPointer<PageDialogs> self(this);
    loop.exec();
    if (self == nullptr) {
        return QDialog::Rejected;
    }
    m_loop = nullptr;
    m_open.clear();
    const int result = dialog.result();
    dialog.hide();
    m_view->setEnabled(true);
    if (m_window != nullptr) {
        m_window->removeEventFilter(this);
        if (m_deleteWanted) {
            m_window->deleteLater();
        } else if (m_closeWanted) {
            QTimer::singleShot(0, m_window, &QWidget::close);
        }
    }
    m_closeWanted = m_deleteWanted = false;
    return m_window != nullptr ? result : QDialog::Rejected;
}

void PageDialogs::end() {
    if (m_open != nullptr) {
        m_open->reject();
    }
    if (m_loop != nullptr) {
        m_loop->quit();
    }
}

bool PageDialogs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && asking()) {
        // The page is going: its script may not hold it up with a next question meanwhile.
        if (event->type() == QEvent::Close || event->type() == QEvent::DeferredDelete) {
            m_silenced = true;
        }
        if (event->type() == QEvent::Close) {
            m_closeWanted = true;
            event->ignore();
            end();
            return true;
        }
        if (event->type() == QEvent::DeferredDelete) {
            m_deleteWanted = true;
            end();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PageDialogs::newPage() {
    m_scriptDialogs = 0;
    m_silenced = false;
    // A script's question belongs to the page that is going; where to save a download does not.
    if (m_scriptAsking) {
        end();
    }
}

bool PageDialogs::askScript(QDialog& dialog) {
    if (m_silenced || asking()) {
        return false;
    }
    auto* const box = qobject_cast<QMessageBox*>(&dialog);
    QCheckBox* silence = nullptr;
    if (++m_scriptDialogs > kDialogsBeforeOffer && box != nullptr) {
        silence = new QCheckBox(tr("Don't let this page show more dialogs"), box);
        box->setCheckBox(silence);
    }
    m_scriptAsking = true;
    const int result = ask(dialog);
    m_scriptAsking = false;
    // A window closed meanwhile has silenced the page already.
    m_silenced = m_silenced || (silence != nullptr && silence->isChecked());
    return result == QDialog::Accepted || result == QMessageBox::Ok;
}

void PageDialogs::alert(const QUrl& origin, const QString& text) {
    QMessageBox box(QMessageBox::Information, titleFor(origin), text, QMessageBox::Ok,
                    m_view->window());
    askScript(box);
}

bool PageDialogs::confirm(const QUrl& origin, const QString& text) {
    QMessageBox box(QMessageBox::Question, titleFor(origin), text,
                    QMessageBox::Ok | QMessageBox::Cancel, m_view->window());
    return askScript(box);
}

bool PageDialogs::prompt(const QUrl& origin, const QString& text, const QString& value,
                         QString* result) {
    QInputDialog dialog(m_view->window());
    dialog.setWindowTitle(titleFor(origin));
    dialog.setLabelText(text);
    dialog.setTextValue(value);
    if (!askScript(dialog)) {
        return false;
    }
    *result = dialog.textValue();
    return true;
}

PageDialogs::MediaAnswer PageDialogs::playOrSave(const QUrl& address) {
    const QString name = QFileInfo(address.path()).fileName();
    QMessageBox box(QMessageBox::Question, tr("Vyx Surfer"),
                    tr("%1 is audio or video.\nPlay it in the media player, or save it?")
                        .arg(name.isEmpty() ? address.host() : name),
                    QMessageBox::NoButton, m_view->window());
    const QAbstractButton* const play = box.addButton(tr("&Play"), QMessageBox::AcceptRole);
    const QAbstractButton* const save = box.addButton(tr("&Save..."), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Cancel);
    // Not asked at all (another question is open) is neither.
    ask(box);
    if (box.clickedButton() == play) {
        return MediaAnswer::Play;
    }
    return box.clickedButton() == save ? MediaAnswer::Save : MediaAnswer::Neither;
}

} // namespace vyx
