// Mouse, keyboard, focus and hover: which face to ask for and which events to raise.

#include "chameleon_button/VirtualKeys.h"
#include "chameleon_button/chameleonButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace chameleon_button {

namespace vk = virtual_keys;
namespace mouse = mouse_buttons;

namespace {

// The mouse buttons the control knows: left, right and middle; any other (the back and forward
// buttons) is 0 and the control ignores it.
std::int16_t ButtonValue(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return mouse::Left;
    case Qt::RightButton:
        return mouse::Right;
    case Qt::MiddleButton:
        return mouse::Middle;
    default:
        return 0;
    }
}

std::int16_t ButtonsHeld(Qt::MouseButtons b) {
    return static_cast<std::int16_t>((b & Qt::LeftButton ? mouse::Left : 0) +
                                     (b & Qt::RightButton ? mouse::Right : 0) +
                                     (b & Qt::MiddleButton ? mouse::Middle : 0));
}

std::int16_t ShiftValue(Qt::KeyboardModifiers m) {
    return static_cast<std::int16_t>((m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) +
                                     (m & Qt::AltModifier ? 4 : 0));
}

// The key's place: the X11 and Wayland platforms report key codes 8 above the evdev codes.
std::uint32_t EvdevCode(const QKeyEvent* e) {
    const std::uint32_t native = e->nativeScanCode();
    return native > 8 ? native - 8 : 0;
}

std::int16_t KeyCode(const QKeyEvent* e) {
    return vk::KeyCodeOf(e->key(), e->modifiers().testFlag(Qt::KeypadModifier), EvdevCode(e));
}

bool IsArrow(std::int16_t key) {
    return key >= vk::Left && key <= vk::Down;
}

std::uint8_t AsByte(std::int16_t v) {
    if (v < 0 || v > 255) throw std::overflow_error("value does not fit a byte");
    return static_cast<std::uint8_t>(v);
}

} // namespace

void chameleonButton::HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    emit MouseDown(button, shift, x, y);
    LastMouseButton = AsByte(button);
    if (button != mouse::Right) PaintButton(FaceDown, false);
}

void chameleonButton::HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    emit MouseMove(button, shift, x, y);
    if (button >= mouse::Right) return; // any button but the left alone is held
    const bool over = IsCursorOverButton();
    if (!over) {
        PaintButton(FaceUp, false);
    } else if (button == 0 && !IsOver) {
        OverTimer.start();
        IsOver = VbTrue;
        PaintButton(FaceUp, true);
        emit MouseOver();
    } else if (button == mouse::Left) {
        IsOver = VbTrue;
        PaintButton(FaceDown, false);
        IsOver = VbFalse;
    }
}

void chameleonButton::HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    emit MouseUp(button, shift, x, y);
    if (button != mouse::Right) PaintButton(FaceUp, false);
}

void chameleonButton::HandleClick() {
    if (LastMouseButton != mouse::Left || !Enabled) return;
    if (CheckBoxBehaviour) Value = ToVBool(!Value);
    PaintButton(FaceUp, true);
    repaint();
    emit Click();
}

void chameleonButton::HandleDoubleClick() {
    if (LastMouseButton != mouse::Left) return;
    HandleMouseDown(mouse::Left, 0, 0, 0);
    // The release of the second press must reach the button; a host that disabled the button in
    // its MouseDown handler has ended that, as a disabled window holds no mouse.
    if (isEnabled()) grabMouse();
}

void chameleonButton::HandleKeyDown(std::int16_t keyCode, std::int16_t shift) {
    emit KeyDown(keyCode, shift);
    LastKeyCode = AsByte(keyCode);
    switch (keyCode) {
    case vk::Space:
        PaintButton(FaceDown, false);
        break;
    case vk::Left:
    case vk::Up:
        MoveFocus(false);
        break;
    case vk::Right:
    case vk::Down:
        MoveFocus(true);
        break;
    default:
        break;
    }
}

void chameleonButton::HandleKeyPress(std::int16_t keyAscii) {
    emit KeyPress(keyAscii);
}

void chameleonButton::HandleKeyUp(std::int16_t keyCode, std::int16_t shift) {
    emit KeyUp(keyCode, shift);
    if (LastKeyCode == vk::Space && keyCode == vk::Space) {
        if (CheckBoxBehaviour) Value = ToVBool(!Value);
        PaintButton(FaceUp, false);
        repaint();
        emit Click();
    }
}

void chameleonButton::HandleAccessKey() {
    LastMouseButton = mouse::Left;
    HandleClick();
}

void chameleonButton::HandleFocus(bool gained) {
    HasFocus = ToVBool(gained);
    PaintButton(LastFaceState, true);
}

void chameleonButton::HandleOverTimer() {
    if (IsCursorOverButton()) return;
    OverTimer.stop();
    IsOver = VbFalse;
    PaintButton(FaceUp, true);
    emit MouseOut();
}

void chameleonButton::MoveFocus(bool next) {
    focusNextPrevChild(next);
}

// ---- Qt's notifications, mapped onto the handlers ----

void chameleonButton::mousePressEvent(QMouseEvent* e) {
    SettleSpaceRelease();
    const std::int16_t button = ButtonValue(e->button());
    if (button == 0) return e->ignore();
    const QPointF p = e->position();
    HandleMouseDown(button, ShiftValue(e->modifiers()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void chameleonButton::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    HandleMouseMove(ButtonsHeld(e->buttons()), ShiftValue(e->modifiers()), static_cast<float>(p.x()),
                    static_cast<float>(p.y()));
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* e) {
    const std::int16_t button = ButtonValue(e->button());
    if (button == 0) return e->ignore();
    const QPointF p = e->position();
    HandleMouseUp(button, ShiftValue(e->modifiers()), static_cast<float>(p.x()), static_cast<float>(p.y()));
    if (releaseEndsDoubleClick_) {
        // The second press of a double click gives no click of its own.
        releaseEndsDoubleClick_ = false;
        releaseMouse();
        return;
    }
    const bool inside =
        rect().contains(p.toPoint()) && (WindowShape.isEmpty() || WindowShape.contains(p.toPoint()));
    if (inside) HandleClick();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt's double click stands in for the second press.
    if (e->button() == Qt::LeftButton && LastMouseButton == mouse::Left) {
        releaseEndsDoubleClick_ = true;
        HandleDoubleClick();
    } else {
        mousePressEvent(e);
    }
}

void chameleonButton::keyPressEvent(QKeyEvent* e) {
    const std::int16_t key = KeyCode(e);
    if (spaceRelease_.pending) {
        // The space bar's press with the timestamp of its release: the key is held and repeats.
        const bool repeat = key == vk::Space && (e->isAutoRepeat() || e->timestamp() == spaceRelease_.time);
        if (repeat) {
            spaceReleaseTimer_.stop();
            spaceRelease_ = {};
        } else {
            SettleSpaceRelease();
        }
    }
    // A key the host has no code for (Compose, a camera button) raises no KeyDown.
    if (key != 0) HandleKeyDown(key, ShiftValue(e->modifiers()));
    // Keys the button does nothing with travel on to the window (Enter, Escape, its shortcuts).
    if (key != vk::Space && !IsArrow(key)) e->ignore();
    // Every character the key types, one UTF-16 unit a KeyPress (a unit past 0x7FFF is negative).
    for (const QChar c : e->text()) HandleKeyPress(static_cast<std::int16_t>(c.unicode()));
}

void chameleonButton::keyReleaseEvent(QKeyEvent* e) {
    SettleSpaceRelease();
    const std::int16_t key = KeyCode(e);
    if (key == 0) return e->ignore();
    if (e->isAutoRepeat()) return;
    if (key == vk::Space && LastKeyCode == vk::Space) {
        // The click waits for the next event: on X11 a held key repeats as a release and a press
        // with the same timestamp, and the repeat flag is not always set.
        spaceRelease_ = {true, e->timestamp(), ShiftValue(e->modifiers())};
        spaceReleaseTimer_.start();
        return;
    }
    HandleKeyUp(key, ShiftValue(e->modifiers()));
}

void chameleonButton::SettleSpaceRelease() {
    spaceReleaseTimer_.stop();
    if (!spaceRelease_.pending) return;
    const std::int16_t shift = spaceRelease_.shift;
    spaceRelease_ = {};
    HandleKeyUp(vk::Space, shift);
}

void chameleonButton::focusInEvent(QFocusEvent*) {
    HandleFocus(true);
}
void chameleonButton::focusOutEvent(QFocusEvent*) {
    SettleSpaceRelease();
    HandleFocus(false);
}

} // namespace chameleon_button
