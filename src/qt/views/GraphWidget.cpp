#include "GraphWidget.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScreen>
#include <algorithm>

#include "Zoom.h"

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

void DrawLine(QPainter& painter, const LineObject& line) {
    QPen pen(QColor(RedOf(line.BorderColor), GreenOf(line.BorderColor), BlueOf(line.BorderColor)));
    pen.setCosmetic(true);  // one pixel wide at any scale, that many more at a zoom
    pen.setWidthF(std::max(1.0, ScreenZoom()));
    painter.setPen(pen);
    painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
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

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

int KeyCodeOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Home:
            return kKeyHome;
        case Qt::Key_End:
            return kKeyEnd;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyReturn;
        case Qt::Key_Space:
            return kKeySpace;
        case Qt::Key_Escape:
            return kKeyEscape;
        default:
            return 0;
    }
}

std::unique_ptr<ImageSurface> GraphWidget::MakeSurface(double widthTwips, double heightTwips) {
    auto surface =
        std::make_unique<ImageSurface>(widthTwips, heightTwips, ScreenDpi(), ScreenPixelRatio());
    surface->SetZoom(ScreenZoom());
    return surface;
}

void GraphWidget::SetZoom(double zoom) {
    if (zoom == surface_->Zoom()) return;
    surface_->SetZoom(zoom);
    updateGeometry();
    if (sizePolicy().horizontalPolicy() == QSizePolicy::Fixed) resize(sizeHint());
    update();
}

GraphWidget::GraphWidget(double widthTwips, double heightTwips, QWidget* parent)
    : GraphWidget(*MakeSurface(widthTwips, heightTwips).release(), parent) {
    own_.reset(surface_);
}

GraphWidget::GraphWidget(ImageSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(&surface) {
    // The model follows the mouse over a graph even when no button is held.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphWidget::SetLines(std::vector<LineObject> lines, std::vector<FocusLine> focusLines) {
    lines_ = std::move(lines);
    focusLines_ = std::move(focusLines);
    update();
}

void GraphWidget::SetKeyHandler(KeyHandler handler) {
    onKey_ = std::move(handler);
    setFocusPolicy(onKey_ ? Qt::StrongFocus : Qt::NoFocus);
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
    // The image's size in logical pixels, whatever its device pixel ratio, at its zoom.
    return surface_->ZoomedSize().toSize();
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A window that draws on itself may hold more than its picture (the report's
    // button strip): the rest is the window's own background.
    if (!QRect(QPoint(0, 0), sizeHint()).contains(rect()))
        painter.fillRect(rect(), palette().window());
    painter.drawImage(QRectF(QPointF(0, 0), surface_->ZoomedSize()), surface_->Image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (hasFocus()) {
        // The keyboard's focus: a frame around the part of the graph in view (the
        // musical canvas is far wider than its view), in the colour of selections,
        // under the lines so that a cursor at the edge stays whole.
        QPen frame(palette().color(QPalette::Highlight));
        frame.setWidth(2);
        frame.setStyle(Qt::DashLine);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(visibleRegion().boundingRect().adjusted(1, 1, -1, -1));
    }
    // Line objects are given in twips, like everything drawn on the surface.
    const double pixelsPerTwip = 1.0 / TwipsPerPixel();
    painter.scale(pixelsPerTwip, pixelsPerTwip);
    for (const LineObject& line : lines_)
        if (line.Visible) DrawLine(painter, line);
    for (const FocusLine& cursor : focusLines_)
        if (cursor.line.Visible && cursor.focused && cursor.focused->hasFocus())
            DrawLine(painter, cursor.line);
}

void GraphWidget::keyPressEvent(QKeyEvent* event) {
    const int key = KeyCodeOf(event->key());
    if (!onKey_ || key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    onKey_(key, ShiftCode(event->modifiers()));
}

// The focus frame and the keyboard cursors come and go with the focus; the pictures
// lying over this one show its cursor too.
void GraphWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void GraphWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
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
