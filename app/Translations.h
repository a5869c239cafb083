#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>

class QCoreApplication;

namespace vyx {

// The languages the user reads, most wanted first, as gettext programs find them: LANGUAGE's
// list, then the first of LC_ALL, LC_MESSAGES and LANG; each as it is ("pt_BR") and as its
// language alone ("pt"). LANGUAGE is passed over where that locale is set to C or POSIX, as
// gettext does; none at all means English.
[[nodiscard]] QStringList userLanguages(const QProcessEnvironment& environment);

// The program's catalogue and Qt's own (its dialogs' buttons) for the user's language, kept
// installed as long as this lives; a right-to-left language lays the windows out so.
class Translations {
public:
    explicit Translations(
        QCoreApplication& application,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language loaded ("de"), or empty for English.
    [[nodiscard]] const QString& language() const { return m_language; }

private:
    QCoreApplication& m_application;
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};

} // namespace vyx
