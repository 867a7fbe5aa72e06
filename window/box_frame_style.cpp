// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/box_frame_style.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>

namespace window {

void BoxFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    // Fusion draws a panel from nothing but these. Native themes (Windows),
    // and styles that animate their frames, draw differently into a pixmap.
    const auto* panel = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || panel == nullptr ||
        baseStyle()->objectName() != QLatin1String("fusion")) {  // the lower-case key QStyleFactory made it from
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    QString key = QStringLiteral("box panel %1x%2@%3 %4 %5 %6")
                      .arg(panel->rect.width())
                      .arg(panel->rect.height())
                      .arg(ratio)
                      .arg(int(panel->state))
                      .arg(panel->lineWidth)
                      .arg(int(panel->features));
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Highlight, QPalette::Button,
                                           QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Shadow}) {
        key += QLatin1Char(' ') + QString::number(panel->palette.color(role).rgba(), 16);
    }
    QPixmap drawn;
    if (!QPixmapCache::find(key, &drawn)) {
        drawn = QPixmap(panel->rect.size() * ratio);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *panel;
        atOrigin.rect.moveTo(0, 0);
        QPainter onto(&drawn);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onto, widget);
        onto.end();
        QPixmapCache::insert(key, drawn);
    }
    painter->drawPixmap(panel->rect.topLeft(), drawn);
}

}  // namespace window
