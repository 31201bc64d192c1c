#include "Zoom.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "surface/Fonts.h"

namespace quorbel {

namespace {

constexpr const char* kBaseFont = "quorbelFontAt100";

double zoom = 1;
std::optional<QFont> applicationFont;  // at 100 %

QFont Zoomed(QFont font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
    font.setPointSizeF(points * zoom);
    return font;
}

}  // namespace

double ScreenZoom() {
    return zoom;
}

void SetScreenZoom(double value) {
    if (!(value > 0)) return;
    zoom = value;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (!applicationFont) applicationFont = QApplication::font();
    QApplication::setFont(Zoomed(*applicationFont));
}

void SetZoomedFont(QWidget* widget, const FontState& state) {
    const QFont font = MakeFont(state);
    widget->setProperty(kBaseFont, font);
    widget->setFont(Zoomed(font));
}

void RezoomFonts(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QVariant base = widget->property(kBaseFont);
        if (base.isValid()) widget->setFont(Zoomed(base.value<QFont>()));
    }
}

}  // namespace quorbel
