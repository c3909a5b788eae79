// The game played from a pad: SDL's virtual controllers stand in for the
// hardware, inside the real window on the offscreen platform.

#include "pad_game.h"

#include "qt/pad_name_entry.h"

#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

using padtest::PadGame;
using padtest::Script;
using vexel::MenuItem;
using vexel::device::PadAxis;
using vexel::device::PadButton;
using vexel::device::VirtualPad;

class PadWindowTest : public QObject {
    Q_OBJECT

private slots:
    void arcadeStepsTurnAndMove();
    void aShortGameFromThePad();
    void theNamePromptFromThePad();
    void unpluggingPausesARunningGame();
    void thePadIsIgnoredWhileAnotherWindowIsActive();
};

void PadWindowTest::arcadeStepsTurnAndMove()
{
    using vexel::qt::ArcadeName;
    struct Row {
        ArcadeName before;
        int key;
        ArcadeName after;
    };
    const Row rows[] = {
        {{"", 0}, Qt::Key_Up, {"A", 0}},
        {{"", 0}, Qt::Key_Down, {"9", 0}},
        {{"Z", 0}, Qt::Key_Up, {"0", 0}},
        {{"9", 0}, Qt::Key_Up, {" ", 0}},
        {{" ", 0}, Qt::Key_Up, {"A", 0}},
        {{"A", 0}, Qt::Key_Down, {" ", 0}},
        {{"zoë", 0}, Qt::Key_Up, {"0oë", 0}},
        {{"boë", 0}, Qt::Key_Up, {"Coë", 0}},
        {{"zoë", 2}, Qt::Key_Down, {"zo9", 2}},
        {{"AB", 2}, Qt::Key_Up, {"ABA", 2}},
        {{"AB", 2}, Qt::Key_Right, {"AB ", 3}},
        {{"AB", 1}, Qt::Key_Right, {"AB", 2}},
        {{"ABCDE", 4}, Qt::Key_Right, {"ABCDE", 4}},
        {{"ABCDE", 5}, Qt::Key_Up, {"ABCDF", 4}},
        {{"AB", 0}, Qt::Key_Left, {"AB", 0}},
        {{"AB", 2}, Qt::Key_Left, {"AB", 1}},
        {{"\U0001F600B", 0}, Qt::Key_Right, {"\U0001F600B", 1}},
        {{"\U0001F600B", 1}, Qt::Key_Up, {"\U0001F600C", 1}},
        {{"AB", 1}, Qt::Key_Return, {"AB", 1}},
    };
    for (const Row& row : rows) {
        const ArcadeName got = vexel::qt::arcadeStep(row.before, row.key, 5);
        QVERIFY2(got == row.after, qPrintable(QStringLiteral("%1|%2 key %3 gave %4|%5")
                                                  .arg(row.before.text)
                                                  .arg(row.before.cursor)
                                                  .arg(row.key, 0, 16)
                                                  .arg(got.text)
                                                  .arg(got.cursor)));
    }
}

void PadWindowTest::aShortGameFromThePad()
{
    PadGame game;
    QVERIFY(game.start());
    Script script(game);
    script.push(PadButton::DpadRight);
    script.push(PadButton::DpadUp);
    script.expect([&] { return game.square() == std::make_pair(6, 4); }, "the D-pad moves one square a push");
    // The stick pushed and held: one square at once, more while held.
    auto held = std::make_shared<QElapsedTimer>();
    script.act([&, held] {
        game.pad->set(PadAxis::LeftX, -32768);
        held->start();
    });
    script.then([&] { return game.state.playerCol == 5; });
    script.expect([&, held] { return held->elapsed() < 100; }, "the first square comes at once");
    script.then([&] { return game.state.playerCol <= 2; });
    script.act([&] { game.pad->set(PadAxis::LeftX, 0); });
    script.push(PadButton::DpadDown);
    script.expect([&] { return game.square() == std::make_pair(2, 5); }, "letting go of the stick stops it");

    // Start runs the game, A pauses it.
    script.push(PadButton::Start);
    script.expect([&] { return game.window.timerEnabled(); }, "Start runs the game");
    script.push(PadButton::A);
    script.expect([&] { return !game.window.timerEnabled(); }, "A pauses it");

    // Back opens Options on its first item, the D-pad walks it, A chooses,
    // and the menu bar goes on to High Scores, whose box A answers.
    script.push(PadButton::Back);
    script.expect([&] { return QApplication::activePopupWidget() == game.window.optionsMenu(); },
                  "Back opens Options");
    script.push(PadButton::DpadDown);
    script.push(PadButton::A);
    script.then([&] { return game.window.checked(MenuItem::ShowLevel); });
    script.push(PadButton::Back);
    script.push(PadButton::DpadRight);
    script.expect([&] { return game.window.menuBar()->activeAction() == game.window.highScoresAction(); },
                  "the D-pad goes along the menu bar");
    script.push(PadButton::A);
    QString scoresTitle;
    script.dialog<QMessageBox>([&](QMessageBox& box) { scoresTitle = box.windowTitle(); });
    script.push(PadButton::A);
    script.then([] { return QApplication::activeModalWidget() == nullptr; });

    // A lost game rumbles; B answers its box as Escape does.
    script.act([&] { game.aimBulletAtPlayer(); });
    script.push(PadButton::A);
    QString lostText;
    int rumbles = 0;
    script.dialog<QMessageBox>([&](QMessageBox& box) {
        lostText = box.text();
        rumbles = game.pad->rumbles();
    });
    script.push(PadButton::B);
    script.then([&] { return game.form.loads() == 2; });
    QVERIFY2(script.run(), qPrintable(script.failures.join(QStringLiteral("; "))));
    QCOMPARE(scoresTitle, QStringLiteral("Vexel High Scores"));
    QCOMPARE(lostText, QStringLiteral("You lost!"));
    QCOMPARE(rumbles, 1);
    QVERIFY(!game.window.timerEnabled());
}

void PadWindowTest::theNamePromptFromThePad()
{
    PadGame game;
    QVERIFY(game.start());
    game.state.score = 7;
    game.aimBulletAtPlayer();
    Script script(game);
    script.push(PadButton::A);
    // What the keyboard typed stays; the pad turns and moves from there.
    QInputDialog* prompt = nullptr;
    script.dialog<QInputDialog>([&](QInputDialog& dialog) {
        prompt = &dialog;
        for (const char typed : {'Z', 'o'})
            QTest::keyClick(dialog.windowHandle(), typed);
    });
    for (const PadButton button : {PadButton::DpadUp, PadButton::DpadUp, PadButton::DpadRight,
                                   PadButton::DpadRight, PadButton::DpadDown, PadButton::DpadLeft,
                                   PadButton::DpadLeft, PadButton::DpadLeft, PadButton::DpadUp})
        script.push(button);
    QString entered, afterBackspace;
    script.act([&] {
        entered = prompt->textValue();
        QTest::keyClick(prompt->windowHandle(), Qt::Key_Backspace);
        afterBackspace = prompt->textValue();
    });
    script.push(PadButton::A);
    QString shown;
    script.dialog<QMessageBox>([&](QMessageBox& box) { shown = box.text(); });
    script.push(PadButton::A);
    script.then([&] { return game.form.loads() == 2; });

    // B cancels as Cancel does: the name is left empty.
    script.act([&] {
        game.state.score = 9;
        game.aimBulletAtPlayer();
    });
    script.push(PadButton::A);
    script.dialog<QInputDialog>();
    script.push(PadButton::DpadUp);
    script.push(PadButton::B);
    QString shownAfterCancel;
    script.dialog<QMessageBox>([&](QMessageBox& box) { shownAfterCancel = box.text(); });
    script.push(PadButton::A);
    script.then([&] { return game.form.loads() == 3; });
    QVERIFY2(script.run(), qPrintable(script.failures.join(QStringLiteral("; "))));

    QCOMPARE(entered, QStringLiteral("ZPB 9"));
    // The keyboard's Backspace takes the character before the pad's cursor.
    QCOMPARE(afterBackspace, QStringLiteral("PB 9"));
    QVERIFY2(shown.contains(QStringLiteral("4-Way: 0007 by PB 9 ")), qPrintable(shown));
    QVERIFY2(shownAfterCancel.contains(QStringLiteral("4-Way: 0009 by      ")), qPrintable(shownAfterCancel));
}

void PadWindowTest::unpluggingPausesARunningGame()
{
    PadGame game;
    QVERIFY(game.start());
    // A second pad works beside the first.
    std::unique_ptr<VirtualPad> first = std::move(game.pad);
    QVERIFY(game.plug());
    Script script(game);
    script.push(PadButton::A);
    QVERIFY(script.run());
    QVERIFY(game.window.timerEnabled());
    game.pad->detach();
    QTRY_VERIFY_WITH_TIMEOUT(!game.window.timerEnabled(), 1000);
    QCOMPARE(game.pads.padCount(), 1);
    // Nothing resumes by itself, not plugging in again either.
    QVERIFY(game.plug());
    QTest::qWait(200);
    QVERIFY(!game.window.timerEnabled());
    QVERIFY(game.input->polling());
    // A pad unplugged while paused changes nothing; the last one gone, the
    // reading stops.
    first.reset();
    game.pad.reset();
    QTRY_COMPARE_WITH_TIMEOUT(game.pads.padCount(), 0, 1000);
    QVERIFY(!game.input->polling());
    QVERIFY(!game.window.timerEnabled());
}

void PadWindowTest::thePadIsIgnoredWhileAnotherWindowIsActive()
{
    PadGame game;
    QVERIFY(game.start());
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY_WITH_TIMEOUT(!game.input->polling(), 500);
    QVERIFY(!game.input->listening());
    const unsigned long posted = game.input->keysPosted();
    game.pad->set(PadButton::DpadRight, true);
    game.pad->set(PadButton::Start, true);
    QTest::qWait(100);
    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    QTRY_VERIFY_WITH_TIMEOUT(game.input->polling(), 500);
    // What was pressed while away is not a press now.
    QTest::qWait(100);
    game.pad->set(PadButton::DpadRight, false);
    game.pad->set(PadButton::Start, false);
    QTest::qWait(100);
    QCOMPARE(game.input->keysPosted(), posted);
    QCOMPARE(game.square(), std::make_pair(5, 5));
    QVERIFY(!game.window.timerEnabled());
    Script script(game);
    script.push(PadButton::DpadRight);
    QVERIFY(script.run());
    QCOMPARE(game.square(), std::make_pair(6, 5));
}

QTEST_MAIN(PadWindowTest)
#include "pad_window_test.moc"
