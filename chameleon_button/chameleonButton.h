#pragma once
// A self-drawn push button with fifteen looks, four colour schemes, hover tracking, pictures, caption
// effects, a check-box mode and stored settings. It knows nothing of the window that hosts it: the
// host uses its Click event and its Enabled property.
//
// Booleans are 16-bit with True = -1. Every change of the face goes through PaintButton, which hands
// the painting (paint/) one PaintRequest with what it reads and keeps what the pass leaves; the
// painting draws into Face() and never touches the widget. paintEvent only copies that image.

#include "chameleon_button/ButtonAmbient.h"
#include "chameleon_button/ButtonValues.h"
#include "chameleon_button/CaptionLayout.h"
#include "chameleon_button/ColorArithmetic.h"
#include "chameleon_button/Palette.h"
#include "chameleon_button/Picture.h"
#include "chameleon_button/PropertyBag.h"
#include "chameleon_button/TextMetrics.h"
#include "chameleon_button/WindowShape.h"
#include "chameleon_button/paint/PaintRequest.h"
#include "chameleon_button/paint/Surface.h"

#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

class QShortcut;

namespace chameleon_button {

class chameleonButton : public QWidget {
    Q_OBJECT

  public:
    explicit chameleonButton(QWidget* parent = nullptr, const ButtonAmbient* ambient = nullptr);
    ~chameleonButton() override;

    // ---- Members, in declaration order ----
    std::int32_t ButtonType = 0;
    std::int32_t ColorScheme = 0;
    std::int32_t PicturePosition = 0;
    std::int32_t SpecialEffect = 0;
    std::int32_t ClientHeight = 0;
    std::int32_t ClientWidth = 0;
    Colour BackColor = 0, BackOver = 0, ForeColor = 0, ForeOver = 0, MaskColor = 0;
    Colour SelectionColor = 0, SelectionTintColor = 0;
    VBool UseMaskColor = VbFalse, UseGreyscale = VbFalse, HandPointer = VbFalse;
    PictureRef PictureNormal, PictureOver;
    paint::Surface BackDC; // the captured parent background; empty until a see-through Show
    bool HasBackDC = false;
    QString Caption;
    ButtonRect CaptionRect, CaptionRectDown;
    ButtonRect InnerRect;
    std::int32_t CaptionWidth = 0, CaptionHeight = 0;
    std::int32_t PictureLeft = 0, PictureTop = 0, PictureWidth = 0, PictureHeight = 0;
    QRegion WindowShape;
    std::uint8_t LastMouseButton = 0;
    std::uint8_t LastKeyCode = 0;
    VBool Enabled = VbFalse, SoftBevel = VbFalse;
    VBool HasFocus = VbFalse;
    VBool ShowFocusRect = VbFalse;
    Colour FaceColor = 0, LightColor = 0, HighlightColor = 0, ShadowColor = 0, DarkShadowColor = 0,
           TextColor = 0, TextOverColor = 0, FaceOverColor = 0, MaskColorValue = 0, FaceBrightColor = 0;
    std::uint8_t LastFaceState = 0;
    QString LastCaption;
    VBool PaintEnabled = VbTrue;
    VBool IsOver = VbFalse;
    VBool InCapture = VbFalse;
    std::uint8_t LastCaptionState = 0;
    VBool CheckBoxBehaviour = VbFalse, Value = VbFalse;

    // ---- Property setters (reading is the member, or the host's value below) ----
    void SetBackColor(Colour theCol);
    void SetBackOver(Colour theCol);
    void SetForeColor(Colour theCol);
    void SetForeOver(Colour theCol);
    void SetMaskColor(Colour theCol);
    void SetButtonType(std::int32_t newValue);
    void SetCaption(const QString& newValue);
    void setCaption(const QString& newValue) { SetCaption(newValue); }
    void SetEnabled(VBool newValue);
    void SetFont(const QFont& newFont);
    void SetFontBold(VBool newValue);
    void SetFontItalic(VBool newValue);
    void SetFontUnderline(VBool newValue);
    void SetFontSize(std::int16_t newValue);
    void SetFontName(const QString& newValue);
    void SetColorScheme(std::int32_t newValue);
    void SetShowFocusRect(VBool newValue);
    void SetMousePointer(std::int32_t newPointer); // throws std::overflow_error outside 16 bits
    void SetMouseIcon(const PictureRef& newIcon);
    void SetHandPointer(VBool newVal);
    void SetSoftBevel(VBool newValue);
    void SetPictureNormal(const PictureRef& newPic);
    void SetPictureOver(const PictureRef& newPic);
    void SetPicturePosition(std::int32_t newPicPos);
    void SetUseMaskColor(VBool newValue);
    void SetUseGreyscale(VBool newValue);
    void SetSpecialEffect(std::int32_t newValue);
    void SetCheckBoxBehaviour(VBool newValue);
    void SetValue(VBool newValue);

    VBool FontBold() const { return ToVBool(font().bold()); }
    VBool FontItalic() const { return ToVBool(font().italic()); }
    VBool FontUnderline() const { return ToVBool(font().underline()); }
    std::int16_t FontSize() const;
    QString FontName() const { return font().family(); }
    std::int32_t MousePointer() const { return mousePointer_; }
    PictureRef MouseIcon() const { return mouseIcon_; }
    static QString Version() { return QStringLiteral("2.0.6 B"); }
    // The handle of the button's native window, or 0 while it has none (a child drawn inside its
    // parent's window). Asking never creates a native window.
    std::int32_t hwnd() const;

    // ---- Methods ----
    void DisableRefresh() { PaintEnabled = VbFalse; }
    void Refresh();

    // ---- Stored settings ----
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // ---- The enumerated properties by name (values without a name come back unchanged) ----
    ButtonLook Look() const { return static_cast<ButtonLook>(ButtonType); }
    ColourScheme Scheme() const { return static_cast<ColourScheme>(ColorScheme); }
    PicturePlace Placement() const { return static_cast<PicturePlace>(PicturePosition); }
    TextEffect Effect() const { return static_cast<TextEffect>(SpecialEffect); }

    // ---- Colours, layout, shape ----
    void ResolvePalette();
    ButtonPalette Palette() const; // the palette slots
    void LayoutCaption();
    void ParseAccessKey();
    QString AccessKeys() const { return accessKeys_; }
    void MeasurePicture();
    void PlacePicture();
    void ResizeButton(); // the Resize procedure: sizes, inner rectangle, layout, shape, paint
    void ShowButton();   // the Show procedure
    void CaptureParentBackground();
    bool DisplayAsDefault() const { return ambient_->DisplayAsDefault(); }
    bool IsCursorOverButton() const;

    // ---- Painting ----
    // Repaints the face in state (FaceUp or FaceDown) when forced or when the state or caption
    // changed, unless painting is disabled or the height is 0.
    void PaintButton(std::uint8_t state, bool force);
    // What the painting of the face in LastFaceState reads: the members, the palette of the pass
    // (derived from BackOver under the mouse with custom colours) and, for the default GlossGradient's
    // up face, the caption laid out in bold.
    paint::PaintRequest FaceRequest() const;
    // The painting passes so far, for tests and benchmarks that need to see whether a change painted.
    std::uint32_t PaintPasses = 0;
    paint::Surface& Face() { return face_; }
    const paint::Surface& Face() const { return face_; }

    // ---- Services, replaceable in tests ----
    void SetTextMetrics(std::shared_ptr<const TextMetrics> metrics);
    const TextMetrics& Metrics() const { return *metrics_; }
    void SetAmbient(const ButtonAmbient* ambient);
    QTimer OverTimer;

  signals:
    void Click();
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void KeyPress(std::int16_t& KeyAscii);
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void MouseOver();
    void MouseOut();
    // The stored settings need saving: the key of the property that changed.
    void PropertyChanged(const QString& key);

  public:
    // ---- Input handlers, one per host notification ----
    void HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void HandleClick();
    void HandleDoubleClick();
    void HandleKeyDown(std::int16_t keyCode, std::int16_t shift);
    void HandleKeyPress(std::int16_t keyAscii);
    void HandleKeyUp(std::int16_t keyCode, std::int16_t shift);
    void HandleAccessKey();
    void HandleFocus(bool gained);
    void HandleOverTimer();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Notify(const char* key) { emit PropertyChanged(QString::fromLatin1(key)); }
    void PaintLast() { PaintButton(LastFaceState, true); }
    void PaintUp() { PaintButton(FaceUp, true); }
    void ApplyPointer();
    // The host font := font, every attribute the button's own: a later font change of the parent
    // or the application leaves the caption's font alone.
    void SetHostFont(const QFont& font);
    void MoveFocus(bool next);
    PaletteSource PaletteSourceNow() const;
    CaptionRoom CaptionRoomNow() const;
    // Under the mouse, custom colours derive the whole palette of a face from BackOver.
    bool HoverColours() const { return IsOver && Scheme() == ColourScheme::SchemeFromProperties; }

    paint::Surface face_;
    std::shared_ptr<const TextMetrics> metrics_;
    const ButtonAmbient* ambient_;
    std::int32_t mousePointer_ = 0;
    PictureRef mouseIcon_;
    QString accessKeys_;
    QShortcut* accessShortcut_ = nullptr;
    bool releaseEndsDoubleClick_ = false;
    // A release of the space bar that may still turn out to be an auto-repeat; settled by the next
    // key, mouse or focus event, or by spaceReleaseTimer_.
    struct SpaceRelease {
        bool pending = false;
        std::uint64_t time = 0;
        std::int16_t shift = 0;
    } spaceRelease_;
    QTimer spaceReleaseTimer_;
    void SettleSpaceRelease();
    bool syncingEnabled_ = false;
};

} // namespace chameleon_button
