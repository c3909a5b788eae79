// The floor for start-up time and memory: an empty main window with the
// game's menu bar and a client area of the game's size, and nothing else.
// Whatever the game costs beyond this is the game's own.

#include "app/window_definition.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("Options"));
    for (const char* label : {"Show Bad Squares?", "Show Level?", "2-Way?"})
        options->addAction(QString::fromLatin1(label))->setCheckable(true);
    window.menuBar()->addAction(QStringLiteral("High Scores"));
    auto* client = new QWidget(&window);
    client->setFixedSize(vexel::window::ClientWidth, vexel::window::ClientHeight);
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("Vexel: 0 points"));
    window.show();
    return QApplication::exec();
}
