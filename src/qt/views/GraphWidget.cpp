#include "GraphWidget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScreen>

namespace quorbel {

namespace {

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

double ScreenPixelRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// The button codes the model expects: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

Qt::CursorShape CursorFor(int pointer) {
    switch (pointer) {
        case kPointerUpArrow:
            return Qt::UpArrowCursor;
        case kPointerHourglass:
            return Qt::WaitCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

GraphWidget::GraphWidget(double widthTwips, double heightTwips, QWidget* parent)
    : QWidget(parent), surface_(widthTwips, heightTwips, ScreenDpi(), ScreenPixelRatio()) {
    // The model follows the mouse over a graph even when no button is held.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphWidget::SetLines(std::vector<LineObject> lines) {
    lines_ = std::move(lines);
    update();
}

void GraphWidget::SetMousePointer(int pointer) {
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    if (pointer == kPointerDefault)
        unsetCursor();
    else
        setCursor(CursorFor(pointer));
}

QSize GraphWidget::sizeHint() const {
    // The image's size in logical pixels, whatever its device pixel ratio.
    return surface_.Image().deviceIndependentSize().toSize();
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_.Image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Line objects are given in twips, like everything drawn on the surface.
    const double pixelsPerTwip = 1.0 / TwipsPerPixel();
    painter.scale(pixelsPerTwip, pixelsPerTwip);
    for (const LineObject& line : lines_) {
        if (!line.Visible) continue;
        QPen pen(
            QColor(RedOf(line.BorderColor), GreenOf(line.BorderColor), BlueOf(line.BorderColor)));
        pen.setCosmetic(true);  // one pixel wide at any scale
        pen.setWidth(1);
        painter.setPen(pen);
        painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
    }
}

void GraphWidget::Forward(const MouseHandler& handler, int button, const QMouseEvent& event) const {
    const QPointF p = event.position();
    handler(button, ShiftCode(event.modifiers()), p.x() * TwipsPerPixel(), p.y() * TwipsPerPixel());
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    // The area is a control of its own: a move over it is never a move over the
    // window behind it, whether or not anyone listens.
    event->accept();
    if (onMove_) Forward(onMove_, ButtonCode(event->buttons()), *event);
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (onDown_) Forward(onDown_, ButtonCode(event->button()), *event);
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (onUp_) Forward(onUp_, ButtonCode(event->button()), *event);
}

}  // namespace quorbel
