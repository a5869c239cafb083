#include "Doubles.h"
#include "dialogs/ErrorTrap.h"
#include "dialogs/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

using namespace vyx;
using testing::ScriptedPrompter;

Q_DECLARE_METATYPE(vyx::TrapKind)

namespace {

// Step i fails failures[i] times before it succeeds (-1: it always fails). The log lists the
// steps that completed, in order.
struct Scripted {
    QList<int> failures;
    int code;
    QString description;
    QStringList log;

    Step step(int index) {
        return [this, index] {
            int& left = failures[index];
            if (left != 0) {
                if (left > 0) {
                    --left;
                }
                throw RuntimeError(code, description);
            }
            log.append(QString::number(index));
        };
    }
};

} // namespace

class TestTraps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void texts_data();
    void texts();
    void resumeNextSkipsSilently();
    void guardShowsAndContinues();
    void realBoxOrderAndAnswer();
};

void TestTraps::answers_data() {
    QTest::addColumn<TrapKind>("kind");
    QTest::addColumn<QList<int>>("failures");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("result");

    const auto file = TrapKind::FileCommand;
    const auto link = TrapKind::Link;
    using L = QList<int>;
    QTest::newRow("nothing fails") << file << L{0, 0, 0} << 53 << L{} << "0 1 2" << 0 << 0;
    QTest::newRow("cancel ends silently") << file << L{0, 1, 0} << 32755 << L{} << "0" << 0 << 0;
    QTest::newRow("cancel code under link trap is shown")
        << link << L{0, 1, 0} << 32755 << L{msgbox::Ignore} << "0 2" << 1 << msgbox::Ignore;
    QTest::newRow("abort ends at once")
        << file << L{0, 1, 0} << 53 << L{msgbox::Abort} << "0" << 1 << msgbox::Abort;
    QTest::newRow("retry runs the step again")
        << file << L{0, 2, 0} << 53 << L{msgbox::Retry, msgbox::Retry} << "0 1 2" << 2
        << msgbox::Retry;
    QTest::newRow("retry until abort")
        << link << L{0, -1, 0} << 5 << L{msgbox::Retry, msgbox::Retry, msgbox::Abort} << "0" << 3
        << msgbox::Abort;
    QTest::newRow("retry until ignore")
        << file << L{-1, 0} << 321 << L{msgbox::Retry, msgbox::Ignore} << "1" << 2
        << msgbox::Ignore;
    QTest::newRow("ignore on hand-over still releases")
        << file << L{0, 0, 0, 0, -1, 0} << 321 << L{msgbox::Ignore} << "0 1 2 3 5" << 1
        << msgbox::Ignore;
    QTest::newRow("trap stays armed after ignore")
        << link << L{1, 1, 0} << 1001 << L{msgbox::Ignore, msgbox::Abort} << "" << 2
        << msgbox::Abort;
    QTest::newRow("last step fails, ignored")
        << link << L{0, -1} << 7 << L{msgbox::Ignore} << "0" << 1 << msgbox::Ignore;
}

void TestTraps::answers() {
    QFETCH(TrapKind, kind);
    QFETCH(QList<int>, failures);
    QFETCH(int, code);
    QFETCH(QList<int>, answers);
    QFETCH(QString, completed);
    QFETCH(int, boxes);
    QFETCH(int, result);

    Scripted script{failures, code, QStringLiteral("Something failed"), {}};
    ScriptedPrompter prompter;
    for (const int answer : answers) {
        prompter.answer({answer});
    }
    std::vector<Step> steps;
    for (int i = 0; i < failures.size(); ++i) {
        steps.push_back(script.step(i));
    }
    const int answer = runTrapped(kind, prompter, steps);
    QCOMPARE(script.log.join(u' '), completed);
    QCOMPARE(prompter.shown.size(), boxes);
    QCOMPARE(answer, result);
    for (const auto& shown : std::as_const(prompter.shown)) {
        QCOMPARE(shown.style, 18);
    }
}

void TestTraps::texts_data() {
    QTest::addColumn<TrapKind>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::newRow("file") << TrapKind::FileCommand << 53 << "File not found"
                          << "53 File not found"
                          << "ERROR:  File not found";
    QTest::newRow("file negative") << TrapKind::FileCommand << -2147024891 << "Access is denied."
                                   << "-2147024891 Access is denied."
                                   << "ERROR:  Access is denied.";
    QTest::newRow("file empty") << TrapKind::FileCommand << 53 << ""
                                << "53 "
                                << "ERROR:  ";
    QTest::newRow("link") << TrapKind::Link << 1001 << "The address cannot be opened"
                          << "The address cannot be opened"
                          << "1001";
    QTest::newRow("link negative") << TrapKind::Link << -5 << "x"
                                   << "x"
                                   << "-5";
    QTest::newRow("link empty") << TrapKind::Link << 53 << ""
                                << ""
                                << "53";
}

void TestTraps::texts() {
    QFETCH(TrapKind, kind);
    QFETCH(int, code);
    QFETCH(QString, description);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    ScriptedPrompter prompter;
    runTrapped(kind, prompter, {[&] {
                   throw RuntimeError(code, description);
               }});
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.at(0).prompt, prompt);
    QCOMPARE(prompter.shown.at(0).title, title);
}

void TestTraps::resumeNextSkipsSilently() {
    QStringList log;
    runResumeNext({
        [&] { log << QStringLiteral("a"); },
        [&] { throw RuntimeError(ErrorCode::FileNotFound); },
        [&] { throw std::runtime_error("boom"); },
        [&] { log << QStringLiteral("d"); },
    });
    QCOMPARE(log, (QStringList{QStringLiteral("a"), QStringLiteral("d")}));
}

void TestTraps::guardShowsAndContinues() {
    ScriptedPrompter prompter;
    runGuarded(prompter,
               [] { throw RuntimeError(ErrorCode::FileNotFound, QStringLiteral("/a.mp3")); });
    runGuarded(prompter, [] { throw std::runtime_error("out of range"); });
    runGuarded(prompter, [] { throw 42; });
    runGuarded(prompter, [] {});
    QCOMPARE(prompter.shown.size(), 3);
    QCOMPARE(prompter.shown.at(0).prompt,
             QStringLiteral("Run-time error '53':\n\nFile not found: /a.mp3"));
    QCOMPARE(prompter.shown.at(0).style, msgbox::Critical);
    QVERIFY(prompter.shown.at(1).prompt.contains(QStringLiteral("out of range")));
    QVERIFY(prompter.shown.at(2).prompt.startsWith(QStringLiteral("Run-time error '51'")));
}

void TestTraps::realBoxOrderAndAnswer() {
    QStringList order;
    QString defaultButton;
    QTimer::singleShot(0, this, [&] {
        auto* const box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [](const QWidget* a, const QWidget* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (const QAbstractButton* button : buttons) {
            order << button->text();
        }
        defaultButton = box->defaultButton()->text();
        buttons.at(1)->click();
    });
    QtMessagePrompter prompter;
    const int answer =
        prompter.MsgBox(QStringLiteral("53 File not found"),
                        msgbox::Critical | msgbox::AbortRetryIgnore, QStringLiteral("ERROR"));
    QCOMPARE(order, (QStringList{"&Abort", "&Retry", "&Ignore"}));
    QCOMPARE(defaultButton, QStringLiteral("&Abort"));
    QCOMPARE(answer, msgbox::Retry);
}

QTEST_MAIN(TestTraps)
#include "tst_traps.moc"
