// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

#include "window/captions.h"
#include "window/main_window.h"

namespace window {
namespace {

// One caption, as a label with no object behind it.
class CaptionInterface : public QAccessibleInterface {
public:
    CaptionInterface(MainWindow* window, std::size_t index) : window_(window), index_(index) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !window_ || !window_->isVisible();
        return state;
    }
    QString text(QAccessible::Text what) const override
    {
        return window_ && what == QAccessible::Name ? Caption().text.text() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!window_) return {};
        return {window_->mapToGlobal(Caption().at.topLeft()), Caption().at.size()};
    }

private:
    const window::Caption& Caption() const { return window_->Captions()[index_]; }

    QPointer<MainWindow> window_;
    std::size_t index_;
};

// The window: its widgets, then its captions.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(MainWindow* window) : QAccessibleWidget(window, QAccessible::Window), window_(window) {}
    ~WindowInterface() override
    {
        for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }
    WindowInterface(const WindowInterface&) = delete;
    WindowInterface& operator=(const WindowInterface&) = delete;

    int childCount() const override { return Widgets() + static_cast<int>(window_->Captions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < Widgets()) return QAccessibleWidget::child(index);
        const auto caption = static_cast<std::size_t>(index - Widgets());
        if (caption >= window_->Captions().size()) return nullptr;
        if (ids_.empty()) {  // made when first asked for, as the widgets' are
            for (std::size_t i = 0; i < window_->Captions().size(); ++i) {
                ids_.push_back(QAccessible::registerAccessibleInterface(new CaptionInterface(window_, i)));
            }
        }
        return QAccessible::accessibleInterface(ids_[caption]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < ids_.size(); ++i) {
            if (QAccessible::accessibleInterface(ids_[i]) == child) return Widgets() + static_cast<int>(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    int Widgets() const { return QAccessibleWidget::childCount(); }

    MainWindow* window_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object)
{
    auto* window = qobject_cast<MainWindow*>(object);
    return window != nullptr ? new WindowInterface(window) : nullptr;
}

}  // namespace

void InstallWindowAccessibility()
{
    QAccessible::installFactory(MakeInterface);
}

}  // namespace window
