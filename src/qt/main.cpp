#include "app/command_line.h"
#include "app/form1.h"
#include "app/game_state.h"
#include "device/sound_device.h"
#include "history/history_command.h"
#include "history/history_store.h"
#include "history/history_texts.h"
#include "history/keeper.h"
#include "qt/end_on_signals.h"
#include "qt/game_window.h"
#include "qt/help_menu.h"
#include "qt/history_menu.h"
#include "qt/pad_input.h"
#include "qt/replay_window.h"
#include "qt/sound_bridge.h"
#include "qt/startup_guard.h"
#include "qt/translation.h"
#include "qt/view_controls.h"
#include "replay/recorder.h"
#include "replay/replay_files.h"
#include "scores/default_path.h"
#include "scores/score_file.h"
#include "ui/random_source.h"
#include "view/settings.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifndef VEXEL_VERSION
#error "VEXEL_VERSION must be defined by the build"
#endif

namespace {

QIcon windowIcon()
{
    QIcon icon;
    for (const char* file :
         {":/icons/vexel-32x32-2.png", ":/icons/vexel-32x32-16.png", ":/icons/vexel-16x16-16.png"})
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    // The player's language comes first: --help and the command line's
    // errors speak it too. It must outlive the application below.
    vexel::qt::Translation translation(vexel::qt::environmentLanguage());
    vexel::useTexts(&translation);

    // Read before Qt starts, so that --help and --version need no display.
    const vexel::CommandLine line = vexel::parseCommandLine(argc, argv);
    switch (line.action) {
    case vexel::CommandLine::Action::Help:
        std::cout << vexel::helpText(vexel::scores::defaultScoresPath())
                  << vexel::view::viewHelpText(vexel::view::defaultSettingsPath());
        return 0;
    case vexel::CommandLine::Action::Version:
        std::cout << vexel::versionText(VEXEL_VERSION);
        return 0;
    case vexel::CommandLine::Action::Error:
        std::cerr << "vexel: " << line.error << '\n'
                  << vexel::translate("CommandLine", "Try 'vexel --help' for more information.") << '\n';
        return vexel::UsageErrorStatus;
    case vexel::CommandLine::Action::Run:
        break;
    }

    // Checking a replay needs no display, so it is done before Qt starts;
    // so is reading a replay to watch, so that a bad file is told at once.
    const std::string scoresPath = line.scoresFile.value_or(vexel::scores::defaultScoresPath());
    const std::string replaysFolder = vexel::replay::replaysFolderFor(scoresPath);
    const std::string historyPath = vexel::history::historyPathFor(scoresPath);
    if (line.printHistory)
        return vexel::history::printHistory(historyPath, replaysFolder, std::cout, std::cerr);
    if (line.verifyFile)
        return vexel::replay::verifyReplay(
            vexel::history::loadGameOrFile(*line.verifyFile, replaysFolder, historyPath),
            vexel::history::namesHistoryGame(*line.verifyFile)
                ? *line.verifyFile
                : vexel::replay::replayPath(*line.verifyFile, replaysFolder),
            std::cout, std::cerr);
    vexel::replay::FileReadResult watched;
    std::optional<vexel::replay::Unwatchable> unwatchable;
    if (line.replayFile) {
        const std::string path = vexel::history::namesHistoryGame(*line.replayFile)
                                     ? historyPath
                                     : vexel::replay::replayPath(*line.replayFile, replaysFolder);
        watched = vexel::history::loadGameOrFile(*line.replayFile, replaysFolder, historyPath);
        if (!watched.replay) {
            std::cerr << "vexel: " << watched.error << '\n';
            // A launcher shows no standard error: where there is a display,
            // a box says it again.
            unwatchable = vexel::replay::unwatchable(*line.replayFile, path, watched);
        }
    }

    // A file-size limit must make saving the scores fail, which the game
    // reports and survives, rather than end the game with a signal.
    std::signal(SIGXFSZ, SIG_IGN);

    // QApplication keeps a reference to the count and the vector for life.
    std::vector<std::string> toolkitArguments = line.toolkitArguments;
    std::vector<char*> toolkitArgv;
    for (std::string& argument : toolkitArguments)
        toolkitArgv.push_back(argument.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArguments.size());

    // Outlives every window that plays through it; made before Qt starts
    // its threads, as it sets the environment the sound server reads.
    vexel::device::SoundDevice sound(std::cerr);
    std::optional<vexel::qt::StartupGuard> startup(
        std::in_place, unwatchable ? vexel::replay::VerifyUnreadable : 1, !unwatchable);
    QApplication application(toolkitArgc, toolkitArgv.data());
    startup.reset();
    translation.install(application);
    QApplication::setApplicationName(QStringLiteral("vexel"));
    // No display name: Qt would append it to every window title, and the
    // title bar is the game's status line, whose texts are exact.
    QApplication::setApplicationVersion(QStringLiteral(VEXEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.vexel.Vexel"));

    if (unwatchable) {
        QApplication::setWindowIcon(windowIcon());
        return vexel::qt::tellUnwatchable(unwatchable->text, unwatchable->nothingYet);
    }

    vexel::GameState state;
    vexel::scores::ScoreFile scoreFile(scoresPath);
    vexel::DefaultRandom random(line.seed.value_or(vexel::DefaultRandom::DefaultSeed));

    vexel::qt::SoundBridge::share(&sound);
    vexel::qt::GameWindow window;
    window.setWindowIcon(windowIcon());
    window.setAutoPause(line.autoPause);
    window.view().rememberIn(vexel::view::defaultSettingsPath(), std::cerr);
    window.help().setPlaces({scoresPath, replaysFolder, historyPath, vexel::view::defaultSettingsPath()});
    if (watched.replay)
        return vexel::qt::watchReplay(window, *watched.replay);
    vexel::Form1 form(state, window, random, scoreFile, std::cerr);
    vexel::replay::ReplayFolder replays(replaysFolder, std::cerr, &form.warnings());
    vexel::history::HistoryStore history(historyPath, replaysFolder);
    vexel::history::Keeper historyKeeper(history, form.warnings(), std::cerr);
    // The history comes last: after the dialogs, the records and the
    // replay files, so that nothing it does can cost any of them; what
    // neither could keep joins the records' warnings in the one box the
    // game shows before the next game.
    vexel::replay::Recorder recorder(
        random,
        [&replays, &historyKeeper](const auto& game, bool setRecord) {
            replays.keep(game, setRecord);
            historyKeeper.keep(game, setRecord);
        },
        std::cerr);
    form.record(recorder);
    // A game controller is one more keyboard; without SDL's controllers the
    // keyboard alone plays, as ever.
    vexel::device::PadDevice pads;
    std::optional<vexel::qt::PadInput> padInput;
    if (pads.open()) {
        padInput.emplace(window, pads);
        form.listen(*padInput);
    }
    vexel::qt::SoundBridge heard(window, sound);
    form.listen(heard);
    window.attach(form, form.scene());
    window.describe(state);
    const vexel::qt::EndOnSignals ending(window);
    // The History window reads through a connection of its own, opened
    // afresh each time the window opens so that it shows the newest games.
    vexel::history::HistoryStore historyReader(historyPath, {});
    vexel::qt::offerHistory(
        window, historyReader, line.autoPause, [&historyReader]() -> std::optional<std::string> {
            if (const std::optional<vexel::history::Problem> problem = historyReader.open())
                return vexel::history::text::describe(historyReader.path(), *problem);
            return std::nullopt;
        });
    window.loadAndShow();
    // Made at the first start, with the replays kept before it; whatever
    // stands in the way is told at the first game over.
    history.create();

    const int status = QApplication::exec();
    ending.passOn();
    return status;
}
