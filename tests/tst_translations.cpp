#include "CommandLine.h"
#include "MediaPlayer.h"
#include "PlayerMenu.h"
#include "Rig.h"
#include "Translations.h"
#include "forms/FittedText.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

using namespace vyx;
using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguages{u"de"_s, u"fr"_s,    u"es"_s, u"pt_BR"_s,
                             u"ru"_s, u"zh_CN"_s, u"ja"_s, u"ar"_s};

// The %1 markers of a text, in order of number.
QStringList markers(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(u"%L?(\\d)"_s).globalMatch(text)) {
        found << match.captured(1);
    }
    found.sort();
    return found;
}

// Whether a text marks a key of its own with "&" ("&&" is a plain ampersand).
bool hasAccessKey(QString text) {
    return text.remove(u"&&"_s).contains(u'&');
}

QProcessEnvironment speaking(const QString& language) {
    QProcessEnvironment environment;
    environment.insert(u"LANG"_s, language + u".UTF-8"_s);
    return environment;
}

// Every text a window shows that does not fit where it is: cut off for the user.
// Whether a wrapped label's lines reach under a part stacked over it, as a designed layout
// lets a label's box run behind a picture that its own text stopped short of.
bool coveredBelow(const QLabel& label) {
    const QRect used(label.pos(), QSize(label.width(), inkHeight(label)));
    const QObjectList& siblings = label.parentWidget()->children();
    for (qsizetype at = siblings.indexOf(&label) + 1; at < siblings.size(); ++at) {
        const auto* const part = qobject_cast<const QWidget*>(siblings.at(at));
        if (part != nullptr && part->isVisible() && part->geometry().intersects(used)) {
            return true;
        }
    }
    return false;
}

QStringList cutOff(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || !label->pixmap().isNull()) {
            continue;
        }
        const int width = label->contentsRect().width();
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height() && !coveredBelow(*label)
                : label->fontMetrics().horizontalAdvance(label->text()) <= width;
        if (!fits) {
            cut << label->objectName() + u": "_s + label->text();
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QString text = button->text();
        text.remove(QRegularExpression(u"&(?!&)"_s));
        if (!button->isVisibleTo(&window) || text.isEmpty()) {
            continue;
        }
        // On one line, or wrapped onto several by a button that wraps its caption and says so
        // in the size it asks for.
        const bool oneLine = button->fontMetrics().horizontalAdvance(text) + 8 <= button->width();
        const QSize asked = button->sizeHint();
        const bool fits =
            oneLine || (asked.width() <= button->width() && asked.height() <= button->height());
        if (!fits) {
            cut << button->objectName() + u": "_s + text;
        }
    }
    return cut;
}

// Whether the main window's artwork shows its disc (the gradient from #4f6bff to #8a2be2)
// outside the player, which a mirrored layout over an unmirrored picture would hide.
bool discBesidePlayer(const frmVyx& main) {
    const QImage client = main.centralWidget()->grab().toImage();
    const QRect player = main.MP().geometry();
    for (int y = 0; y < client.height(); y += 4) {
        for (int x = 0; x < client.width(); x += 4) {
            const QColor colour = client.pixelColor(x, y);
            if (!player.contains(x, y) && colour.blue() > 220 && colour.green() < 110) {
                return true;
            }
        }
    }
    return false;
}

// The access keys that two items of one menu share.
QStringList sharedKeys(const QList<QAction*>& actions) {
    QStringList shared;
    QMap<QString, QString> seen;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty()) {
            continue;
        }
        const QString name = key.toString();
        if (seen.contains(name)) {
            shared << seen.value(name) + u" / "_s + action->text();
        }
        seen.insert(name, action->text());
        if (action->menu() != nullptr) {
            shared << sharedKeys(action->menu()->actions());
        }
    }
    return shared;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languagesOfTheUser_data();
    void languagesOfTheUser();
    void catalogueComplete_data();
    void catalogueComplete();
    void windowsInTheLanguage_data();
    void windowsInTheLanguage();
};

void TestTranslations::languagesOfTheUser_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing said") << QString() << QString() << QString() << QString()
                                  << QStringList{};
    QTest::newRow("LANG") << QString() << QString() << QString() << u"de_DE.UTF-8"_s
                          << QStringList{u"de_DE"_s, u"de"_s};
    QTest::newRow("LC_ALL before LANG") << QString() << u"fr_FR.UTF-8"_s << QString()
                                        << u"de_DE.UTF-8"_s << QStringList{u"fr_FR"_s, u"fr"_s};
    QTest::newRow("LC_MESSAGES before LANG") << QString() << QString() << u"ja_JP.UTF-8"_s
                                             << u"de_DE"_s << QStringList{u"ja_JP"_s, u"ja"_s};
    QTest::newRow("LANGUAGE's list first")
        << u"pt_BR:es"_s << QString() << QString() << u"de_DE.UTF-8"_s
        << QStringList{u"pt_BR"_s, u"pt"_s, u"es"_s, u"de_DE"_s, u"de"_s};
    QTest::newRow("LANGUAGE with no locale")
        << u"ar"_s << QString() << QString() << QString() << QStringList{u"ar"_s};
    // As gettext: a locale set to C is English, whatever LANGUAGE lists.
    QTest::newRow("LANG=C") << u"de"_s << QString() << QString() << u"C"_s << QStringList{};
    QTest::newRow("LC_ALL=C.UTF-8")
        << u"de"_s << u"C.UTF-8"_s << QString() << u"fr_FR"_s << QStringList{};
}

void TestTranslations::languagesOfTheUser() {
    QFETCH(QString, language);
    QFETCH(QString, all);
    QFETCH(QString, messages);
    QFETCH(QString, lang);
    QFETCH(QStringList, expected);
    QProcessEnvironment environment;
    for (const auto& [name, value] : {std::pair{u"LANGUAGE"_s, language},
                                      {u"LC_ALL"_s, all},
                                      {u"LC_MESSAGES"_s, messages},
                                      {u"LANG"_s, lang}}) {
        if (!value.isEmpty()) {
            environment.insert(name, value);
        }
    }
    QCOMPARE(userLanguages(environment), expected);
}

void TestTranslations::catalogueComplete_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::catalogueComplete() {
    QFETCH(QString, language);
    QFile file(
        QStringLiteral(QT_TESTCASE_SOURCEDIR "/../translations/vyxplayer_%1.ts").arg(language));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QStringList faults;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            ++messages;
            const QString type = xml.attributes().value(u"type"_s).toString();
            const QString text = xml.readElementText();
            const QString where = context + u": "_s + source;
            if (!type.isEmpty() || text.isEmpty()) {
                faults << u"not translated: "_s + where;
            } else if (markers(text) != markers(source)) {
                faults << u"markers differ: "_s + where + u" -> "_s + text;
            } else if (hasAccessKey(text) != hasAccessKey(source)) {
                faults << u"access key: "_s + where + u" -> "_s + text;
            }
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 300);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(u'\n')));
}

void TestTranslations::windowsInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::windowsInTheLanguage() {
    QFETCH(QString, language);
    const Translations translations(*qApp, speaking(language.isEmpty() ? u"C"_s : language));
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    QCOMPARE(translations.language(), language);
    testing::Rig rig;
    QList<QWidget*> windows{&rig.app.showMainWindow(), &rig.app.showPlayerWindow(),
                            &rig.app.showBrowserWindow()};
    rig.app.openAboutBox();
    for (QWidget* const top : QApplication::topLevelWidgets()) {
        if (top->objectName() == u"frmAbout"_s) {
            windows << top;
        }
    }
    QCOMPARE(windows.size(), 4);
    QStringList faults;
    for (QWidget* const window : std::as_const(windows)) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        faults << cutOff(*window);
        if (const auto* const main = qobject_cast<QMainWindow*>(window)) {
            // The windows' English menus are as they were designed, two keys shared and all;
            // a translation chooses its keys anew.
            if (!language.isEmpty()) {
                faults << sharedKeys(main->menuBar()->actions());
            }
            if (main->menuBar()->sizeHint().width() > main->width()) {
                faults << main->objectName() + u": the menu bar is cut off"_s;
            }
        }
    }
    // The player's own menu, with all it can show.
    PlayerMenuState state;
    state.loaded = true;
    state.severalEntries = true;
    state.listAllowed = true;
    state.chapters = QStringList{u"Opening"_s};
    QMenu menu;
    fillPlayerMenu(menu, state);
    faults << sharedKeys(menu.actions());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    // Said in the language: the program's texts and Qt's own dialogs' buttons.
    const QString help = helpText();
    QCOMPARE(help.startsWith(u"Usage: vyxplayer"_s), language.isEmpty());
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text() == u"&Cancel"_s ||
                 buttons.button(QDialogButtonBox::Cancel)->text() == u"Cancel"_s,
             language.isEmpty());
    // Arabic is laid out from the right: the main window's player is on its left.
    const auto* const main = static_cast<frmVyx*>(windows.first());
    const bool rightToLeft = language == u"ar"_s;
    QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft, rightToLeft);
    QCOMPARE(main->MP().x() < main->width() / 2, rightToLeft);
    QVERIFY(discBesidePlayer(*main));
    rig.app.exitAll();
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
