#include "qt/about_box.h"

#include "device/sdl_session.h"
#include "qt/game_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#ifndef VEXEL_VERSION
#error "VEXEL_VERSION must be defined by the build"
#endif

namespace vexel::qt {

namespace {

constexpr int IconSize = 64;

} // namespace

QString licenceText()
{
    QFile file(QStringLiteral(":/help/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString copyrightLine()
{
    for (const QString& line : licenceText().split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Copyright")))
            return line.trimmed();
    }
    return {};
}

AboutBox::AboutBox(QWidget& window) : HelpDialog(window)
{
    setWindowTitle(QCoreApplication::translate("AboutVexel", "About Vexel"));
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    QIcon picture;
    for (const char* file : {":/help/icons/64/org.vexel.Vexel.png", ":/help/icons/128/org.vexel.Vexel.png"})
        picture.addFile(QString::fromLatin1(file));
    icon->setPixmap(picture.pixmap(IconSize, IconSize));
    icon->setAccessibleName(QCoreApplication::translate("AboutVexel", "The Vexel icon"));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);
    auto* column = new QVBoxLayout;
    top->addLayout(column, 1);
    outer->addLayout(top);

    const auto add = [&](const QString& text) {
        auto* label = new Prose(text, this);
        label->setWordWrap(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(label);
        texts_ << label;
        return label;
    };
    QLabel* name = add(QStringLiteral("Vexel"));
    QFont large = name->font();
    large.setBold(true);
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 1.5);
    else
        large.setPixelSize(large.pixelSize() * 3 / 2);
    name->setFont(large);
    add(QCoreApplication::translate("AboutVexel", "Version %1").arg(QStringLiteral(VEXEL_VERSION)));
    QLabel* what = add(QCoreApplication::translate(
        "AboutVexel", "An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board."));
    // The one long line, read as one or two lines; the others stay whole.
    what->setWordWrap(true);
    what->setMinimumWidth(what->fontMetrics().averageCharWidth() * 48);
    add(copyrightLine());
    add(QCoreApplication::translate("AboutVexel", "Free software under the MIT licence."));
    add(QCoreApplication::translate("AboutVexel", "Runs with Qt %1 and SDL %2.")
            .arg(QString::fromLatin1(qVersion()), QString::fromStdString(device::SdlSession::version())));
    //: Who translated the game into this language, for the About box:
    //: "German translation: NAME". English, the game's own language,
    //: shows nothing.
    const QString credit = QCoreApplication::translate("AboutVexel", "translator-credits");
    if (credit != QLatin1String("translator-credits"))
        add(credit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    licence_ = buttons->addButton(QCoreApplication::translate("AboutVexel", "Licence"),
                                  QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(licence_, &QPushButton::clicked, this, &AboutBox::showLicence);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
}

void AboutBox::showLicence()
{
    QDialog licence(this);
    licence.setWindowTitle(QCoreApplication::translate("AboutVexel", "Vexel Licence"));
    auto* layout = new QVBoxLayout(&licence);
    auto* text = new QPlainTextEdit(licenceText(), &licence);
    text->setReadOnly(true);
    text->setAccessibleName(QCoreApplication::translate("AboutVexel", "The MIT licence"));
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The whole text in view where the screen has room: 80 columns and the
    // lines it has.
    const QFontMetrics metrics(text->font());
    QSize whole(metrics.horizontalAdvance(QLatin1Char('m')) * 82,
                metrics.lineSpacing() * (text->document()->blockCount() + 2));
    if (const QScreen* screen = this->screen())
        whole = whole.boundedTo(screen->availableGeometry().size() * 3 / 4);
    text->setMinimumSize(whole);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &licence);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, &licence, &QDialog::reject);
    layout->addWidget(buttons);
    runGameDialog(licence, *this);
}

QStringList AboutBox::texts() const
{
    QStringList shown;
    for (const QLabel* label : texts_)
        shown << label->text();
    return shown;
}

} // namespace vexel::qt
