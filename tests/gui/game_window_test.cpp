// The real window, driven through the window system the way a player
// drives it: keys go to the QWindow, menus are triggered, dialogs are
// answered by a timer since they run their own event loops.

#include "app/form1.h"
#include "player/caption.h"
#include "qt/board_view.h"
#include "qt/game_dialog.h"
#include "qt/game_window.h"
#include "scores/score_file.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <tuple>

using vexel::MenuItem;
using vexel::qt::GameWindow;

namespace {

const QColor Black(0, 0, 0), White(255, 255, 255), Green(0, 255, 0), Yellow(255, 255, 0);

// Answers the game's dialogs, each after holding it open for a while, and
// notes what each showed and what the window handed the game meanwhile.
// Every game has one, so that a dialog no test expected cannot hang the run.
struct DialogAnswerer {
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        unsigned long ticksWhenSeen = 0, droppedWhenSeen = 0, ticksWhenAnswered = 0, droppedWhenAnswered = 0;
        QRect frame;
        int width = 0;
    };
    std::vector<Seen> seen;
    QString typed; // into an input box
    int holdMs = 0;
    std::function<void()> whileOpen; // runs just before each answer
    // Answers in place of accepting, inside the dialog's own event loop.
    std::function<void(QDialog&)> answerBy;

    explicit DialogAnswerer(GameWindow& window)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, &window] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog == current_)
                return;
            current_ = dialog;
            Seen s{dialog->windowTitle(),      {}, {}, window.ticksDelivered(),
                   window.droppedDeliveries(), 0,  0,  dialog->frameGeometry()};
            s.width = dialog->width();
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                s.text = box->text();
                s.icon = box->icon();
            } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
                s.text = input->labelText();
                input->setTextValue(typed);
            }
            QTimer::singleShot(holdMs, dialog, [this, &window, dialog, s]() mutable {
                if (whileOpen)
                    whileOpen();
                s.ticksWhenAnswered = window.ticksDelivered();
                s.droppedWhenAnswered = window.droppedDeliveries();
                seen.push_back(s);
                if (answerBy)
                    answerBy(*dialog);
                if (dialog->isVisible()) // accepted, or left open by a failing answer
                    dialog->accept();
                current_ = nullptr; // the next dialog may be built at the same address
            });
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
    QDialog* current_ = nullptr;
};

// The width a window manager's title bar needs for the whole title: the
// title in a bold face of the title-bar font, the window's icon and three
// buttons of a line and a half each, and a line of frame at either end.
int titleBarNeeds(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

// One game in a window of its own, with its records in a fresh folder
// unless given another path.
struct Game {
    QTemporaryDir folder;
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile;
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form{state, window, random, scoreFile, diagnostics};
    DialogAnswerer answerer{window};

    explicit Game(const std::optional<std::string>& records = std::nullopt)
        : scoreFile(records.value_or(folder.filePath(QStringLiteral("vexel.ini")).toStdString()))
    {
        window.attach(form, form.scene());
        window.loadAndShow();
    }
    QColor pixel(int x, int y) { return window.board().grab().toImage().pixelColor(x, y); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    // Puts pool bullet 1 one step left of the player's square, flying right,
    // so that the next tick finds it on the green square.
    void aimBulletAtPlayer()
    {
        vexel::ShapeObject& bullet = form.scene().Bullet(1);
        bullet = {bullet.Kind,      167.0F, 50.0F + 24.0F * static_cast<float>(state.playerRow), 25, 25, true,
                  bullet.BackColor, "1"};
    }
};

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startupShowsTheBoardAndMenus();
    void keysMoveThePlayerAndEnterSwitchesTheTimer();
    void nothingIsDeliveredWhileADialogIsOpen();
    void lostGameReloadsInPlace();
    void repaintsOnlyWhatChanged();
    void lookingAwayPausesARunningGame();
    void dialogsTakeOnlyKeysMeantForThem();
    void menusOpenFromTheKeyboard();
    void dialogsOpenBesideTheWindow();
    void boxesShowTheirWholeTitles();
    void theNameFieldCountsCharacters();
};

void GameWindowTest::initTestCase()
{
    // Fusion is one of the styles whose menu bar takes the keyboard on a
    // lone Alt.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void GameWindowTest::startupShowsTheBoardAndMenus()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    GameWindow& w = game.window;
    QCOMPARE(w.windowTitle(), QString::fromLatin1(vexel::caption::Startup));
    QCOMPARE(w.board().size(), QSize(366, 366));
    QVERIFY(!w.timerEnabled());
    QCOMPARE(w.frameTimer().interval(), 20);

    // Options with its three check items, then High Scores acting at once,
    // then History, hidden until a history is offered, then View and Help.
    QStringList menus;
    for (QAction* top : w.menuBar()->actions()) {
        menus << top->text();
        for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>{}) {
            if (!item->isSeparator())
                menus << QStringLiteral("  %1 %2%3")
                             .arg(item->text())
                             .arg(int{item->isCheckable()})
                             .arg(int{item->isChecked()});
        }
    }
    QCOMPARE(menus,
             QStringList({"Options", "  Show Bad Squares? 10", "  Show Level? 10", "  2-Way? 10",
                          "High Scores", "History", "View", "  Zoom In 00", "  Zoom Out 00",
                          "  Actual Size 00", "  Full Screen 10", "  Colour-Safe Signals 10", "  Sound 11",
                          "Help", "  How to Play 00", "  About Vexel 00", "  About Qt 00"}));
    QCOMPARE(w.menuBar()->actions().at(1), w.highScoresAction());
    QCOMPARE(w.menuBar()->actions().at(2), w.historyAction());
    QVERIFY(!w.historyAction()->isVisible());

    const QImage image = w.board().grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), Black);    // top-left corner: guards only
    QCOMPARE(image.pixelColor(355, 360), Black);  // bottom-right corner
    QCOMPARE(image.pixelColor(62, 25), Yellow);   // top gun 0
    QCOMPARE(image.pixelColor(25, 62), Yellow);   // left gun 11
    QCOMPARE(image.pixelColor(340, 302), Yellow); // right gun 43
    QCOMPARE(image.pixelColor(100, 100), White);
    // The player's square covers 170..194, its outline on the edge pixels.
    for (int y = 170; y <= 194; ++y) {
        for (int x = 170; x <= 194; ++x)
            QCOMPARE(image.pixelColor(x, y), x == 170 || x == 194 || y == 170 || y == 194 ? Black : Green);
    }
    for (const QPoint& outside : {QPoint(169, 182), QPoint(195, 182), QPoint(182, 169), QPoint(182, 195)})
        QCOMPARE(image.pixelColor(outside), White);

    // A menu click flips its mark once; the top and bottom guns vanish at once.
    w.menuAction(MenuItem::TwoWay)->trigger();
    QVERIFY(w.checked(MenuItem::TwoWay));
    QCOMPARE(game.state.twoWay, std::int16_t{-1});
    QCOMPARE(game.pixel(62, 25), Black);
    QCOMPARE(game.pixel(25, 62), Yellow);
}

void GameWindowTest::keysMoveThePlayerAndEnterSwitchesTheTimer()
{
    Game game;
    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    game.key(Qt::Key_Right);
    QCOMPARE(game.pixel(200, 180), Green); // square 61
    QCOMPARE(game.pixel(180, 180), White);
    game.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(game.pixel(200, 204), Green);
    // A lone Alt leaves the keyboard to the game, not to the menu bar.
    for (int round = 0; round < 2; ++round) {
        QTest::keyPress(game.window.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(game.window.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(!game.window.menuBar()->hasFocus());
        QVERIFY(game.window.menuBar()->activeAction() == nullptr);
        game.key(Qt::Key_Left);
    }
    QCOMPARE(std::make_pair(game.state.playerCol, game.state.playerRow), std::make_pair(4, 6));
    QCOMPARE(game.pixel(158, 204), Green); // square 70

    game.key(Qt::Key_Return);
    QCOMPARE(game.window.windowTitle(), QStringLiteral("Vexel: 0 points"));
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 3, 2000);
    // The keypad's Enter pauses just as well, and the ticks stop.
    game.key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(game.window.windowTitle(), QStringLiteral("Vexel: Paused (press Enter to play) with 0 points"));
    const unsigned long ticks = game.window.ticksDelivered();
    QTest::qWait(100);
    QCOMPARE(game.window.ticksDelivered(), ticks);
}

void GameWindowTest::nothingIsDeliveredWhileADialogIsOpen()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 2, 2000);

    game.answerer.holdMs = 150;
    bool busyInside = false;
    game.answerer.whileOpen = [&] {
        busyInside = game.window.busy();
        // A menu choice made now must be dropped like the ticks.
        game.window.menuAction(MenuItem::ShowBadSquares)->trigger();
    };
    game.window.highScoresAction()->trigger();

    QCOMPARE(game.answerer.seen.size(), std::size_t{1});
    const DialogAnswerer::Seen& box = game.answerer.seen.front();
    QCOMPARE(box.title, QStringLiteral("Vexel High Scores"));
    QCOMPARE(box.text, QStringLiteral("The high scores are:\n\n4-Way: 0000 by ZUVO \n2-Way: 0000 by ZUVO "));
    QCOMPARE(box.icon, QMessageBox::Information);
    QVERIFY(busyInside);
    QCOMPARE(box.ticksWhenAnswered, box.ticksWhenSeen);
    // The timer went on firing behind the dialog; the window dropped it.
    QVERIFY(box.droppedWhenAnswered >= box.droppedWhenSeen + 3);
    QVERIFY(!game.window.checked(MenuItem::ShowBadSquares));
    QVERIFY(!game.state.showBadSquares.has_value());
    // Once the dialog is gone the game runs on.
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() > box.ticksWhenAnswered, 2000);
}

void GameWindowTest::lostGameReloadsInPlace()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.window.move(40, 30);
    QCoreApplication::processEvents();
    const QRect placed = game.window.geometry();

    game.window.menuAction(MenuItem::ShowLevel)->trigger();
    game.key(Qt::Key_Up);
    game.state.score = 7;
    game.aimBulletAtPlayer();
    game.answerer.typed = QStringLiteral("Zoë<b>xyz");
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.form.loads() == 2, 2000);

    QCOMPARE(game.answerer.seen.size(), std::size_t{2});
    QCOMPARE(game.answerer.seen[0].title, QStringLiteral("Vexel"));
    QCOMPARE(game.answerer.seen[0].text,
             QStringLiteral("You lost, but you have set a new high score! What is your name?"));
    // The typed name comes back as UTF-8 and is shown as plain text.
    QCOMPARE(game.answerer.seen[1].text,
             QStringLiteral("The high scores are:\n\n4-Way: 0007 by Zoë<b\n2-Way: 0000 by ZUVO "));
    std::ifstream file(game.scoreFile.path(), std::ios::binary);
    QCOMPARE(QString::fromStdString({std::istreambuf_iterator<char>(file), {}}),
             QStringLiteral("\"00000007ZUVO Zoë<b\"\r\n"));

    // The same window, where it was, holds the fresh game and the option.
    QCOMPARE(game.window.geometry(), placed);
    QVERIFY(game.window.isVisible());
    QCOMPARE(game.window.windowTitle(), QString::fromLatin1(vexel::caption::Startup));
    QVERIFY(!game.window.timerEnabled());
    QVERIFY(game.window.checked(MenuItem::ShowLevel));
    QCOMPARE(game.pixel(182, 182), Green);
    QCOMPARE(game.pixel(182, 158), White);
}

void GameWindowTest::repaintsOnlyWhatChanged()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    vexel::qt::BoardView& board = game.window.board();
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{366 * 366});
    // Squares 60 and 61, each widened by a pixel: x 169..219, y 169..195.
    game.key(Qt::Key_Right);
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{51 * 27});
    // A key that moves nothing repaints nothing, though the game wrote the
    // square twice.
    game.key(Qt::Key_Space);
    QCOMPARE(board.lastRequestedArea(), std::uint64_t{0});

    // After a stretch of partial repaints the screen holds the whole
    // picture: the screen copy equals a fresh rendering.
    game.window.menuAction(MenuItem::ShowBadSquares)->trigger();
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.window.ticksDelivered() >= 150, 5000);
    game.key(Qt::Key_Return);
    const QPoint origin = board.mapTo(&game.window, QPoint(0, 0));
    QTRY_COMPARE(game.window.screen()
                     ->grabWindow(game.window.winId(), origin.x(), origin.y(), 366, 366)
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 board.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void GameWindowTest::lookingAwayPausesARunningGame()
{
    Game game;
    GameWindow& w = game.window;
    QWidget other;
    other.show();
    const std::function<void()> lookAway[] = {
        [&] { other.activateWindow(); }, [&] { w.showMinimized(); },
        [&] { w.menuBar()->setActiveAction(w.optionsMenu()->menuAction()); }};
    const auto comeBack = [&] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        w.showNormal();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    };
    const QString paused = QStringLiteral("Vexel: Paused (press Enter to play) with 0 points");
    for (const bool autoPause : {true, false}) {
        w.setAutoPause(autoPause);
        for (int way = 0; way < 3; ++way) {
            QVERIFY(comeBack());
            game.key(Qt::Key_Return);
            QVERIFY(w.timerEnabled());
            lookAway[way]();
            QTRY_COMPARE_WITH_TIMEOUT(w.timerEnabled(), !autoPause, 1000);
            // A paused game stays paused, looking away again or coming back.
            if (autoPause)
                lookAway[way]();
            QVERIFY(comeBack());
            QTest::qWait(50);
            QCOMPARE(w.windowTitle(), autoPause ? paused : QStringLiteral("Vexel: 0 points"));
            if (!autoPause)
                game.key(Qt::Key_Return);
        }
    }
    // The game's own High Scores box takes the focus and gives it back
    // without pausing the game.
    w.setAutoPause(true);
    QVERIFY(comeBack());
    game.key(Qt::Key_Return);
    w.highScoresAction()->trigger();
    QCOMPARE(game.answerer.seen.size(), std::size_t{1});
    QVERIFY(comeBack());
    QVERIFY(w.timerEnabled());
}

void GameWindowTest::dialogsTakeOnlyKeysMeantForThem()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.state.score = 7;
    game.aimBulletAtPlayer();
    // Whether the name prompt stayed open, and what its field showed,
    // after each round of keys.
    QString states;
    game.answerer.answerBy = [&](QDialog& dialog) {
        auto* input = qobject_cast<QInputDialog*>(&dialog);
        if (input == nullptr) // the records that follow: accepted
            return;
        QWindow* window = dialog.windowHandle();
        const auto note = [&] {
            states += (dialog.isVisible() ? "open " : "closed ") + input->textValue() + ";";
        };
        // A key event with its timestamp, as a platform hands it over.
        const auto held = [&](QEvent::Type type, unsigned long timestamp, bool autoRepeat) {
            QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), autoRepeat);
            event.setTimestamp(timestamp);
            QCoreApplication::sendEvent(window, &event);
        };
        // Straight after it opens: a letter, Enter, and Enter's repeat.
        QTest::keyClick(window, Qt::Key_A);
        QTest::keyPress(window, Qt::Key_Return);
        held(QEvent::KeyPress, 1, true);
        note();
        // Enter held on: repeats marked as such and, the X11 way, as a
        // release and a press at one instant.
        QTest::qWait(vexel::qt::DialogKeyGuard::DeafMs + 20);
        held(QEvent::KeyPress, 2, true);
        held(QEvent::KeyRelease, 1000000, false);
        held(QEvent::KeyPress, 1000000, false);
        note();
        QTest::keyRelease(window, Qt::Key_Return);
        for (const char letter : std::string("Alexander"))
            QTest::keyClick(window, letter);
        QTest::qWait(20);
        QTest::keyClick(window, Qt::Key_Return);
        note();
    };
    game.key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(game.form.loads() == 2, 5000);

    QCOMPARE(states, QStringLiteral("open ;open ;closed Alexa;"));
    std::ifstream file(game.scoreFile.path(), std::ios::binary);
    QCOMPARE(QString::fromStdString({std::istreambuf_iterator<char>(file), {}}),
             QStringLiteral("\"00000007ZUVO Alexa\"\r\n"));
    // The name prompt and the records both opened beside the window.
    QCOMPARE(game.answerer.seen.size(), std::size_t{2});
    for (const DialogAnswerer::Seen& seen : game.answerer.seen) {
        QVERIFY(!seen.frame.intersects(game.window.frameGeometry()));
        QVERIFY(game.window.screen()->availableGeometry().contains(seen.frame));
    }
}
void GameWindowTest::menusOpenFromTheKeyboard()
{
    Game game;
    GameWindow& w = game.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QMenu* options = w.optionsMenu();
    const auto inMenu = [&](Qt::Key key) { QTest::keyClick(options->windowHandle(), key); };
    const auto where = [&] { return std::make_pair(game.state.playerCol, game.state.playerRow); };
    // Once the menus are left, the mouse passing over Options opens nothing.
    const auto passOverOptions = [&] {
        const QPointF over = w.menuBar()->actionGeometry(options->menuAction()).center();
        QMouseEvent move(QEvent::MouseMove, over, w.menuBar()->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w.menuBar(), &move);
        return QApplication::activePopupWidget() == nullptr;
    };

    game.key(Qt::Key_Return);
    game.key(Qt::Key_F10);
    QCOMPARE(QApplication::activePopupWidget(), options);
    QCOMPARE(options->activeAction(), w.menuAction(MenuItem::ShowBadSquares));
    QVERIFY(!w.timerEnabled());
    // The arrows go between the two menus, Enter chooses, and the square stays.
    inMenu(Qt::Key_Right);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(w.menuBar()->activeAction(), w.highScoresAction());
    game.key(Qt::Key_Left);
    QCOMPARE(QApplication::activePopupWidget(), options);
    inMenu(Qt::Key_Down);
    inMenu(Qt::Key_Return);
    QVERIFY(w.checked(MenuItem::ShowLevel));
    QCOMPARE(where(), std::make_pair(5, 5));

    // One Escape, from either menu, gives the arrows back to the square.
    game.key(Qt::Key_F10);
    inMenu(Qt::Key_Escape);
    QCOMPARE(w.menuBar()->activeAction(), nullptr);
    QVERIFY(passOverOptions());
    game.key(Qt::Key_Left);
    game.key(Qt::Key_F10);
    inMenu(Qt::Key_Left);
    game.key(Qt::Key_Escape);
    QCOMPARE(w.menuBar()->activeAction(), nullptr);
    QVERIFY(passOverOptions());
    game.key(Qt::Key_Left);
    QCOMPARE(where(), std::make_pair(3, 5));

    game.key(Qt::Key_F10);
    inMenu(Qt::Key_Right);
    game.key(Qt::Key_Return);
    QCOMPARE(game.answerer.seen.size(), std::size_t{1});
    QCOMPARE(game.answerer.seen[0].title, QStringLiteral("Vexel High Scores"));
    game.key(Qt::Key_Up);
    QCOMPARE(where(), std::make_pair(3, 4));

    game.key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
}

void GameWindowTest::dialogsOpenBesideTheWindow()
{
    using vexel::qt::placeBeside;
    const QSize box(300, 120);
    const QRect wide(0, 0, 1920, 1080), narrow(0, 0, 800, 1080), small(0, 0, 800, 600);
    // Right, centred on the window's height; left when the right is full;
    // below when neither side has room; kept on the screen.
    QCOMPARE(placeBeside(QRect(100, 100, 370, 420), box, wide), QPoint(478, 250));
    QCOMPARE(placeBeside(QRect(1500, 100, 370, 420), box, wide), QPoint(1192, 250));
    QCOMPARE(placeBeside(QRect(215, 0, 370, 420), box, narrow), QPoint(250, 428));
    QCOMPARE(placeBeside(QRect(100, 0, 370, 420), QSize(300, 500), wide), QPoint(478, 0));
    // No room anywhere: Qt centres it over the window.
    QCOMPARE(placeBeside(QRect(215, 90, 370, 420), box, small), std::nullopt);
}

void GameWindowTest::boxesShowTheirWholeTitles()
{
    // Records that cannot be kept, so that a warning follows the game over.
    Game game("/dev/null/vexel.ini");
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    // The name is typed a key at a time past the prompt's guard: six
    // characters of two UTF-16 units each, of which the field takes five.
    game.answerer.answerBy = [](QDialog& dialog) {
        if (qobject_cast<QInputDialog*>(&dialog) == nullptr)
            return;
        QTest::qWait(vexel::qt::DialogKeyGuard::DeafMs + 20);
        for (const char* typed : {"😀", "😁", "😂", "🤣", "😃", "😄"})
            QTest::sendKeyEvent(QTest::Click, dialog.windowHandle(), Qt::Key_unknown, typed, Qt::NoModifier);
    };
    // A record: the name prompt, the records and the warning; then none.
    for (const int score : {7, 0}) {
        const auto loads = game.form.loads();
        game.state.score = score;
        game.aimBulletAtPlayer();
        game.key(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(game.form.loads() == loads + 1, 5000);
    }
    // The replay's end box comes through the same window.
    game.window.messageBox("The replay is over.", "Vexel Replay", vexel::MessageIcon::Information);

    QStringList shown;
    for (const DialogAnswerer::Seen& seen : game.answerer.seen) {
        shown << seen.title + (seen.icon == QMessageBox::Warning ? " warning" : "");
        const QString why =
            QStringLiteral("%1: %2 < %3").arg(seen.title).arg(seen.width).arg(titleBarNeeds(seen.title));
        QVERIFY2(seen.width >= titleBarNeeds(seen.title), qPrintable(why));
    }
    QCOMPARE(shown, QStringList({"Vexel", "Vexel High Scores", "Vexel warning", "Vexel", "Vexel Replay"}));
    QVERIFY(game.answerer.seen[1].text.contains(QStringLiteral("0007 by 😀😁😂🤣😃\n")));
}

void GameWindowTest::theNameFieldCountsCharacters()
{
    // A paste into the field of five: what fits of its start goes in at the
    // cursor (in UTF-16 units), and a full field takes nothing.
    const std::tuple<QString, int, QString, QString> cases[] = {
        {{}, 0, "😀😁😂🤣😃😄", "😀😁😂🤣😃"},
        {"abcde", 2, "X", "abcde"},
        {"😀😁", 2, "xyz🤣", "😀xyz😁"},
    };
    for (const auto& [before, cursor, inserted, after] : cases) {
        QLineEdit field(before);
        field.setValidator(new vexel::qt::CharacterLimit(5, &field));
        field.setCursorPosition(cursor);
        field.insert(inserted);
        QCOMPARE(field.text(), after);
    }
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
