// The codes the game receives for Qt's keys; no window is needed.

#include "qt/key_input.h"

#include <QTest>

#include <map>

class KeyInputTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheGameKeysGiveTheGameCodes();
};

void KeyInputTest::onlyTheGameKeysGiveTheGameCodes()
{
    // Qt numbers printable keys by character, so '%', '&', ''' and '(' carry
    // the numbers of Left, Up, Right and Down; none of them may move the
    // player, and no key may lose its code.
    const std::map<int, int> gameKeys = {{Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Left, 37},
                                         {Qt::Key_Up, 38},     {Qt::Key_Right, 39}, {Qt::Key_Down, 40}};
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier),
          Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        for (const auto& [first, last] :
             {std::pair{0, 0x2ff}, {0x01000000, 0x010000ff}, {0x01001000, 0x010012ff}}) {
            for (int key = first; key <= last; ++key) {
                const int code = vexel::qt::virtualKeyCode(key, modifiers);
                const int expected = gameKeys.count(key) ? gameKeys.at(key) : -1;
                if ((code >= 37 && code <= 40) || code == 13 || expected != -1) {
                    if (code != expected)
                        QFAIL(
                            qPrintable(QStringLiteral("Qt key %1 gives code %2").arg(key, 0, 16).arg(code)));
                }
            }
        }
    }
}

QTEST_APPLESS_MAIN(KeyInputTest)
#include "key_input_test.moc"
