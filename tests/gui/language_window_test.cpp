// The real window in another language: captions with their counts in the
// plural form the language asks for, the menus, the High Scores display with
// the records in place, and the name prompt with Qt's own buttons in the same
// language. The records file stays byte for byte what English writes.

#include "app/form1.h"
#include "qt/game_window.h"
#include "qt/translation.h"
#include "scores/score_file.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using vexel::MenuItem;
using vexel::qt::GameWindow;

namespace {

// Notes the title and text of each dialog the game opens, and the buttons of
// an input box; types the name into that box, and accepts.
class Answerer {
public:
    QStringList seen;

    explicit Answerer(const QString& typed)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, typed] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible())
                return;
            seen << dialog->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                seen << box->text();
            if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
                QStringList buttons;
                for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                    buttons << button->text().remove(QLatin1Char('&'));
                buttons.sort();
                seen << input->labelText() << buttons.join(QLatin1Char(' '));
                input->setTextValue(typed);
            }
            dialog->accept();
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void speaksTheLanguage_data();
    void speaksTheLanguage();
};

// Each column is one list, its entries split at '|'.
void LanguageWindowTest::speaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("menus");
    // At 0 (the start-up caption, paused), then 1, 2, 5 and 22 points.
    QTest::addColumn<QString>("paused");
    QTest::addColumn<QString>("running");
    // The level suffix at levels 1 and 2.
    QTest::addColumn<QString>("levels");
    // The title and text of the High Scores display, the record prompt with
    // its buttons, and the display with the new holder.
    QTest::addColumn<QString>("dialogs");

    QTest::newRow("German")
        << QStringLiteral("de")
        << QStringLiteral(
               "Optionen|Gefährliche Felder zeigen?|Level zeigen?|Nur 2 Seiten?|Bestenliste|"
               "Verlauf|Ansicht|Vergrößern|Verkleinern|Originalgröße||Vollbild||Farbsichere Signale|Ton|"
               "Hilfe|Spielanleitung||Über Vexel|Über Qt")
        << QStringLiteral("Vexel: Pause (Enter zum Spielen) mit 0 Punkten|"
                          "Vexel: Pause (Enter zum Spielen) mit 1 Punkt|"
                          "Vexel: Pause (Enter zum Spielen) mit 2 Punkten|"
                          "Vexel: Pause (Enter zum Spielen) mit 5 Punkten|"
                          "Vexel: Pause (Enter zum Spielen) mit 22 Punkten")
        << QStringLiteral("Vexel: 0 Punkte|Vexel: 1 Punkt|Vexel: 2 Punkte|Vexel: 5 Punkte|Vexel: 22 Punkte")
        << QStringLiteral(" auf Level 1| auf Level 2")
        << QStringLiteral(
               "Vexel – Bestenliste|Die Bestenliste:\n\n4 Seiten: 0005 von Jörg \n2 Seiten: 0022 von "
               "12345|Vexel|Verloren, aber mit neuem Rekord! Wie heißt du?|Abbrechen OK|"
               "Vexel – Bestenliste|Die Bestenliste:\n\n4 Seiten: 0022 von Ola  \n2 Seiten: 0022 von 12345");
    QTest::newRow("Polish")
        << QStringLiteral("pl")
        << QStringLiteral(
               "Opcje|Pokazać groźne pola?|Pokazać poziom?|Tylko 2 strony?|Rekordy|Historia|Widok|"
               "Powiększ|Pomniejsz|Rzeczywisty rozmiar||Pełny ekran||Sygnały dla daltonistów|Dźwięk|"
               "Pomoc|Jak grać||O grze Vexel|O Qt")
        << QStringLiteral("Vexel: pauza (Enter – graj), 0 punktów|Vexel: pauza (Enter – graj), 1 punkt|"
                          "Vexel: pauza (Enter – graj), 2 punkty|Vexel: pauza (Enter – graj), 5 punktów|"
                          "Vexel: pauza (Enter – graj), 22 punkty")
        << QStringLiteral("Vexel: 0 punktów|Vexel: 1 punkt|Vexel: 2 punkty|Vexel: 5 punktów|Vexel: 22 punkty")
        << QStringLiteral(", poziom 1|, poziom 2")
        << QStringLiteral("Vexel – rekordy|Rekordy:\n\n4 strony: 0005 – Jörg \n2 strony: 0022 – 12345|"
                          "Vexel|Przegrana, ale to nowy rekord! Jak się nazywasz?|Anuluj OK|"
                          "Vexel – rekordy|Rekordy:\n\n4 strony: 0022 – Ola  \n2 strony: 0022 – 12345");
}

void LanguageWindowTest::speaksTheLanguage()
{
    QFETCH(QString, language);
    const auto list = [](const char* column) {
        return static_cast<QString*>(QTest::qData(column, qMetaTypeId<QString>()))->split(QLatin1Char('|'));
    };
    const QStringList menus = list("menus"), paused = list("paused"), running = list("running"),
                      levels = list("levels"), dialogs = list("dialogs");

    vexel::qt::Translation translation(language.toStdString());
    QCOMPARE(QString::fromStdString(translation.language()), language);
    vexel::useTexts(&translation);
    translation.install(*QCoreApplication::instance());
    const auto english = qScopeGuard([] { vexel::useTexts(nullptr); });

    // Records held before the game: 4-way 5 by "Jörg ", 2-way 22 by "12345".
    QTemporaryDir folder;
    const QString records = folder.filePath(QStringLiteral("vexel.ini"));
    QFile file(records);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"0022000512345J\xC3\xB6rg \"\r\n");
    file.close();

    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile(records.toStdString());
    std::ostringstream diagnostics;
    GameWindow window;
    vexel::Form1 form(state, window, random, scoreFile, diagnostics);
    Answerer answerer(QStringLiteral("Ola"));
    window.attach(form, form.scene());
    window.loadAndShow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList shown;
    for (QAction* top : window.menuBar()->actions()) {
        shown << top->text();
        for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>{})
            shown << item->text();
    }
    QCOMPARE(shown, menus);

    // Enter and the points write the captions; the game is driven through
    // the window's own key handling, the points straight into the game.
    const auto enter = [&window] { QTest::keyClick(window.windowHandle(), Qt::Key_Return); };
    QCOMPARE(window.windowTitle(), paused[0]);
    enter();
    QCOMPARE(window.windowTitle(), running[0]);
    const int scores[] = {1, 2, 5, 22};
    for (int i = 0; i < 4; ++i) {
        form.addScore(scores[i] - state.score);
        QCOMPARE(window.windowTitle(), running[i + 1]);
        window.menuAction(MenuItem::ShowLevel)->trigger();
        form.addScore(0);
        QCOMPARE(window.windowTitle(), running[i + 1] + levels[scores[i] < 11 ? 0 : 1]);
        window.menuAction(MenuItem::ShowLevel)->trigger();
        enter();
        QCOMPARE(window.windowTitle(), paused[i + 1]);
        enter();
    }

    // The display, then a lost game with 22 points over the 4-way record of
    // 5: the prompt, and the display with the new holder.
    window.highScoresAction()->trigger();
    form.Lost();
    QCOMPARE(answerer.seen, dialogs);
    QCOMPARE(window.windowTitle(), paused[0]);

    // The records hold what an English game would have written.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"0022002212345Ola  \"\r\n"));
}

QTEST_MAIN(LanguageWindowTest)
#include "language_window_test.moc"
