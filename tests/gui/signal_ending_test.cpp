// The game ended by SIGTERM, SIGHUP or SIGINT while its dialogs are open:
// each game runs the real window in a process of its own, and the test
// sends the signal once the dialog is up. Whatever the moment, the record
// must be in the file and the program must end through its event loop.

#include "child_process.h"
#include "scratch_folder.h"

#include "app/form1.h"
#include "qt/end_on_signals.h"
#include "qt/game_window.h"
#include "scores/score_file.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <string>
#include <unistd.h>

namespace vexel::testsupport {
namespace {

struct Ending {
    int signal;
    // When the signal comes: "prompt" (name typed, not yet confirmed),
    // "display" (the new record shown) or "play" (no dialog).
    std::string during;
    const char* typed;
    const char* table; // in the file afterwards
};

// The game, lost at once with 7 points in a fresh folder; reports "open"
// once the dialog `during` names is up, and "ended" when the event loop has
// returned, before the signal is passed on.
int playUntilSignalled(const std::string& path, const Ending& e, int reports)
{
    ::alarm(30); // a dialog that never opens must not hang the suite
    int argc = 1;
    char name[] = "vexel";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    GameState state;
    DefaultRandom random;
    scores::ScoreFile file(path);
    qt::GameWindow window;
    Form1 form(state, window, random, file, std::cerr);
    window.attach(form, form.scene());
    const qt::EndOnSignals ending(window);
    window.loadAndShow();

    bool told = false;
    auto tell = [&](bool now) {
        if (now && !told)
            report(reports, "open\n");
        told = told || now;
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            if (input->textValue().isEmpty())
                input->setTextValue(QString::fromUtf8(e.typed));
            if (e.during == "prompt")
                tell(true);
            else
                input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            tell(e.during == "display" && box->windowTitle() == QStringLiteral("Vexel High Scores"));
        }
    });
    poll.start(10);
    if (e.during == "play")
        tell(true);
    else
        QTimer::singleShot(0, [&] {
            state.score = 7;
            form.Lost();
        });
    const int status = QApplication::exec();
    report(reports, "ended\n");
    ending.passOn();
    return status;
}

TEST(SignalEnding, TheRecordIsInTheFileWhicheverDialogIsOpen)
{
    const Ending cases[] = {
        {SIGTERM, "display", "Bea", "00000007ZUVO Bea  "},
        {SIGHUP, "prompt", "Ann", "00000007ZUVO Ann  "},
        {SIGINT, "play", "", "00000000ZUVO ZUVO "},
    };
    for (const Ending& e : cases) {
        SCOPED_TRACE("signal " + std::to_string(e.signal) + " during " + e.during);
        ScratchFolder dir;
        const std::string path = dir.file("vexel.ini");
        Conversation game([&](int, int reports) { return playUntilSignalled(path, e, reports); });
        ASSERT_EQ(game.receive(), "open");
        ::kill(game.pid(), e.signal);
        EXPECT_EQ(game.receive(), "ended");
        const ChildResult result = game.finish();
        EXPECT_FALSE(result.exited);
        EXPECT_EQ(result.status, e.signal);
        EXPECT_EQ(readBytes(path), "\"" + std::string(e.table) + "\"\r\n");
    }
}

} // namespace
} // namespace vexel::testsupport
