// The Help menu in the real window, in English and in German: How to Play
// opened from the menu bar and by F1, About Vexel from the keyboard's walk
// along the menus, each pausing a running game. What both say, the key
// table as an accessibility client reads it, the half second in which
// neither takes a key, the text following the zoom, and the licence word
// for word as LICENSE has it.

#include "app/form1.h"
#include "device/sdl_session.h"
#include "qt/game_dialog.h"
#include "qt/game_window.h"
#include "qt/help_menu.h"
#include "qt/translation.h"
#include "scores/score_file.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>
#include <vector>

using vexel::qt::GameWindow;
using vexel::qt::HelpMenu;

namespace {

// The game, with the keys handed to it noted on the way.
struct NotedKeys final : vexel::FormEvents {
    explicit NotedKeys(vexel::FormEvents& game) : game(game) {}
    void load() override { game.load(); }
    void keyDown(int keyCode, int shift) override
    {
        keys.push_back(keyCode);
        game.keyDown(keyCode, shift);
    }
    void timer() override { game.timer(); }
    void menu(vexel::MenuItem item) override { game.menu(item); }
    void highScoresMenu() override { game.highScoresMenu(); }

    vexel::FormEvents& game;
    std::vector<int> keys;
};

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void helpSpeaksTheLanguage_data();
    void helpSpeaksTheLanguage();
};

// Each column is one list, its entries split at '|'.
void HelpWindowTest::helpSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    // The Help menu's title and items, each with its shortcut.
    QTest::addColumn<QString>("menu");
    // How to Play: its title, the goal, the title bar's line, the table's
    // accessible name, its headers and first row.
    QTest::addColumn<QString>("howTo");
    // About Vexel: its title, the version line with %1 for the version, what
    // the game is, the licence line, the versions line with %1 and %2, and
    // the translators' credit, none in English.
    QTest::addColumn<QString>("about");

    QTest::newRow("English")
        << QString() << QStringLiteral("Help|How to Play F1||About Vexel|About Qt")
        << QStringLiteral(
               "How to Play Vexel|Keep the green square out of the way of the bullets that the 44 guns "
               "around "
               "the board fire across it: one hit ends the game. Every bullet that leaves the board on the "
               "far "
               "side scores a point, and the points raise the level from 1 to 12, each level making the guns "
               "fire more often.|The title bar tells the points: “Vexel: 12 points” while you play, “Vexel: "
               "Paused (press Enter to play) with 12 points” while the game is paused. With Show Level? the "
               "level follows the points: “Vexel: 12 points at Level 2”.|Keys and controller buttons|"
               "Key|Controller|What it does|Enter|A or Start|Pause or resume; a game starts paused")
        << QStringLiteral(
               "About Vexel|Version %1|An arcade game for one player: dodge the bullets of 44 guns on "
               "an 11 by 11 board.|Free software under the MIT licence.|Runs with Qt %1 and SDL %2.");
    QTest::newRow("German")
        << QStringLiteral("de") << QStringLiteral("Hilfe|Spielanleitung F1||Über Vexel|Über Qt")
        << QStringLiteral(
               "Vexel – Spielanleitung|Halte das grüne Feld aus dem Weg der Kugeln, die die 44 Kanonen rund "
               "um das Spielfeld quer darüber feuern: Ein Treffer beendet das Spiel. Jede Kugel, die das "
               "Spielfeld auf der anderen Seite verlässt, bringt einen Punkt, und die Punkte heben das Level "
               "von 1 bis 12, wobei jedes Level die Kanonen öfter feuern lässt.|Die Titelleiste zeigt die "
               "Punkte: „Vexel: 12 Punkte“ während du spielst, „Vexel: Pause (Enter zum Spielen) mit 12 "
               "Punkten“ während das Spiel angehalten ist. Mit Level zeigen? folgt das Level auf die Punkte: "
               "„Vexel: 12 Punkte auf Level 2“.|Tasten und Controller-Knöpfe|Taste|Controller|Was sie "
               "bewirkt|Enter|A oder Start|Anhalten oder fortsetzen; ein Spiel beginnt angehalten")
        << QStringLiteral(
               "Über Vexel|Version %1|Ein Arcade-Spiel für eine Person: Weiche den Kugeln von 44 "
               "Kanonen auf einem Spielfeld aus 11 × 11 Feldern aus.|Freie Software unter der "
               "MIT-Lizenz.|Läuft mit Qt %1 und SDL %2.|Deutsche Übersetzung: die Vexel-Entwickler");
}

void HelpWindowTest::helpSpeaksTheLanguage()
{
    QFETCH(QString, language);
    const auto list = [](const char* column) {
        return static_cast<QString*>(QTest::qData(column, qMetaTypeId<QString>()))->split(QLatin1Char('|'));
    };
    const QStringList menu = list("menu"), howTo = list("howTo"), about = list("about");

    vexel::qt::Translation translation(language.toStdString());
    vexel::useTexts(&translation);
    translation.install(*QCoreApplication::instance());
    const auto english = qScopeGuard([] { vexel::useTexts(nullptr); });

    // The places the game would use here, with no --scores-file.
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile(folder.filePath(QStringLiteral("vexel.ini")).toStdString());
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form(state, window, random, scoreFile, diagnostics);
    NotedKeys game(form);
    window.attach(game, form.scene());
    window.loadAndShow();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    HelpMenu& help = window.help();
    const auto key = [&window](Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.windowHandle(), code, modifiers);
    };
    const auto comeBack = [&window] {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    };

    // Last on the menu bar, after View.
    QCOMPARE(window.menuBar()->actions().last(), help.menu()->menuAction());
    QStringList items{help.menu()->title()};
    for (const QAction* action : help.menu()->actions())
        items << (action->text() + QLatin1Char(' ') + action->shortcut().toString()).trimmed();
    QCOMPARE(items, menu);

    // Opened with the mouse, the menu pauses the running game; its first
    // item opens How to Play.
    key(Qt::Key_Return);
    QVERIFY(window.timerEnabled());
    window.menuBar()->setActiveAction(help.menu()->menuAction());
    QCOMPARE(QApplication::activePopupWidget(), help.menu());
    QVERIFY(!window.timerEnabled());
    QTest::keyClick(help.menu()->windowHandle(), Qt::Key_Down);
    QTest::keyClick(help.menu()->windowHandle(), Qt::Key_Return);
    vexel::qt::HowToPlayWindow* how = help.howToPlayWindow();
    QVERIFY(how != nullptr);
    QTRY_VERIFY(how->isVisible());

    const QStringList texts = how->texts();
    QTableWidget& keys = *how->keys();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&keys);
    QAccessibleInterface* goal = QAccessible::queryAccessibleInterface(how->goal());
    // Read as a screen reader reads a paragraph: through its text.
    QAccessibleTextInterface* prose = goal->textInterface();
    QVERIFY(prose != nullptr);
    QStringList shown{how->windowTitle(), prose->text(0, prose->characterCount()), texts[4],
                      table->text(QAccessible::Name)};
    QCOMPARE(goal->role(), QAccessible::StaticText);
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    QVERIFY(cells != nullptr);
    QCOMPARE(std::make_pair(cells->rowCount(), cells->columnCount()), std::make_pair(10, 3));
    for (int column = 0; column < 3; ++column)
        shown << cells->columnDescription(column);
    for (int column = 0; column < 3; ++column)
        shown << cells->cellAt(0, column)->text(QAccessible::Name);
    QCOMPARE(shown, howTo);
    // The controller's buttons stand beside their keys: Back beside F10, B
    // beside Escape, none beside Ctrl+Q.
    QCOMPARE(keys.item(2, 0)->text(), QStringLiteral("F10"));
    QCOMPARE(keys.item(3, 1)->text(), QStringLiteral("B"));
    QCOMPARE(keys.item(9, 1)->text(), QString());
    // The records, replays, history and settings as this machine has them,
    // and as the command line moves them.
    const QString data = folder.filePath(QStringLiteral("data/vexel/"));
    QCOMPARE(texts.mid(texts.size() - 4),
             QStringList({data + QStringLiteral("vexel.ini"), data + QStringLiteral("replays"),
                          data + QStringLiteral("history.sqlite"),
                          folder.filePath(QStringLiteral("config/vexel/vexel.conf"))}));
    help.setPlaces({"/a/records", "/a/replays", "/a/history", "/a/settings"});
    QCOMPARE(how->texts().last(), QStringLiteral("/a/settings"));

    // No key in the first half second, then Escape closes it.
    QTest::keyClick(how->windowHandle(), Qt::Key_Escape);
    QTest::keyClick(how->windowHandle(), Qt::Key_Return);
    QVERIFY(how->isVisible());
    QTest::qWait(vexel::qt::DialogKeyGuard::DeafMs + 20);
    QTest::keyClick(how->windowHandle(), Qt::Key_Escape);
    QVERIFY(!how->isVisible());

    // F1 reaches the game, then opens the window again, pausing the game;
    // Enter closes it.
    QVERIFY(comeBack());
    key(Qt::Key_Return);
    QVERIFY(window.timerEnabled());
    key(Qt::Key_F1);
    QVERIFY(how->isVisible() && !window.timerEnabled());
    // F1 first, then the pause Enter makes.
    QCOMPARE(std::vector<int>(game.keys.end() - 2, game.keys.end()), std::vector<int>({112, 13}));
    QTest::qWait(vexel::qt::DialogKeyGuard::DeafMs + 20);
    QTest::keyClick(how->windowHandle(), Qt::Key_Return);
    QVERIFY(!how->isVisible());

    // A zoom step enlarges the text with the board. The offscreen screen,
    // 800 pixels high, then holds less than all of it: the window stays on
    // the screen and scrolls.
    QVERIFY(comeBack());
    const qreal desktop = QApplication::font().pointSizeF();
    QCOMPARE(how->font().pointSizeF(), desktop);
    key(Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(how->font().pointSizeF(), desktop * 1.25);
    key(Qt::Key_F1);
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(how->height() <= available.height());
    const QScrollArea* scroll = how->findChild<QScrollArea*>();
    QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
    // The table shows every row, and fits across: its texts wrap instead.
    QVERIFY(keys.rowViewportPosition(9) + keys.rowHeight(9) <= keys.viewport()->height());
    QVERIFY(keys.width() <= scroll->viewport()->width());
    how->close();

    // About Vexel through the keyboard: F10, left around the end of the
    // menu bar to Help, down past How to Play.
    QVERIFY(comeBack());
    key(Qt::Key_F10);
    QTest::keyClick(window.optionsMenu()->windowHandle(), Qt::Key_Left);
    QCOMPARE(QApplication::activePopupWidget(), help.menu());
    QTest::keyClick(help.menu()->windowHandle(), Qt::Key_Down);
    QTest::keyClick(help.menu()->windowHandle(), Qt::Key_Return);
    vexel::qt::AboutBox* box = help.aboutBox();
    QVERIFY(box != nullptr);
    QTRY_VERIFY(box->isVisible());

    QFile licence(QStringLiteral(VEXEL_LICENSE_FILE));
    QVERIFY(licence.open(QIODevice::ReadOnly));
    const QString licenceText = QString::fromUtf8(licence.readAll());
    const QString sdl = QString::fromStdString(vexel::device::SdlSession::version());
    QVERIFY(QRegularExpression(QStringLiteral("^2\\.\\d+\\.\\d+$")).match(sdl).hasMatch());
    QStringList expected{about[0],
                         QStringLiteral("Vexel"),
                         about[1].arg(QStringLiteral(VEXEL_VERSION)),
                         about[2],
                         licenceText.split(QLatin1Char('\n'))[2],
                         about[3],
                         about[4].arg(QString::fromLatin1(qVersion()), sdl)};
    expected << about.mid(5);
    QCOMPARE(QStringList(box->windowTitle()) + box->texts(), expected);

    // The licence, a click away, word for word.
    QString shownLicence;
    QTimer::singleShot(vexel::qt::DialogKeyGuard::DeafMs, [&shownLicence] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shownLicence = dialog->findChild<QPlainTextEdit*>()->toPlainText();
            dialog->reject();
        }
    });
    box->licenceButton()->click();
    QCOMPARE(shownLicence.trimmed(), licenceText.trimmed());
    box->close();
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
