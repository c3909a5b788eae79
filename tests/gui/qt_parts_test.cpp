// The window's parts that need no window: the painter, the repaint
// tracker and the key codes.

#include "app/form1.h"
#include "app/game_state.h"
#include "app/window_definition.h"
#include "scores/score_file.h"
#include "ui/headless/headless_host.h"
#include "ui/qt/key_input.h"
#include "ui/qt/repaint_tracker.h"
#include "ui/qt/scene_painter.h"
#include "ui/random_source.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <sstream>
#include <vector>

using vexel::ShapeKind;
using vexel::ShapeObject;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Green = qRgb(0, 255, 0);

struct HeadlessGame {
    QTemporaryDir folder;
    vexel::GameState state;
    vexel::HeadlessHost host;
    vexel::DefaultRandom random{12345};
    vexel::scores::ScoreFile scoreFile{folder.filePath(QStringLiteral("vexel.ini")).toStdString()};
    std::ostringstream diagnostics;
    vexel::Form1 form{state, host, random, scoreFile, diagnostics};

    HeadlessGame()
    {
        host.attach(form);
        host.show();
    }
};

QImage paint(const vexel::Scene& scene, qreal dpr = 1)
{
    QImage image(QSize(366, 366) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    vexel::qt::paintScene(painter, scene);
    return image;
}

// A scene of a single template, for looking at one shape on white.
vexel::Scene sceneWith(const ShapeObject& shape)
{
    vexel::Scene scene;
    scene.defineTemplate(vexel::Scene::Collection::Grid, shape);
    return scene;
}

QRect nonWhiteBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != White)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class QtPartsTest : public QObject {
    Q_OBJECT

private slots:
    void boardIsCrispWithSharedOutlines();
    void boardScalesWithTheDevicePixelRatio();
    void curvesStayInsideTheirBoxes();
    void hiddenShapesAndStackingOrder();
    void keptCurvesFollowTheDeviceScale();
    void partialRepaintsAddUpToTheFullPicture();
    void onlyTheGameKeysGiveTheGameCodes();
    void keyCodesAndModifiers();
};

void QtPartsTest::boardIsCrispWithSharedOutlines()
{
    HeadlessGame game;
    const QImage image = paint(game.form.scene());
    // Across the open board (lines 51..313) each outline is one pixel on
    // the pitch of 24, and every other pixel is a square's flat fill.
    for (int line = 51; line <= 313; ++line) {
        for (int along = 51; along <= 313; ++along) {
            const bool onOutline = (line - 50) % 24 == 0 || (along - 50) % 24 == 0;
            const bool inPlayer = line >= 170 && line <= 194 && along >= 170 && along <= 194;
            const QRgb expected = onOutline ? Black : (inPlayer ? Green : White);
            if (image.pixel(along, line) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3")
                                     .arg(along)
                                     .arg(line)
                                     .arg(image.pixel(along, line), 8, 16)));
        }
    }
    // Nothing is left unpainted, background included.
    for (int y = 0; y < 366; ++y) {
        for (int x = 0; x < 366; ++x)
            QVERIFY(image.pixel(x, y) != qRgb(255, 0, 255));
    }
}

void QtPartsTest::boardScalesWithTheDevicePixelRatio()
{
    HeadlessGame game;
    const QImage image = paint(game.form.scene(), 2);
    QCOMPARE(image.size(), QSize(732, 732));
    // The outline shared by squares 0 and 1 at x = 74 is two device pixels.
    const int y = 2 * 60;
    QCOMPARE(image.pixel(2 * 74 - 1, y), White);
    QCOMPARE(image.pixel(2 * 74, y), Black);
    QCOMPARE(image.pixel(2 * 74 + 1, y), Black);
    QCOMPARE(image.pixel(2 * 74 + 2, y), White);
    // The player's square spans device pixels 340..389.
    QCOMPARE(image.pixel(341, 2 * 182), Black);
    QCOMPARE(image.pixel(342, 2 * 182), Green);
    QCOMPARE(image.pixel(387, 2 * 182), Green);
    QCOMPARE(image.pixel(388, 2 * 182), Black);
}

void QtPartsTest::curvesStayInsideTheirBoxes()
{
    struct Case {
        ShapeKind kind;
        QRect box;
        QRect drawn; // where the shape itself lies within the box
    };
    const Case cases[] = {
        {ShapeKind::Oval, QRect(10, 20, 24, 50), QRect(10, 20, 24, 50)},
        {ShapeKind::Oval, QRect(100, 100, 50, 24), QRect(100, 100, 50, 24)},
        {ShapeKind::Circle, QRect(40, 40, 25, 25), QRect(40, 40, 25, 25)},
        // The largest circle centred in a wide box.
        {ShapeKind::Circle, QRect(100, 200, 60, 20), QRect(120, 200, 20, 20)},
    };
    const QColor fill(255, 128, 128);
    for (const Case& c : cases) {
        const ShapeObject shape{c.kind,
                                static_cast<float>(c.box.x()),
                                static_cast<float>(c.box.y()),
                                static_cast<float>(c.box.width()),
                                static_cast<float>(c.box.height()),
                                true,
                                vexel::rgb(255, 128, 128),
                                {}};
        const QImage image = paint(sceneWith(shape));
        QCOMPARE(nonWhiteBounds(image), c.drawn);
        QCOMPARE(image.pixelColor(c.drawn.center()), fill);
        // The outline reaches the middle of each side of the drawn box.
        const QPoint middles[] = {{c.drawn.center().x(), c.drawn.top()},
                                  {c.drawn.center().x(), c.drawn.bottom()},
                                  {c.drawn.left(), c.drawn.center().y()},
                                  {c.drawn.right(), c.drawn.center().y()}};
        for (const QPoint& p : middles)
            QVERIFY2(qGray(image.pixel(p)) < 100,
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        QCOMPARE(vexel::qt::shapeBounds(shape), c.box);
    }
}

void QtPartsTest::hiddenShapesAndStackingOrder()
{
    vexel::Scene scene;
    using C = vexel::Scene::Collection;
    scene.defineTemplate(C::Grid, {ShapeKind::Rectangle, 10, 10, 40, 40, true, vexel::colors::White, {}});
    scene.defineTemplate(C::Guard, {ShapeKind::Rectangle, 30, 30, 40, 40, true, vexel::colors::Player, {}});
    scene.defineTemplate(C::Bullet, {ShapeKind::Circle, 100, 100, 25, 25, false, vexel::rgb(255, 0, 0), {}});
    QCOMPARE(paint(scene).pixel(40, 40), Green); // the guard was added later
    scene.bringToFront(C::Grid, 0);
    QCOMPARE(paint(scene).pixel(40, 40), White);
    QCOMPARE(paint(scene).pixel(112, 112), White); // the hidden bullet
    scene.at(C::Bullet, 0).Visible = true;
    QCOMPARE(paint(scene).pixel(112, 112), qRgb(255, 0, 0));
}

void QtPartsTest::keptCurvesFollowTheDeviceScale()
{
    // A painter that has kept its curves at one scale must not stamp them
    // at another, whichever comes first.
    HeadlessGame game;
    for (const qreal first : {1.0, 2.0}) {
        vexel::qt::ScenePainter painter;
        for (const qreal dpr : {first, 3.0 - first, first}) {
            QImage image(QSize(366, 366) * dpr, QImage::Format_RGB32);
            image.setDevicePixelRatio(dpr);
            QPainter onImage(&image);
            painter.paint(onImage, game.form.scene(), QRect(0, 0, 366, 366));
            onImage.end();
            QCOMPARE(image, paint(game.form.scene(), dpr));
        }
    }
    // A painter that turns the picture cannot use kept curves; it draws
    // them as they are, and they still land inside their boxes.
    QImage turned(366, 366, QImage::Format_RGB32);
    turned.fill(Qt::magenta);
    {
        QPainter onImage(&turned);
        onImage.translate(366, 0);
        onImage.rotate(90);
        vexel::qt::paintScene(onImage, game.form.scene());
    }
    // Top gun 0 (50, 0, 24 x 50) now lies along the right edge.
    QCOMPARE(turned.pixel(366 - 25, 62), qRgb(255, 255, 0));
}

void QtPartsTest::partialRepaintsAddUpToTheFullPicture()
{
    // A long running game with bad squares shown: bullets fly, guns charge,
    // squares flash, games are lost and reloaded. Repainting only what the
    // tracker names must give the same picture as painting everything.
    HeadlessGame game;
    game.host.setRecording(false);
    game.host.clickMenu(vexel::MenuItem::ShowBadSquares);
    vexel::qt::RepaintTracker tracker;
    // One painter for the whole run, as the window keeps one; the
    // reference frames are painted afresh each time.
    vexel::qt::ScenePainter painter;
    const QRect client(0, 0, 366, 366);
    QImage screen = paint(game.form.scene());
    tracker.update(game.form.scene(), client);
    game.host.pressKey(vexel::keys::Enter);

    int reloads = game.host.reloads();
    std::uint64_t requested = 0;
    int partial = 0;
    const int keys[] = {vexel::keys::Left, vexel::keys::Up, vexel::keys::Right, vexel::keys::Down};
    for (int step = 0; step < 1500; ++step) {
        if (!game.host.timerEnabled())
            game.host.pressKey(vexel::keys::Enter);
        if (step % 7 == 0)
            game.host.pressKey(keys[(step / 7) % 4]);
        game.host.tick();
        if (game.host.reloads() != reloads) {
            reloads = game.host.reloads();
            tracker.invalidate();
        }
        const vexel::qt::RepaintTracker::Change change = tracker.update(game.form.scene(), client);
        if (!change.full) {
            ++partial;
            for (const QRect& rect : change.region)
                requested +=
                    static_cast<std::uint64_t>(rect.width()) * static_cast<std::uint64_t>(rect.height());
        }
        {
            QPainter onScreen(&screen);
            onScreen.setClipRegion(change.region);
            painter.paint(onScreen, game.form.scene(), change.region.boundingRect());
        }
        if (step % 10 == 0 || step > 1450) {
            if (screen != paint(game.form.scene()))
                QFAIL(qPrintable(QStringLiteral("screen differs after tick %1").arg(step)));
        }
    }
    QVERIFY(game.host.reloads() > 0); // the run did cover a lost game
    QVERIFY(partial > 1000);
    qInfo("%llu client pixels requested per partial repaint on average",
          static_cast<unsigned long long>(requested / static_cast<std::uint64_t>(partial)));
    // Few shapes move per tick, so far less than the client area is asked for.
    QVERIFY2(requested / static_cast<std::uint64_t>(partial) < 366 * 366 / 10,
             qPrintable(
                 QStringLiteral("%1 pixels per tick").arg(requested / static_cast<std::uint64_t>(partial))));
}

void QtPartsTest::onlyTheGameKeysGiveTheGameCodes()
{
    // Qt numbers printable keys by character, so '%', '&', ''' and '(' carry
    // the numbers of Left, Up, Right and Down; none may move the player.
    const int gameCodes[] = {13, 37, 38, 39, 40};
    auto expectedFor = [](int key) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        default:
            return -1;
        }
    };
    std::vector<int> keysToTry;
    for (int key = 0; key <= 0x2ff; ++key)
        keysToTry.push_back(key);
    for (int key = 0x01000000; key <= 0x010000ff; ++key)
        keysToTry.push_back(key);
    for (int key = 0x01001000; key <= 0x010012ff; ++key)
        keysToTry.push_back(key);
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier),
          Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        for (int key : keysToTry) {
            const int code = vexel::qt::virtualKeyCode(key, modifiers);
            const bool isGameCode =
                std::find(std::begin(gameCodes), std::end(gameCodes), code) != std::end(gameCodes);
            if (isGameCode && code != expectedFor(key))
                QFAIL(qPrintable(QStringLiteral("Qt key %1 gives code %2").arg(key, 0, 16).arg(code)));
            if (!isGameCode && expectedFor(key) != -1)
                QFAIL(qPrintable(QStringLiteral("Qt key %1 lost its code").arg(key, 0, 16)));
        }
    }
}

void QtPartsTest::keyCodesAndModifiers()
{
    using vexel::qt::virtualKeyCode;
    const Qt::KeyboardModifiers none;
    QCOMPARE(virtualKeyCode(Qt::Key_A, none), 65);
    QCOMPARE(virtualKeyCode(Qt::Key_Z, Qt::ShiftModifier), 90);
    QCOMPARE(virtualKeyCode(Qt::Key_5, none), 53);
    QCOMPARE(virtualKeyCode(Qt::Key_Percent, Qt::ShiftModifier), 53);
    QCOMPARE(virtualKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    QCOMPARE(virtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    QCOMPARE(virtualKeyCode(Qt::Key_Left, Qt::KeypadModifier), 37);
    QCOMPARE(virtualKeyCode(Qt::Key_Space, none), 32);
    QCOMPARE(virtualKeyCode(Qt::Key_Escape, none), 27);
    QCOMPARE(virtualKeyCode(Qt::Key_Alt, Qt::AltModifier), 18);
    QCOMPARE(virtualKeyCode(Qt::Key_F1, none), 112);
    QCOMPARE(virtualKeyCode(Qt::Key_F12, none), 123);
    QCOMPARE(virtualKeyCode(Qt::Key_Semicolon, none), 186);
    QCOMPARE(virtualKeyCode(Qt::Key_MediaPlay, none), 0);
    QCOMPARE(virtualKeyCode(Qt::Key_Eacute, none), 0);

    using vexel::qt::shiftState;
    QCOMPARE(shiftState(none), 0);
    QCOMPARE(shiftState(Qt::ShiftModifier), 1);
    QCOMPARE(shiftState(Qt::ControlModifier | Qt::AltModifier), 6);
    QCOMPARE(shiftState(Qt::ShiftModifier | Qt::KeypadModifier | Qt::MetaModifier), 1);
}

QTEST_MAIN(QtPartsTest)
#include "qt_parts_test.moc"
