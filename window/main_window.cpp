// How the window is built: its controls from the layout tables, the captions and lines it draws itself, its
// icon, size and Tab order. What the controls do is in window_events.cpp.
#include "window/main_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResource>

#include <cmath>
#include <map>

#include "window/fonts.h"
#include "window/geometry.h"
#include "window/layout.h"
#include "window/qt_text.h"
#include "window/shown_values.h"
#include "window/text_box.h"
#include "window/wayland.h"

namespace window {
namespace {

using ledger::BoxKind;

// The background of anything else than a text box: a label, check box, frame or the window.
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
    // plugins at start-up, and decoding a PNG for image-format plugins. A
    // square of RGBA pixels, its side as resources/ draws it.
    const QResource icon(QStringLiteral(":/icons/app_icon.rgba"));
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(icon.size()) / 4)));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(icon.data(), side, side, QImage::Format_RGBA8888))));
    FixSize(this, FixedSize());
    // Set once, before the controls: they inherit both.
    FillBackground(this, ToColor(layout::kWindowBackground));
    for (const layout::FontStyle& style : layout::kFonts) {
        fonts_[static_cast<std::size_t>(style.font)] = MakeFont(style.font);
    }
    setFont(fonts_[static_cast<std::size_t>(layout::kWindowFont)]);

    BuildControls();
    WireEvents();
    SetFocusOrder();
    ShowKeys();  // no current box yet: every key disabled
    runCommand_->setFocus();
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
    DrawCaptions(painter, captions_, fonts_, event->region());
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
            case layout::Kind::TextBox: widget = new TextBox(this); break;
            case layout::Kind::Frame: {
                auto* frame = new QFrame(this);
                frame->setFrameShape(QFrame::Box);
                frame->setFrameShadow(QFrame::Sunken);
                widget = frame;
                break;
            }
        }
        Place(widget, control.name, control.at, control.font);
        // A white control shows the window's white through it.
        if (control.kind == layout::Kind::TextBox) {
            ShowColour(widget, control.background);
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
        TextBox*& result = results_[static_cast<std::size_t>(field)];
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
    for (const layout::RowControl& control : layout::kRowControls) {
        if (control.kind != layout::Kind::TextBox) continue;  // the captions are drawn by paintEvent
        const BoxKind kind = control.part == layout::RowPart::InputMoney1 ? BoxKind::Face : BoxKind::Count;
        auto* box = new TextBox(this);
        box->setAccessibleName(RowName(kind == BoxKind::Face ? layout::kFaceBoxName : layout::kCountBoxName, row));
        ShowText(box, sheet_.Box({kind, row}));
        // Boxes in the standard colour keep the system's text-box background.
        if (sheet_.Colour({kind, row}) != ledger::BackColour::Standard) ShowColour(box, sheet_.Colour({kind, row}));
        (kind == BoxKind::Face ? faceBoxes_ : countBoxes_)[static_cast<std::size_t>(row)] = box;
        Place(box, layout::Indexed(control.name, row), layout::RowControlAt(control, row), control.font);
    }
    // Only the box itself shows, on the window's white.
    auto* mark = new QCheckBox(this);
    mark->setAccessibleName(RowName(layout::kFuelMarkName, row));
    Place(mark, layout::Indexed("C1", row), layout::CheckBoxAt(row), layout::kWindowFont);
    fuelMarks_[static_cast<std::size_t>(row)] = mark;
}

void MainWindow::BuildKeypad(QWidget* frame)
{
    for (int key = 0; key <= entry::kKeyCount; ++key) {
        QPushButton* button = MakeButton(frame, layout::KeyCaption(key));
        button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus, caret and selection in the box
        const bool backspace = key == entry::kKeyCount;
        Place(button, backspace ? std::string("Command2") : layout::Indexed("Command3", key), layout::KeyAt(key),
              layout::KeyFont(key));
        (backspace ? backspace_ : keys_[static_cast<std::size_t>(key)]) = button;
    }
    keys_[entry::kPointKey]->setAccessibleDescription(ToQString(layout::kPointKeyDescription));
    backspace_->setAccessibleDescription(ToQString(layout::kBackspaceDescription));
}

void MainWindow::SetFocusOrder()
{
    QHash<QString, QWidget*> named;  // every control, found in one pass
    for (QWidget* widget : findChildren<QWidget*>()) named.insert(widget->objectName(), widget);
    QWidget* previous = nullptr;
    for (const std::string& name : layout::TabOrderNames()) {
        QWidget* next = named.value(QString::fromStdString(name));
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace window
