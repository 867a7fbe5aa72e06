// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window is built: its controls from the layout tables, the captions and lines it draws itself, its
// icon, size and Tab order. What the controls do is in window_events.cpp.
#include "window/main_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResource>

#include <cmath>
#include <variant>

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
    setObjectName(ToQString(layout::kWindowName));
    setWindowTitle(ToQString(layout::kWindowTitle));
    // From raw pixels, read in place: QIcon(path) would scan for icon-engine
    // plugins at start-up, and decoding a PNG for image-format plugins. A
    // square of RGBA pixels, its side as resources/ draws it.
    const QResource icon(QStringLiteral(":/icons/app_icon.rgba"));
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(icon.size()) / 4)));
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(icon.data(), side, side, QImage::Format_RGBA8888))));
    FixSize(this, FixedSize());
    // Set once, before the controls: they inherit both. A window always fills its background; the labels, check
    // boxes and the frame fill none of their own, and show it through.
    QPalette white = palette();
    white.setColor(QPalette::Window, ToColor(layout::kWindowBackground));
    setPalette(white);
    for (const layout::FontStyle& style : layout::kFonts) {
        fonts_[static_cast<std::size_t>(style.font)] = MakeFont(style.font);
    }
    setFont(fonts_[static_cast<std::size_t>(layout::kWindowFont)]);

    BuildControls();
    WireEvents();
    SetFocusOrder();
    ShowKeys();                                      // no current box yet: every key disabled
    Widget(layout::TabOrder().front())->setFocus();  // RunCommand
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
    for (const layout::Control& control : layout::kControls) {
        if (control.kind == layout::Kind::Caption || control.kind == layout::Kind::Line) continue;  // paintEvent's
        QWidget* widget = BuildControl(control);
        Place(widget, control.name, control.at, control.font);
        if (control.kind == layout::Kind::TextBox) ShowColour(widget, control.background);
        if (!control.accessibleName.empty()) widget->setAccessibleName(ToQString(control.accessibleName));
    }
    for (int row = 0; row < ledger::kRowCount; ++row) BuildRow(row);
}

// A single control, kept by what it is bound to.
QWidget* MainWindow::BuildControl(const layout::Control& control)
{
    switch (control.kind) {
        case layout::Kind::Label: return label9_ = MakeLabel(this, control.text);
        case layout::Kind::Button: {
            const auto operation = std::get<layout::Operation>(control.binds);
            return buttons_[static_cast<std::size_t>(operation)] = MakeButton(this, control.text);
        }
        case layout::Kind::TextBox: {
            const auto field = std::get<ledger::ResultField>(control.binds);
            auto* result = results_[static_cast<std::size_t>(field)] = new TextBox(this);
            ShowText(result, {sheet_.Result(field)});
            return result;
        }
        case layout::Kind::Frame: {
            auto* frame = new QFrame(this);
            frame->setFrameShape(QFrame::Box);
            frame->setFrameShadow(QFrame::Sunken);
            BuildKeypad(frame);
            return frame;
        }
        case layout::Kind::Caption:
        case layout::Kind::Line: break;
    }
    return nullptr;
}

void MainWindow::BuildRow(int row)
{
    for (const layout::RowControl& control : layout::kRowControls) {
        if (!control.box) continue;  // the captions are drawn by paintEvent
        const ledger::BoxId id{*control.box, row};
        auto* box = new TextBox(this);
        box->setAccessibleName(RowName(id.kind == BoxKind::Face ? layout::kFaceBoxName : layout::kCountBoxName, row));
        ShowText(box, sheet_.Box(id));
        // Boxes in the standard colour keep the system's text-box background.
        if (sheet_.Colour(id) != ledger::BackColour::Standard) ShowColour(box, sheet_.Colour(id));
        (id.kind == BoxKind::Face ? faceBoxes_ : countBoxes_)[static_cast<std::size_t>(row)] = box;
        Place(box, layout::ObjectName(id), layout::RowControlAt(control, row), control.font);
    }
    // Only the box itself shows, on the window's white.
    auto* mark = new QCheckBox(this);
    mark->setAccessibleName(RowName(layout::kFuelMarkName, row));
    Place(mark, layout::ObjectName(layout::FuelMark{row}), layout::CheckBoxAt(row), layout::kWindowFont);
    fuelMarks_[static_cast<std::size_t>(row)] = mark;
}

void MainWindow::BuildKeypad(QWidget* frame)
{
    for (int key = 0; key <= layout::kBackspaceKey; ++key) {
        QPushButton* button = keys_[static_cast<std::size_t>(key)] = MakeButton(frame, layout::KeyCaption(key));
        button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus, caret and selection in the box
        Place(button, layout::ObjectName(layout::Key{key}), layout::KeyAt(key), layout::KeyFont(key));
    }
    Command3(entry::kPointKey)->setAccessibleDescription(ToQString(layout::kPointKeyDescription));
    Command2()->setAccessibleDescription(ToQString(layout::kBackspaceDescription));
}

void MainWindow::SetFocusOrder()
{
    QWidget* previous = nullptr;
    for (const layout::Binding& stop : layout::TabOrder()) {
        QWidget* next = Widget(stop);
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
}

QWidget* MainWindow::Widget(const layout::Binding& binding) const
{
    return std::visit(layout::ForEachKind{
                          [this](ledger::BoxId box) -> QWidget* { return BoxWidget(box); },
                          [this](layout::FuelMark mark) -> QWidget* { return C1(mark.row); },
                          [this](layout::Key key) -> QWidget* { return keys_.at(static_cast<std::size_t>(key.index)); },
                          [this](ledger::ResultField field) -> QWidget* { return Result(field); },
                          [this](layout::Operation operation) -> QWidget* { return Button(operation); },
                          [](std::monostate) -> QWidget* { throw std::invalid_argument("nothing binds no control"); }},
                      binding);
}

}  // namespace window
