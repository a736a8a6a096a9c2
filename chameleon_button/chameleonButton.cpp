#include "chameleon_button/chameleonButton.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QShortcut>
#include <cmath>
#include <stdexcept>

namespace chameleon_button {

namespace {

// Pointer shapes by their classic numbers: the standard arrow, and the shape of the pointer icon.
enum PointerShape : std::int32_t { PointerArrow = 1, PointerFromIcon = 99 };

} // namespace

chameleonButton::chameleonButton(QWidget* parent, const ButtonAmbient* ambient)
    : QWidget(parent), metrics_(std::make_shared<QtTextMetrics>()),
      ambient_(ambient ? ambient : &RunModeAmbient()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    OverTimer.setInterval(3);
    connect(&OverTimer, &QTimer::timeout, this, [this] { HandleOverTimer(); });
    spaceReleaseTimer_.setSingleShot(true);
    spaceReleaseTimer_.setInterval(30);
    connect(&spaceReleaseTimer_, &QTimer::timeout, this, [this] { SettleSpaceRelease(); });
    InitProperties();
}

chameleonButton::~chameleonButton() {
    // Termination: no painting any more; the shape and the captured background go with the widget.
    PaintEnabled = VbFalse;
    OverTimer.stop();
}

void chameleonButton::SetTextMetrics(std::shared_ptr<const TextMetrics> metrics) {
    metrics_ = std::move(metrics);
    LayoutCaption();
}

void chameleonButton::SetAmbient(const ButtonAmbient* ambient) {
    ambient_ = ambient ? ambient : &RunModeAmbient();
    // An ambient change: the palette of the parent or the system is read afresh.
    ResolvePalette();
    PaintLast();
}

void chameleonButton::InitProperties() {
    Enabled = VbTrue;
    ShowFocusRect = VbTrue;
    UseMaskColor = VbTrue;
    Caption = ambient_->DisplayName();
    SetHostFont(ambient_->Font());
    ButtonType = static_cast<std::int32_t>(ButtonLook::DoubleBevel);
    ColorScheme = static_cast<std::int32_t>(ColourScheme::SchemeSystem);
    ResolvePalette();
    BackColor = BackOver = FaceColor;
    ForeColor = ForeOver = TextColor;
    MaskColor = 0x00C0C0C0;
    LayoutCaption();
}

// ---- Colour properties ----

void chameleonButton::SetBackColor(Colour theCol) {
    BackColor = theCol;
    if (!ambient_->UserMode()) BackOver = theCol;
    ResolvePalette();
    PaintLast();
    Notify("BCOL");
}

void chameleonButton::SetBackOver(Colour theCol) {
    BackOver = theCol;
    ResolvePalette();
    PaintLast();
    Notify("BCOLO");
}

void chameleonButton::SetForeColor(Colour theCol) {
    ForeColor = theCol;
    if (!ambient_->UserMode()) ForeOver = theCol;
    ResolvePalette();
    PaintLast();
    Notify("FCOL");
}

void chameleonButton::SetForeOver(Colour theCol) {
    ForeOver = theCol;
    ResolvePalette();
    PaintLast();
    Notify("FCOLO");
}

void chameleonButton::SetMaskColor(Colour theCol) {
    MaskColor = theCol;
    ResolvePalette();
    PaintLast();
    Notify("MCOL");
}

void chameleonButton::SetColorScheme(std::int32_t newValue) {
    ColorScheme = newValue;
    ResolvePalette();
    PaintUp();
    Notify("COLTYPE");
}

void chameleonButton::SetSoftBevel(VBool newValue) {
    SoftBevel = newValue;
    ResolvePalette();
    PaintLast();
    Notify("SOFT");
}

// ---- Look, caption, state ----

void chameleonButton::SetButtonType(std::int32_t newValue) {
    ButtonType = newValue;
    if (Look() == ButtonLook::FlatEdge && !ambient_->UserMode()) {
        QFont f = font();
        f.setBold(true);
        SetHostFont(f);
    } else if (Look() == ButtonLook::SeeThrough && PaintEnabled) {
        CaptureParentBackground();
    }
    ResizeButton();
    Notify("BTYPE");
}

void chameleonButton::SetCaption(const QString& newValue) {
    Caption = newValue;
    ParseAccessKey();
    LayoutCaption();
    PaintUp();
    Notify("TX");
}

void chameleonButton::SetEnabled(VBool newValue) {
    Enabled = newValue;
    PaintUp();
    syncingEnabled_ = true;
    QWidget::setEnabled(newValue != 0);
    syncingEnabled_ = false;
    Notify("ENAB");
}

void chameleonButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        // A disabled window takes no mouse input, so it cannot keep the mouse either: a hold it
        // kept would swallow every later click of the program.
        releaseEndsDoubleClick_ = false;
        if (mouseGrabber() == this) releaseMouse();
    }
    // The host may also enable the window directly (QWidget::setEnabled): keep the member in step.
    // Only the button's own flag counts: a disabled parent greys the window, not the property.
    const VBool own = ToVBool(!testAttribute(Qt::WA_ForceDisabled));
    if (event->type() == QEvent::EnabledChange && !syncingEnabled_ && own != Enabled) {
        Enabled = own;
        PaintUp();
        Notify("ENAB");
    }
    // A new application or parent palette is a change of the host's ambient colours.
    if (event->type() == QEvent::PaletteChange) {
        ResolvePalette();
        PaintLast();
    }
    QWidget::changeEvent(event);
}

void chameleonButton::SetShowFocusRect(VBool newValue) {
    ShowFocusRect = newValue;
    PaintLast();
    Notify("FOCUSR");
}

void chameleonButton::SetSpecialEffect(std::int32_t newValue) {
    SpecialEffect = newValue;
    PaintLast();
    Notify("FX");
}

void chameleonButton::SetCheckBoxBehaviour(VBool newValue) {
    CheckBoxBehaviour = newValue;
    PaintLast();
    Notify("CHECK");
}

void chameleonButton::SetValue(VBool newValue) {
    Value = newValue;
    if (CheckBoxBehaviour) PaintUp();
    Notify("VALUE");
}

// ---- Font ----

void chameleonButton::SetFont(const QFont& newFont) {
    SetHostFont(newFont);
    LayoutCaption();
    PaintUp();
    Notify("FONT");
}

void chameleonButton::SetHostFont(const QFont& font) {
    // Attributes the given font leaves open come from the font the button shows now.
    QFont own = font.resolve(this->font());
    own.setResolveMask(QFont::AllPropertiesResolved);
    QWidget::setFont(own);
}

std::int32_t chameleonButton::hwnd() const {
    // Window handles are 32-bit values; a wider identifier keeps its low 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(internalWinId()));
}

void chameleonButton::SetFontBold(VBool newValue) {
    QFont f = font();
    f.setBold(newValue != 0);
    SetHostFont(f);
    LayoutCaption();
    PaintUp();
}

void chameleonButton::SetFontItalic(VBool newValue) {
    QFont f = font();
    f.setItalic(newValue != 0);
    SetHostFont(f);
    LayoutCaption();
    PaintUp();
}

void chameleonButton::SetFontUnderline(VBool newValue) {
    QFont f = font();
    f.setUnderline(newValue != 0);
    SetHostFont(f);
    LayoutCaption();
    PaintUp();
}

void chameleonButton::SetFontSize(std::int16_t newValue) {
    QFont f = font();
    f.setPointSizeF(newValue);
    SetHostFont(f);
    LayoutCaption();
    PaintUp();
}

std::int16_t chameleonButton::FontSize() const {
    return static_cast<std::int16_t>(std::nearbyint(font().pointSizeF()));
}

void chameleonButton::SetFontName(const QString& newValue) {
    QFont f = font();
    f.setFamily(newValue);
    SetHostFont(f);
    LayoutCaption();
    PaintUp();
}

// ---- Pointer ----

void chameleonButton::SetMousePointer(std::int32_t newPointer) {
    if (newPointer < -32768 || newPointer > 32767)
        throw std::overflow_error("mouse pointer out of 16-bit range");
    mousePointer_ = newPointer;
    ApplyPointer();
    Notify("MPTR");
}

void chameleonButton::SetMouseIcon(const PictureRef& newIcon) {
    mouseIcon_ = newIcon;
    ApplyPointer();
    Notify("MICON");
}

void chameleonButton::SetHandPointer(VBool newVal) {
    HandPointer = newVal;
    if (newVal) {
        mouseIcon_.reset(); // the hand is the platform's own pointing-hand cursor
        mousePointer_ = PointerFromIcon;
    } else {
        mouseIcon_.reset();
        mousePointer_ = PointerArrow;
    }
    ApplyPointer();
    Notify("HAND");
}

void chameleonButton::ApplyPointer() {
    // Pointer shapes by their classic numbers, mapped to the nearest Qt cursor.
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (mousePointer_) {
    case 2:
        shape = Qt::CrossCursor;
        break;
    case 3:
        shape = Qt::IBeamCursor;
        break;
    case 5:
        shape = Qt::SizeAllCursor;
        break;
    case 6:
        shape = Qt::SizeBDiagCursor;
        break;
    case 7:
        shape = Qt::SizeVerCursor;
        break;
    case 8:
        shape = Qt::SizeFDiagCursor;
        break;
    case 9:
        shape = Qt::SizeHorCursor;
        break;
    case 10:
        shape = Qt::UpArrowCursor;
        break;
    case 11:
        shape = Qt::WaitCursor;
        break;
    case 12:
        shape = Qt::ForbiddenCursor;
        break;
    case 13:
        shape = Qt::BusyCursor;
        break;
    case 14:
        shape = Qt::WhatsThisCursor;
        break;
    case 15:
        shape = Qt::SizeAllCursor;
        break;
    case PointerFromIcon:
        shape = Qt::PointingHandCursor;
        break;
    default:
        break;
    }
    if (mousePointer_ == PointerFromIcon && mouseIcon_ && !mouseIcon_->image.isNull())
        setCursor(QCursor(QPixmap::fromImage(mouseIcon_->image)));
    else
        setCursor(QCursor(shape));
}

// ---- Pictures ----

void chameleonButton::SetPictureNormal(const PictureRef& newPic) {
    PictureNormal = newPic;
    MeasurePicture();
    LayoutCaption();
    PaintLast();
    Notify("PICN");
}

void chameleonButton::SetPictureOver(const PictureRef& newPic) {
    PictureOver = newPic;
    if (IsOver) PaintLast();
    Notify("PICO");
}

void chameleonButton::SetPicturePosition(std::int32_t newPicPos) {
    PicturePosition = newPicPos;
    Notify("PICPOS");
    LayoutCaption();
    PaintLast();
}

void chameleonButton::SetUseMaskColor(VBool newValue) {
    UseMaskColor = newValue;
    if (PictureNormal) PaintLast();
    Notify("UMCOL");
}

void chameleonButton::SetUseGreyscale(VBool newValue) {
    UseGreyscale = newValue;
    if (PictureNormal) PaintLast();
    Notify("NGREY");
}

// ---- Methods ----

void chameleonButton::Refresh() {
    if (Look() == ButtonLook::SeeThrough) CaptureParentBackground();
    ResolvePalette();
    LayoutCaption();
    PaintEnabled = VbTrue;
    PaintLast();
}

void chameleonButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, face_.Image());
}

} // namespace chameleon_button
