// The game's sounds in the real window, through SDL's disk driver (which
// writes what it plays to a file, at the pace of a sound card), and with no
// sound to be had at all.

#include "app/form1.h"
#include "device/sound_device.h"
#include "qt/game_window.h"
#include "qt/replay_window.h"
#include "qt/sound_bridge.h"
#include "qt/view_controls.h"
#include "replay/replay_files.h"
#include "scores/score_file.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <unistd.h>

using vexel::Moment;
using Item = vexel::qt::ViewControls::Item;

namespace {

// Every gun fired, by side (1 left, 3 right), and every other moment.
struct Guns final : vexel::MomentListener {
    void moment(Moment what, int gun) override
    {
        if (what == Moment::GunFired)
            ++bySide[gun / 11];
        else
            ++others;
        ends += what == Moment::Lost || what == Moment::NewRecord;
    }
    int fired() const { return bySide[0] + bySide[1] + bySide[2] + bySide[3]; }
    int heard() const { return fired() + others; }
    int bySide[4] = {};
    int others = 0;
    int ends = 0;
};

struct SoundGame {
    QTemporaryDir folder;
    std::ostringstream diagnostics;
    vexel::device::SoundDevice device{diagnostics};
    std::atomic<int> handed{0};
    vexel::GameState state;
    vexel::DefaultRandom random{7};
    vexel::scores::ScoreFile scoreFile{folder.filePath(QStringLiteral("vexel.ini")).toStdString()};
    vexel::qt::GameWindow window;
    vexel::Form1 form{state, window, random, scoreFile, diagnostics};
    vexel::qt::SoundBridge bridge{window, device};
    Guns guns;
    QTimer answer;

    SoundGame()
    {
        device.setProbe([this](auto, auto) { ++handed; });
        window.setAutoPause(false);
        form.listen(bridge);
        form.listen(guns);
        window.attach(form, form.scene());
        // A game lost on the way ends in a box; it is accepted.
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        answer.start(50);
        window.loadAndShow();
        window.menuAction(vexel::MenuItem::TwoWay)->trigger();
    }
    void enter() { QTest::keyClick(window.windowHandle(), Qt::Key_Return); }
    // Plays for a while; a lost game's successor is started again.
    void play(int ms)
    {
        if (!window.timerEnabled())
            enter();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QTest::qWait(20);
            if (!window.timerEnabled() && QApplication::activeModalWidget() == nullptr)
                enter();
        }
    }
    void pause()
    {
        if (window.timerEnabled())
            enter();
        QVERIFY(!window.timerEnabled());
    }
};

// Frames of the disk driver's output heard on one side only.
struct Balance {
    long leftOnly = 0;
    long rightOnly = 0;
};

Balance balanceOf(const QString& path)
{
    QFile file(path);
    Balance balance;
    if (!file.open(QIODevice::ReadOnly))
        return balance;
    const QByteArray bytes = file.readAll();
    const auto* frames = reinterpret_cast<const std::int16_t*>(bytes.constData());
    for (qsizetype i = 0; i + 1 < bytes.size() / 2; i += 2) {
        const int left = std::abs(frames[i]);
        const int right = std::abs(frames[i + 1]);
        balance.leftOnly += left > 200 && right == 0;
        balance.rightOnly += right > 200 && left == 0;
    }
    return balance;
}

} // namespace

class SoundWindowTest : public QObject {
    Q_OBJECT

private slots:
    void heardFromWhereTheGunsStandAndSilentWhenStill();
    void withNoSoundToBeHadTheGamePlaysOnSilentAndSaysSoOnce();
    void aReplayWatchedIsHeardUnlessSoundIsOff();
};

void SoundWindowTest::heardFromWhereTheGunsStandAndSilentWhenStill()
{
    QTemporaryDir output;
    const QString played = output.filePath(QStringLiteral("played.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", played.toLocal8Bit());
    SoundGame game;
    QVERIFY2(!game.device.isOpen(), "the device is taken only once the game runs");

    // Two-way play: every shot hard left or hard right, each one heard.
    game.play(3000);
    QVERIFY(game.device.isOpen());
    QVERIFY2(game.guns.fired() > 5, "too few shots to hear");
    game.pause();
    QTest::qWait(100);
    QCOMPARE(game.handed.load(), game.guns.heard());
    // Paused: the device is let go within the first second, and its
    // output stops.
    QTRY_VERIFY_WITH_TIMEOUT(!game.device.isOpen(), 1000);
    const qint64 size = QFile(played).size();
    QVERIFY(size > 0);
    QTest::qWait(300);
    QCOMPARE(QFile(played).size(), size);
    const Balance balance = balanceOf(played);
    QCOMPARE(balance.leftOnly > 0, game.guns.bySide[1] > 0);
    QCOMPARE(balance.rightOnly > 0, game.guns.bySide[3] > 0);
    QCOMPARE(game.guns.bySide[0] + game.guns.bySide[2], 0);

    // With a menu open over the running game (no pause when the player
    // looks away), the guns fire unheard; only a game lost meanwhile is
    // heard ending, and its box closes the menu.
    QMenu* menu = game.window.optionsMenu();
    int firedUnderMenu = 0;
    for (int attempt = 0; attempt < 5 && firedUnderMenu == 0; ++attempt) {
        game.play(100);
        menu->popup(game.window.mapToGlobal(QPoint(0, 0)));
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        // What was asked for before the menu opened is handed over by now.
        QTest::qWait(50);
        const int handed = game.handed.load();
        const int fired = game.guns.fired();
        const int ends = game.guns.ends;
        QTest::qWait(800);
        firedUnderMenu += game.guns.fired() - fired;
        QCOMPARE(game.handed.load() - handed, game.guns.ends - ends);
        // Covered for a moment, the running game lets the device go too.
        if (game.guns.ends == ends)
            QVERIFY(!game.device.isOpen());
        menu->hide();
    }
    QVERIFY(firedUnderMenu > 0);

    // Sound off: the device is not even held while the game runs.
    game.window.view().action(Item::Sound)->trigger();
    QVERIFY(!game.window.view().settings().sound);
    const int handedOff = game.handed.load();
    const int firedOff = game.guns.fired();
    game.play(1000);
    QVERIFY(game.guns.fired() > firedOff);
    QCOMPARE(game.handed.load(), handedOff);
    QVERIFY(!game.device.isOpen());
    // On again, heard again at once; closing the window lets go.
    game.window.view().action(Item::Sound)->trigger();
    game.play(1000);
    QVERIFY(game.device.isOpen());
    QVERIFY(game.handed.load() > handedOff);
    game.window.close();
    QVERIFY(!game.device.isOpen());
    QCOMPARE(QString::fromStdString(game.diagnostics.str()), QString());
}

void SoundWindowTest::withNoSoundToBeHadTheGamePlaysOnSilentAndSaysSoOnce()
{
    // ALSA with no card, as a desktop with no sound server falls back on:
    // whatever the library would print stays off standard error.
    QTemporaryDir output;
    const QString errors = output.filePath(QStringLiteral("stderr.txt"));
    qputenv("SDL_AUDIODRIVER", "alsa");
    SoundGame game;
    const int savedError = ::dup(2);
    const int errorFile = ::open(errors.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(errorFile, 2);
    game.play(1500);
    game.pause();
    game.play(1000);
    ::dup2(savedError, 2);
    ::close(errorFile);
    ::close(savedError);
    QFile told(errors);
    QVERIFY(told.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(told.readAll()), QString());
    QVERIFY(game.guns.fired() > 5);
    QCOMPARE(game.handed.load(), 0);
    QVERIFY(!game.device.isOpen());
    const QString said = QString::fromStdString(game.diagnostics.str());
    QCOMPARE(said.count(QLatin1Char('\n')), 1);
    QVERIFY2(said.startsWith(QStringLiteral("vexel: no sound, the game plays on silent: ")),
             qPrintable(said));

    // The sound comes back: the next game is heard, and nothing more is said.
    QTemporaryDir back;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", back.filePath(QStringLiteral("played.raw")).toLocal8Bit());
    game.pause();
    game.form.Lost();
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    game.play(1500);
    QVERIFY(game.device.isOpen());
    QVERIFY(game.handed.load() > 0);
    QCOMPARE(QString::fromStdString(game.diagnostics.str()), said);
}

void SoundWindowTest::aReplayWatchedIsHeardUnlessSoundIsOff()
{
    QTemporaryDir output;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", output.filePath(QStringLiteral("played.raw")).toLocal8Bit());
    const auto watched = vexel::replay::loadReplayFile(VEXEL_REPLAYS "/short-game.vxr");
    QVERIFY(watched.replay.has_value());
    std::ostringstream told;
    vexel::device::SoundDevice device(told);
    std::atomic<int> handed{0};
    device.setProbe([&handed](auto, auto) { ++handed; });
    vexel::qt::SoundBridge::share(&device);
    // The end box is answered; then the replay's window closes.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(100);
    for (const bool on : {false, true}) {
        vexel::qt::GameWindow window;
        window.view().setSound(on);
        QCOMPARE(vexel::qt::watchReplay(window, *watched.replay), 0);
        QCOMPARE(handed.load() > 0, on);
    }
    vexel::qt::SoundBridge::share(nullptr);
    QCOMPARE(QString::fromStdString(told.str()), QString());
}

QTEST_MAIN(SoundWindowTest)
#include "sound_window_test.moc"
