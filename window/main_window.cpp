#include "window/main_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QPushButton>
#include <QSignalBlocker>

#include <map>

#include "ledger/calculate.h"
#include "ledger/resets.h"
#include "window/entry_box.h"
#include "window/fonts.h"
#include "window/geometry.h"
#include "window/layout.h"
#include "window/qt_text.h"
#include "window/usage_help.h"
#include "window/wayland.h"

namespace window {
namespace {

using ledger::BoxId;
using ledger::BoxKind;
using ledger::Message;

QColor ToColor(ledger::BackColour colour)
{
    const std::uint32_t bgr = ledger::Bgr(colour);
    return {ledger::Red(bgr), ledger::Green(bgr), ledger::Blue(bgr)};
}

// The background of a text box. A calculation paints every box, mostly in
// the colour it has; a new palette costs a widget a good deal, so only a new
// colour gets one.
void Paint(QWidget* widget, ledger::BackColour colour)
{
    if (widget->palette().color(QPalette::Base) == ToColor(colour)) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ToColor(colour));
    widget->setPalette(palette);
}

// A box's selection, or its caret, in characters: start and length.
std::pair<std::size_t, std::size_t> Selection(const EntryBox& box)
{
    const QString text = box.text();
    const int start = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    const std::size_t first = CharIndex(text, start);
    return {first, CharIndex(text, start + box.selectionLength()) - first};
}

// The background of anything else: a label, check box, frame, line or the window.
void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);  // buttons and check boxes fill with another role
    widget->setAutoFillBackground(true);
}

// Labels draw their text from the top of their box, as the classic toolkit does.
QLabel* MakeLabel(QWidget* parent, std::string_view text)
{
    auto* label = new QLabel(ToQString(text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, std::string_view caption)
{
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setAutoDefault(true);  // Enter activates the focused button, as Space does
    return button;
}

// A text the sheet wrote, with its caret: every write leaves nothing selected.
void ShowText(EntryBox* widget, const ledger::EntryBox& box)
{
    const QSignalBlocker block(widget);
    const QString text = QString::fromStdString(box.text);
    widget->setText(text);
    widget->setCursorPosition(Utf16Index(text, box.selStart));
}

QString RowName(std::string_view what, int row)
{
    return ToQString(layout::kRowName).arg(row + 1).arg(ToQString(what));
}

}  // namespace

void MainWindow::Place(QWidget* widget, std::string_view name, const layout::Twips& at, layout::Font font) const
{
    widget->setObjectName(ToQString(name));
    widget->setGeometry(PixelRect(at));
    if (font != layout::kWindowFont) widget->setFont(fonts_[static_cast<std::size_t>(font)]);
}

MainWindow::MainWindow(MessagePresenter presenter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint),
      presenter_(std::move(presenter)),
      captions_(LayoutCaptions())
{
    setObjectName(QStringLiteral("C1"));
    setWindowTitle(ToQString(layout::kWindowTitle));
    // From raw pixels, read in place: QIcon(path) would scan for icon-engine
    // plugins at start-up, and decoding a PNG for image-format plugins.
    const QResource icon(QStringLiteral(":/icons/app_icon.rgba"));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(icon.data(), 32, 32, QImage::Format_RGBA8888))));
    FixSize(this, FixedSize());
    // Set once, before the controls: they inherit both.
    FillBackground(this, ToColor(layout::kWindowBackground));
    for (const layout::FontStyle& style : layout::kFonts)
        fonts_[static_cast<std::size_t>(style.font)] = MakeFont(style.font);
    setFont(fonts_[static_cast<std::size_t>(layout::kWindowFont)]);

    BuildControls();
    WireEvents();
    SetFocusOrder();
    StartUp();
}

QSize MainWindow::FixedSize()
{
    return {layout::Pixels(layout::kClientWidth), layout::Pixels(layout::kClientHeight)};
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    KeepSize(this, FixedSize());
    QWidget::resizeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const Caption& caption : captions_) {
        if (!event->region().intersects(caption.at)) continue;
        painter.setFont(fonts_[static_cast<std::size_t>(caption.font)]);
        QPoint at = caption.at.topLeft();
        if (caption.centred)
            at.rx() += (caption.at.width() - painter.fontMetrics().horizontalAdvance(caption.text.text())) / 2;
        painter.setClipRect(caption.at);  // as a label does
        painter.drawStaticText(at, caption.text);
    }
    painter.setClipping(false);
    for (const layout::Control& control : layout::kControls) {
        if (control.kind != layout::Kind::Line) continue;
        QRect line = PixelRect(control.at);
        line.setWidth(1);  // one pixel, in the text colour
        painter.fillRect(line, palette().color(QPalette::WindowText));
    }
}

void MainWindow::BuildControls()
{
    std::map<std::string_view, QWidget*> built;
    for (const layout::Control& control : layout::kControls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case layout::Kind::Caption:
            case layout::Kind::Line: continue;  // drawn by paintEvent
            case layout::Kind::Label: widget = MakeLabel(this, control.text); break;
            case layout::Kind::Button: widget = MakeButton(this, control.text); break;
            case layout::Kind::TextBox: widget = new EntryBox(this); break;
            case layout::Kind::Frame: {
                auto* frame = new QFrame(this);
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                widget = frame;
                break;
            }
        }
        Place(widget, control.name, control.at, control.font);
        // A white control shows the window's white through it.
        if (control.kind == layout::Kind::TextBox) {
            Paint(widget, control.background);
        } else if (control.background != ledger::BackColour::Standard &&
                   control.background != layout::kWindowBackground) {
            FillBackground(widget, ToColor(control.background));
        }
        if (!control.accessibleName.empty()) widget->setAccessibleName(ToQString(control.accessibleName));
        built[control.name] = widget;
    }
    // Each control the window works with, looked up once.
    const auto take = [&built]<typename T>(T*& member, std::string_view name) {
        member = qobject_cast<T*>(built.at(name));
    };
    take(runCommand_, "RunCommand");
    take(command4_, "Command4");
    take(setBackCommand_, "SetBackCommand");
    take(command1_, "Command1");
    take(label9_, "Label9");
    for (const ledger::ResultField field : ledger::kResultFields) {
        EntryBox*& result = results_[static_cast<std::size_t>(field)];
        take(result, layout::kResultControls[static_cast<std::size_t>(field)]);
        ShowText(result, {sheet_.Result(field)});
    }
    for (int row = 0; row < ledger::kRowCount; ++row) BuildRow(row);
    QFrame* frame = nullptr;
    take(frame, "Frame2");
    BuildKeypad(frame);
}

void MainWindow::BuildRow(int row)
{
    const auto name = [row](std::string_view control) {
        return std::string(control) + "(" + std::to_string(row) + ")";
    };
    for (const layout::RowControl& control : layout::kRowControls) {
        if (control.kind != layout::Kind::TextBox) continue;  // the captions are drawn by paintEvent
        const BoxKind kind = control.part == layout::RowPart::InputMoney1 ? BoxKind::Face : BoxKind::Count;
        auto* box = new EntryBox(this);
        box->setAccessibleName(RowName(kind == BoxKind::Face ? layout::kFaceBoxName : layout::kCountBoxName, row));
        ShowText(box, sheet_.Box({kind, row}));
        // Boxes in the standard colour keep the system's text-box background.
        if (sheet_.Colour({kind, row}) != ledger::BackColour::Standard) Paint(box, sheet_.Colour({kind, row}));
        (kind == BoxKind::Face ? faceBoxes_ : countBoxes_)[static_cast<std::size_t>(row)] = box;
        Place(box, name(control.name), layout::RowControlAt(control, row), layout::Font::Song12Bold);
    }
    // Only the box itself shows, on the window's white.
    auto* mark = new QCheckBox(this);
    mark->setAccessibleName(RowName(layout::kFuelMarkName, row));
    Place(mark, name("C1"), layout::CheckBoxAt(row), layout::kWindowFont);
    fuelMarks_[static_cast<std::size_t>(row)] = mark;
}

void MainWindow::BuildKeypad(QWidget* frame)
{
    const auto keyAt = [](int left) {
        return layout::Twips{left, layout::kKeyTop, layout::kKeyWidth, layout::kKeyHeight};
    };
    for (int key = 0; key < entry::kKeyCount; ++key) {
        QPushButton* button = MakeButton(frame, entry::kKeyCaptions[static_cast<std::size_t>(key)]);
        button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus, caret and selection in the box
        const std::string objectName = "Command3(" + std::to_string(key) + ")";
        Place(button, objectName, keyAt(layout::KeyLeft(key)), layout::Font::Hei2175Bold);
        keys_[static_cast<std::size_t>(key)] = button;
    }
    keys_[entry::kPointKey]->setAccessibleDescription(ToQString(layout::kPointKeyDescription));
    backspace_ = MakeButton(frame, layout::kBackspaceCaption);
    backspace_->setFocusPolicy(Qt::TabFocus);
    Place(backspace_, "Command2", keyAt(layout::kBackspaceLeft), layout::Font::Hei1575Bold);
    backspace_->setAccessibleDescription(ToQString(layout::kBackspaceDescription));
}

void MainWindow::WireEvents()
{
    const auto run = [this](QPushButton* button, Message (*operation)(ledger::ReceiptSheet&)) {
        connect(button, &QPushButton::clicked, this,
                [this, operation] { Run([this, operation] { return operation(sheet_); }); });
    };
    run(runCommand_, ledger::Calculate);
    run(command4_, ledger::FirstStepReset);
    run(setBackCommand_, ledger::FullReset);
    connect(command1_, &QPushButton::clicked, this, [this] {
        presenter_(this, {std::string(kUsageTitle), std::string(kUsageText)});
    });

    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const BoxId id{kind, row};
            EntryBox* box = BoxWidget(id);
            connect(box, &EntryBox::clicked, this, [this, id] { SelectBox(id); });
            // Whatever the user does in a box reaches the sheet at once.
            connect(box, &QLineEdit::textChanged, this, [this, id] { MirrorBox(id); });
            connect(box, &QLineEdit::cursorPositionChanged, this, [this, id] { MirrorSelection(id); });
            connect(box, &QLineEdit::selectionChanged, this, [this, id] { MirrorSelection(id); });
        }
        connect(C1(row), &QCheckBox::toggled, this,
                [this, row](bool ticked) { sheet_.MirrorFuelMark(row, ticked ? 1 : 0); });
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        connect(Result(field), &QLineEdit::textChanged, this,
                [this, field](const QString& text) { sheet_.MirrorResult(field, text.toStdString()); });
    }
    for (int key = 0; key < entry::kKeyCount; ++key) {
        connect(Command3(key), &QPushButton::clicked, this, [this, key] { AfterKey(keypad_.PressKey(sheet_, key)); });
    }
    connect(backspace_, &QPushButton::clicked, this, [this] { AfterKey(keypad_.PressBackspace(sheet_)); });
}

void MainWindow::SetFocusOrder()
{
    using ledger::ResultField;
    std::vector<QWidget*> order{
        runCommand_,    InputMoney1(0), Text1(0), Result(ResultField::Output1), Result(ResultField::Output2),
        setBackCommand_};
    for (int row = 1; row < ledger::kRowCount; ++row) {
        order.push_back(Text1(row));
        order.push_back(InputMoney1(row));
    }
    for (int column = 0; column < 3; ++column) {
        for (int row = column; row < ledger::kRowCount; row += 3) order.push_back(C1(row));
    }
    order.insert(order.end(), {Result(ResultField::O1), Result(ResultField::Road1), command1_});
    order.insert(order.end(), keys_.begin(), keys_.end());
    order.insert(order.end(), {backspace_, command4_});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::StartUp()
{
    ShowKeys();  // no current box yet: every key disabled
    runCommand_->setFocus();
}

void MainWindow::Run(const std::function<ledger::Message()>& operation)
{
    const ledger::Message message = operation();
    ShowWrites();
    presenter_(this, message);
}

void MainWindow::SelectBox(BoxId box)
{
    keypad_.SelectBox(sheet_, box);
    ShowWrites();
    ShowKeys();
}

void MainWindow::AfterKey(entry::FocusRequest focus)
{
    ShowWrites();
    ShowKeys();
    if (focus) BoxWidget(*focus)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ShowWrites()
{
    const ledger::Writes writes = sheet_.TakeWrites();
    for (int row = 0; row < ledger::kRowCount; ++row) {
        for (const BoxKind kind : {BoxKind::Face, BoxKind::Count}) {
            const BoxId id{kind, row};
            if (writes.HasText(id)) ShowText(BoxWidget(id), sheet_.Box(id));
            if (writes.HasColour(id)) Paint(BoxWidget(id), sheet_.Colour(id));
        }
        if (writes.HasFuelMark(row)) {
            const QSignalBlocker block(C1(row));
            C1(row)->setChecked(sheet_.FuelMark(row) == 1);
        }
    }
    for (const ledger::ResultField field : ledger::kResultFields) {
        if (writes.HasResult(field)) ShowText(Result(field), {sheet_.Result(field)});
    }
    if (writes.HasPreviousTotals()) label9_->setText(QString::fromStdString(sheet_.PreviousTotals()));
}

void MainWindow::ShowKeys()
{
    for (int key = 0; key < entry::kKeyCount; ++key) Command3(key)->setEnabled(keypad_.KeyEnabled(key));
    backspace_->setEnabled(keypad_.BackspaceEnabled());
}

void MainWindow::MirrorBox(BoxId id)
{
    const auto [start, length] = Selection(*BoxWidget(id));
    sheet_.MirrorBox(id, BoxWidget(id)->text().toStdString(), start, length);
}

void MainWindow::MirrorSelection(BoxId id)
{
    const auto [start, length] = Selection(*BoxWidget(id));
    sheet_.MirrorSelection(id, start, length);
}

EntryBox* MainWindow::BoxWidget(BoxId box) const
{
    return box.kind == BoxKind::Face ? InputMoney1(box.row) : Text1(box.row);
}

}  // namespace window
