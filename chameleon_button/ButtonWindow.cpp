// The button's window: size bookkeeping, shape, showing and hiding, and the parent's background.

#include "chameleon_button/chameleonButton.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

namespace chameleon_button {

void chameleonButton::ResizeButton() {
    if (InCapture) return; // the capture changes the height twice; neither change is a resize
    ClientWidth = width();
    ClientHeight = height();
    const InnerRectangle inner = InnerRectFor(ButtonType, ClientWidth, ClientHeight);
    InnerRect = {inner.left, inner.top, inner.right, inner.bottom};
    if (face_.Width() != ClientWidth || face_.Height() != ClientHeight)
        face_.Resize(ClientWidth, ClientHeight);
    LayoutCaption();
    WindowShape = BuildWindowShape(ButtonType, ClientWidth, ClientHeight);
    // Qt takes an empty mask for no mask at all; a shape that kept no pixel becomes a mask lying
    // wholly outside the window, so that the button shows nothing and takes no mouse input.
    setMask(WindowShape.isEmpty() && ClientWidth > 0 && ClientHeight > 0 ? QRegion(-1, -1, 1, 1)
                                                                         : WindowShape);
    if (ClientHeight != 0) PaintButton(FaceUp, true);
}

void chameleonButton::resizeEvent(QResizeEvent*) {
    ResizeButton();
}

void chameleonButton::ShowButton() {
    if (Look() == ButtonLook::SeeThrough) {
        if (!HasBackDC) {
            BackDC.Resize(ClientWidth, ClientHeight);
            HasBackDC = true;
        }
        CaptureParentBackground();
    }
    PaintEnabled = VbTrue;
    ResolvePalette();
    PaintButton(FaceUp, true);
}

void chameleonButton::showEvent(QShowEvent*) {
    if (InCapture) return;
    if (ClientWidth != width() || ClientHeight != height()) ResizeButton();
    ShowButton();
}

void chameleonButton::hideEvent(QHideEvent*) {
    if (!InCapture) PaintEnabled = VbFalse;
}

void chameleonButton::CaptureParentBackground() {
    QWidget* parent = parentWidget();
    if (!parent || !HasBackDC) return;
    InCapture = VbTrue;
    // Take the button out of the picture by giving it no height (it keeps its focus and its
    // place), let pending events run so the parent repaints, then copy what lies behind it.
    const QRect place = geometry();
    resize(place.width(), 0);
    QApplication::processEvents();
    const QImage behind = parent->grab(QRect(place.topLeft(), QSize(ClientWidth, ClientHeight))).toImage();
    if (!behind.isNull()) {
        QPainter painter(&BackDC.Image());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, behind);
    }
    resize(place.width(), ClientHeight);
    InCapture = VbFalse;
}

bool chameleonButton::IsCursorOverButton() const {
    // The window under the cursor is the topmost visible and enabled one: a disabled window gives
    // the point to the window that holds it.
    QWidget* under = QApplication::widgetAt(QCursor::pos());
    while (under && !under->isEnabled()) under = under->parentWidget();
    return under == this;
}

} // namespace chameleon_button
