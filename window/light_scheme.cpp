// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/light_scheme.h"

#include <QApplication>
#include <QPalette>

#include <array>

namespace window {
namespace {

struct Role {
    QPalette::ColorRole role;
    QRgb active;
    QRgb disabled;  // dark enough to read on the button face (about 5:1)
};

// The standard light scheme: black text, white text boxes, a light grey
// button face.
constexpr std::array kLightScheme{
    Role{QPalette::Window, 0xefefef, 0xefefef},      Role{QPalette::WindowText, 0x000000, 0x666666},
    Role{QPalette::Base, 0xffffff, 0xefefef},        Role{QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    Role{QPalette::Text, 0x000000, 0x666666},        Role{QPalette::PlaceholderText, 0x666666, 0x666666},
    Role{QPalette::Button, 0xefefef, 0xefefef},      Role{QPalette::ButtonText, 0x000000, 0x666666},
    Role{QPalette::BrightText, 0xffffff, 0xffffff},  Role{QPalette::Light, 0xffffff, 0xffffff},
    Role{QPalette::Midlight, 0xcacaca, 0xcacaca},    Role{QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    Role{QPalette::Dark, 0x9f9f9f, 0x9f9f9f},        Role{QPalette::Shadow, 0x767676, 0x767676},
    Role{QPalette::Highlight, 0x308cc6, 0x919191},   Role{QPalette::HighlightedText, 0xffffff, 0xffffff},
    Role{QPalette::Link, 0x0000ff, 0x0000ff},        Role{QPalette::LinkVisited, 0xff00ff, 0xff00ff},
    Role{QPalette::ToolTipBase, 0xffffdc, 0xffffdc}, Role{QPalette::ToolTipText, 0x000000, 0x000000},
};

// Platform themes also give widget classes palettes of their own, which the
// application palette does not replace; these are the classes it uses.
constexpr std::array kThemedClasses{"QAbstractButton",  "QCheckBox", "QLabel",      "QLineEdit",
                                    "QMessageBoxLabel", "QTextEdit", "QTextControl"};

}  // namespace

void InstallLightScheme()
{
    QPalette palette;
    for (const Role& role : kLightScheme) {
        palette.setColor(QPalette::Active, role.role, QColor(role.active));
        palette.setColor(QPalette::Inactive, role.role, QColor(role.active));
        palette.setColor(QPalette::Disabled, role.role, QColor(role.disabled));
    }
    QApplication::setPalette(palette);
    for (const char* name : kThemedClasses) QApplication::setPalette(palette, name);
}

}  // namespace window
