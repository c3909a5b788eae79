#include "qt/how_to_play.h"

#include "player/caption.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexel::qt {

namespace {

// A text marked for the catalogue with QT_TRANSLATE_NOOP where it is
// written.
QString help(const char* source)
{
    return QCoreApplication::translate("HowToPlay", source);
}

// The menus' own words, so that the help names every item as the menu bar
// shows it.
QString menu(const char* source)
{
    return QCoreApplication::translate("Menu", source);
}

// A key as the menus show their shortcuts, in the desktop's language.
QString keyName(QKeyCombination key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

// The number of the example captions: plural enough in every language.
constexpr int ExamplePoints = 12;

// Room kept between the window and one beside it, with some to spare over
// what the placing asks for; and the narrowest table worth standing beside
// the board, in characters.
constexpr int BesideGap = 16;
constexpr int ReadableColumns = 60;

} // namespace

HowToPlayWindow::HowToPlayWindow(QWidget& window, const Places& places) : HelpDialog(window)
{
    setWindowTitle(QCoreApplication::translate("HowToPlay", "How to Play Vexel"));
    auto* outer = new QVBoxLayout(this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    content_ = new QWidget(scroll_);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    scroll_->setWidget(content_);
    outer->addWidget(scroll_);

    goal_ = addText(QCoreApplication::translate(
        "HowToPlay", "Keep the green square out of the way of the bullets that the 44 guns around the "
                     "board fire across it: one hit ends the game. Every bullet that leaves the board on "
                     "the far side scores a point, and the points raise the level from 1 to 12, each "
                     "level making the guns fire more often."));

    addHeading(QCoreApplication::translate("HowToPlay", "Keys and controller"));
    keys_ = new QTableWidget(content_);
    keys_->setAccessibleName(QCoreApplication::translate("HowToPlay", "Keys and controller buttons"));
    keys_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    keys_->setSelectionMode(QAbstractItemView::NoSelection);
    keys_->setWordWrap(false);
    keys_->verticalHeader()->hide();
    keys_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keys_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillKeys();
    column->addWidget(keys_);
    addText(QCoreApplication::translate(
        "HowToPlay", "With a controller, in the record holder's name prompt up and down change the "
                     "character, left and right move over the five places, A accepts and B cancels. "
                     "Unplugging a controller pauses a running game."));

    addHeading(QCoreApplication::translate("HowToPlay", "The title bar"));
    addText(QCoreApplication::translate(
                "HowToPlay",
                "The title bar tells the points: “%1” while you play, “%2” while the game is paused. "
                "With %3 the level follows the points: “%4”.")
                .arg(QString::fromStdString(caption::running(ExamplePoints)),
                     QString::fromStdString(caption::paused(ExamplePoints)), menu("Show Level?"),
                     QString::fromStdString(caption::runningWithLevel(ExamplePoints, 2, true))));

    addHeading(QCoreApplication::translate("HowToPlay", "Menus"));
    addText(QCoreApplication::translate(
                "HowToPlay",
                "%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the "
                "title bar, and with %4 only the left and right guns fire, at twice the rate.")
                .arg(menu("Options"), menu("Show Bad Squares?"), menu("Show Level?"), menu("2-Way?")));
    addText(QCoreApplication::translate(
                "HowToPlay", "%1: the best score of each mode, four-way and two-way, with its holder's name.")
                .arg(menu("High Scores")));
    addText(QCoreApplication::translate(
                "HowToPlay",
                "%1: every game you have played, the top ten of each mode, a chart of your progress, "
                "and any game watched again.")
                .arg(menu("History")));
    addText(QCoreApplication::translate(
                "HowToPlay",
                "%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by "
                "more than its colour, and Sound switches the sounds on and off, each gun heard from "
                "where it stands. The zoom, %6 and Sound are kept between runs.")
                .arg(menu("View"), menu("Zoom In"), menu("Zoom Out"), menu("Actual Size"),
                     menu("Full Screen"), menu("Colour-Safe Signals")));

    addHeading(QCoreApplication::translate("HowToPlay", "Where your games are kept"));
    auto* form = new QFormLayout;
    for (const char* name :
         {QT_TRANSLATE_NOOP("HowToPlay", "Records:"), QT_TRANSLATE_NOOP("HowToPlay", "Replays:"),
          QT_TRANSLATE_NOOP("HowToPlay", "History:"), QT_TRANSLATE_NOOP("HowToPlay", "Settings:")}) {
        // A path is whatever the file system holds, in one piece.
        auto* path = new Prose(QString(), content_);
        path->setWordWrap(false);
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(help(name), path);
        places_ << path;
    }
    column->addLayout(form);
    column->addStretch();
    setPlaces(places);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter closes the window as Escape does, wherever the focus is.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    setTextScale(1);
}

QLabel* HowToPlayWindow::addText(const QString& text)
{
    auto* label = new Prose(text, content_);
    content_->layout()->addWidget(label);
    texts_ << label;
    return label;
}

QLabel* HowToPlayWindow::addHeading(const QString& text)
{
    QLabel* label = addText(text);
    headings_ << label;
    return label;
}

void HowToPlayWindow::fillKeys()
{
    struct Row {
        QString key;
        QString pad;
        QString action;
    };
    const Row rows[] = {
        {QCoreApplication::translate("HowToPlay", "Enter"),
         QCoreApplication::translate("HowToPlay", "A or Start"),
         QCoreApplication::translate("HowToPlay", "Pause or resume; a game starts paused")},
        {QStringLiteral("← → ↑ ↓"), QCoreApplication::translate("HowToPlay", "D-pad or left stick"),
         QCoreApplication::translate("HowToPlay", "Move the green square one square, also while paused")},
        {keyName(Qt::Key_F10), QCoreApplication::translate("HowToPlay", "Back (Select)"),
         QCoreApplication::translate(
             "HowToPlay", "Open the menus: the arrows or the D-pad walk them, Enter or A chooses")},
        {keyName(Qt::Key_Escape), QStringLiteral("B"),
         QCoreApplication::translate("HowToPlay", "Close a menu or a dialog; leave full screen")},
        {keyName(Qt::Key_F1), {}, QCoreApplication::translate("HowToPlay", "Show this window")},
        {keyName(Qt::Key_F11), {}, QCoreApplication::translate("HowToPlay", "Full screen on and off")},
        {QCoreApplication::translate("HowToPlay", "%1 or %2")
             .arg(keyName(Qt::CTRL | Qt::Key_Plus), keyName(Qt::CTRL | Qt::Key_Equal)),
         {},
         QCoreApplication::translate("HowToPlay", "Zoom in: a larger board")},
        {keyName(Qt::CTRL | Qt::Key_Minus), {}, QCoreApplication::translate("HowToPlay", "Zoom out")},
        {keyName(Qt::CTRL | Qt::Key_0),
         {},
         QCoreApplication::translate("HowToPlay", "Back to the actual size")},
        {keyName(Qt::CTRL | Qt::Key_Q), {}, QCoreApplication::translate("HowToPlay", "Quit")},
    };
    keys_->setColumnCount(3);
    keys_->setHorizontalHeaderLabels({QCoreApplication::translate("HowToPlay", "Key"),
                                      QCoreApplication::translate("HowToPlay", "Controller"),
                                      QCoreApplication::translate("HowToPlay", "What it does")});
    keys_->setRowCount(static_cast<int>(std::size(rows)));
    int at = 0;
    for (const Row& row : rows) {
        keys_->setItem(at, 0, new QTableWidgetItem(row.key));
        keys_->setItem(at, 1, new QTableWidgetItem(row.pad));
        keys_->setItem(at, 2, new QTableWidgetItem(row.action));
        ++at;
    }
}

void HowToPlayWindow::sizeKeys(int widest)
{
    // Every row in view: the window scrolls as a whole, never the table
    // inside it. Where the screen is too narrow for the table, the last
    // column's texts wrap.
    keys_->setWordWrap(false);
    keys_->resizeColumnsToContents();
    const int frame = 2 * keys_->frameWidth();
    const int natural = frame + keys_->horizontalHeader()->length();
    if (natural > widest) {
        const int rest = widest - frame - keys_->columnWidth(0) - keys_->columnWidth(1);
        keys_->setColumnWidth(2, std::max(rest, keys_->fontMetrics().averageCharWidth() * 16));
        keys_->setWordWrap(true);
    }
    keys_->resizeRowsToContents();
    int rows = 0;
    for (int row = 0; row < keys_->rowCount(); ++row)
        rows += keys_->rowHeight(row);
    keys_->setFixedSize(frame + keys_->horizontalHeader()->length(),
                        frame + keys_->horizontalHeader()->sizeHint().height() + rows);
}

void HowToPlayWindow::setPlaces(const Places& places)
{
    const std::string* paths[] = {&places.records, &places.replays, &places.history, &places.settings};
    for (int i = 0; i < places_.size(); ++i)
        places_[i]->setText(QString::fromStdString(*paths[i]));
}

void HowToPlayWindow::setTextScale(double scale)
{
    // Sizing again would undo a size the player gave the window.
    if (scale == scale_)
        return;
    scale_ = scale;
    QFont font = QApplication::font(this);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale + 0.5)));
    setFont(font);
    QFont heading = font;
    heading.setBold(true);
    for (QLabel* label : headings_)
        label->setFont(heading);
    if (isVisible())
        fit();
}

void HowToPlayWindow::fit()
{
    HelpDialog::fit();
    const QWidget& window = *parentWidget();
    const QMargins margins = layout()->contentsMargins();
    const int around = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins.left() + margins.right();
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        const QSize decoration = window.frameGeometry().size() - window.geometry().size();
        room = available.size() - decoration;
        // Narrow enough to stand beside the board where the wider side
        // leaves room for a readable table; the text wraps instead.
        const QRect frame = window.frameGeometry();
        const int beside = std::max(available.right() - frame.right(), frame.left() - available.left()) -
                           BesideGap - decoration.width();
        if (beside - around >= fontMetrics().averageCharWidth() * ReadableColumns)
            room.setWidth(std::min(room.width(), beside));
    }
    sizeKeys(room.width() - around);
    // As wide as the table or the longest path, as tall as everything at
    // that width, and no more than the screen holds: the rest scrolls.
    QLayout* column = content_->layout();
    column->invalidate();
    const int width = column->minimumSize().width();
    content_->setMinimumWidth(width);
    const int height =
        column->hasHeightForWidth() ? column->heightForWidth(width) : column->sizeHint().height();
    const int buttons = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
    const QSize wanted(width + around, height + buttons + margins.top() + margins.bottom());
    resize(wanted.boundedTo(room).expandedTo(minimumSizeHint()));
}

QStringList HowToPlayWindow::texts() const
{
    QStringList shown;
    for (const QLabel* label : texts_)
        shown << label->text();
    for (const QLabel* path : places_)
        shown << path->text();
    return shown;
}

} // namespace vexel::qt
