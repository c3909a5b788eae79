#include "qt/history_menu.h"

#include "qt/game_window.h"
#include "qt/history/history_window.h"
#include "qt/replay_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

#include <memory>

namespace vexel::qt {

void offerHistory(GameWindow& window, const history::HistorySource& source, bool autoPause,
                  ReopenHistory reopen)
{
    window.historyAction()->setVisible(true);
    auto open = std::make_shared<QPointer<HistoryWindow>>();
    QObject::connect(
        &window, &GameWindow::historyChosen, &window, [&window, &source, autoPause, open, reopen] {
            if (open->isNull()) {
                if (const std::optional<std::string> problem = reopen ? reopen() : std::nullopt) {
                    QMessageBox box(
                        QMessageBox::Warning, QCoreApplication::translate("HistoryWindow", "Vexel History"),
                        QCoreApplication::translate("HistoryWindow", "The history cannot be shown.\n\n%1")
                            .arg(QString::fromStdString(*problem)),
                        QMessageBox::Ok, &window);
                    box.setTextFormat(Qt::PlainText);
                    box.exec();
                    return;
                }
                // The replay's window pauses when the player looks away
                // just as the game's does.
                const OpenReplay openReplay = [autoPause](const replay::Replay& replay, QWidget& owner) {
                    return static_cast<QWidget*>(openReplayWindow(replay, owner, autoPause));
                };
                auto* history = new HistoryWindow(source, openReplay, &window);
                history->setAttribute(Qt::WA_DeleteOnClose);
                *open = history;
            }
            (*open)->show();
            (*open)->raise();
            (*open)->activateWindow();
        });
}

} // namespace vexel::qt
