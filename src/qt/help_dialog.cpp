#include "qt/help_dialog.h"

#include "qt/game_dialog.h"

#include <QAccessibleWidget>

namespace vexel::qt {

namespace {

// A label's text through the accessible text interface, which is how an
// AT-SPI client reads a paragraph. The text is static: nothing is chosen,
// no cursor moves.
class LabelText final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelText(QLabel& label) : QAccessibleWidget(&label, QAccessible::StaticText), label_(label) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? label_.text() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return label_.text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(label_.text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLabel& label_;
};

// Asked with each class of the object's from the most derived on: Qt's
// own answer for a QLabel comes only after this one.
QAccessibleInterface* labelText(const QString& className, QObject* object)
{
    auto* prose = qobject_cast<Prose*>(object);
    if (prose == nullptr || className != QLatin1String(Prose::staticMetaObject.className()))
        return nullptr;
    return new LabelText(*prose);
}

} // namespace

Prose::Prose(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(labelText);
        return true;
    }();
    (void)installed;
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

HelpDialog::HelpDialog(QWidget& window) : QDialog(&window), window_(window) {}

HelpDialog::~HelpDialog() = default;

void HelpDialog::present()
{
    if (!isVisible()) {
        fit();
        moveBeside(*this, window_);
    }
    guard_ = std::make_unique<DialogKeyGuard>(*this);
    show();
    raise();
    activateWindow();
}

void HelpDialog::fit()
{
    // Once: the title's room goes into the layout, which keeps it.
    if (titled_)
        return;
    fitTitle(*this);
    titled_ = true;
}

void HelpDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    guard_.reset();
}

} // namespace vexel::qt
