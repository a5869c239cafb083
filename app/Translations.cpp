#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace vyx {

namespace {

bool isC(const QString& locale) {
    return locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
           locale == QLatin1String("POSIX");
}

// "de_DE.UTF-8@euro" as "de_DE" and "de".
void addLanguage(QStringList& languages, const QString& locale) {
    const QString tag = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (tag.isEmpty() || isC(tag)) {
        return;
    }
    for (const QString& each : {tag, tag.section(QLatin1Char('_'), 0, 0)}) {
        if (!languages.contains(each)) {
            languages << each;
        }
    }
}

// Where the build puts the catalogues, and where they are installed: beside the program's
// folder in share/vyxplayer/translations either way.
QString ownCatalogues() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/vyxplayer/translations"));
}

} // namespace

QStringList userLanguages(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty()) {
            break;
        }
    }
    QStringList languages;
    if (locale.isEmpty() || !isC(locale)) {
        for (const QString& each :
             environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'))) {
            addLanguage(languages, each);
        }
    }
    addLanguage(languages, locale);
    return languages;
}

Translations::Translations(QCoreApplication& application, const QProcessEnvironment& environment)
    : m_application(application) {
    const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& language : userLanguages(environment)) {
        if (m_own.load(QStringLiteral("vyxplayer_") + language, ownCatalogues())) {
            m_language = language;
            // Qt's own catalogues are named by the bare language where a region's is missing.
            if (!m_qt.load(QStringLiteral("qtbase_") + language, qtCatalogues)) {
                static_cast<void>(
                    m_qt.load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0),
                              qtCatalogues));
            }
            break;
        }
    }
    if (m_language.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&m_own);
    if (!m_qt.isEmpty()) {
        QCoreApplication::installTranslator(&m_qt);
    }
    // Set now, before the first window is made, rather than when the event loop delivers the
    // change of language.
    //: "RTL" for a language written from right to left, "LTR" for all others.
    const QString direction = QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION");
    if (qobject_cast<QGuiApplication*>(&m_application) != nullptr) {
        QGuiApplication::setLayoutDirection(direction == QLatin1String("RTL") ? Qt::RightToLeft
                                                                              : Qt::LeftToRight);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

} // namespace vyx
