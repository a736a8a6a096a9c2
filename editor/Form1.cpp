#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/EditorPictures.h"
#include "editor/TypingLimit.h"
#include "rom/Vocabularies.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QIcon>

namespace editor {
namespace {

QFont WindowFont(bool bold = false) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

// A context menu opening, a switch to another program or to the menu bar leaves the field the focused
// control of the window: only a move of the focus to another control is a loss of focus.
bool MovesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Form1::Form1(const QString& programDir, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(WindowCaption);
    setFixedSize(465, 225);
    setFont(WindowFont());
    CreateControls();
    CreateButtons();
    CreateRecordControls();
    CreateSaveCommands();
    CreateLayoutControls(); // after every other control in the tab order
    // Under the window's style sheet a control without a font of its own would be polished to the
    // application's font: each takes the window's.
    for (QWidget* control : findChildren<QWidget*>())
        if (!control->testAttribute(Qt::WA_SetFont)) control->setFont(font());
    // Window load: the icon comes from the hidden picture holder.
    setWindowIcon(QIcon(Picture1->pixmap()));
}

void Form1::CreateControls() {
    // Classic frames: a thin border whose caption interrupts its top edge.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " top: 0px; padding: 0 1px; }"));

    List1 = Named(new QListWidget(this), "List1");
    List1->setGeometry(8, 8, 217, 160);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    // The list's click notification comes on every click: a click on the row that was selected
    // already shows its move again, read from the file, as a click on another row does through the
    // change of the current row.
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (List1->row(item) == rowAtPress_) List1_Click();
    });

    Label1 = Named(new QLabel(QStringLiteral("Name:"), this), "Label1");
    Label1->setGeometry(240, 8, 49, 17);

    txtNewName = Named(new QLineEdit(this), "txtNewName");
    txtNewName->setGeometry(280, 8, 137, 19);
    txtNewName->setFont(WindowFont(true));
    txtNewName->setValidator(new TypingLimit(12, txtNewName));
    txtNewName->setEnabled(false);

    const auto frame = [this](const char* name, const char* caption, int x, int y, int w) {
        QGroupBox* box = Named(new QGroupBox(QString::fromUtf8(caption), this), name);
        box->setGeometry(x, y, w, 41);
        return box;
    };
    Frame5 = frame("Frame5", "PP", 240, 32, 49);
    txtPP = CreateFieldInFrame(Frame5, "txtPP", 2);
    Frame6 = frame("Frame6", "Target", 296, 32, 161);
    cmbTarget = CreateListInFrame(Frame6, "cmbTarget", 145, rom::TargetNames());
    Frame1 = frame("Frame1", "Power", 240, 80, 49);
    txtPower = CreateFieldInFrame(Frame1, "txtPower", 3);
    Frame3 = frame("Frame3", "Effect", 296, 80, 161);
    cmbEffect = CreateListInFrame(Frame3, "cmbEffect", 145, rom::EffectNames());
    Frame7 = frame("Frame7", "Eff. %", 240, 128, 49);
    txtEff = CreateFieldInFrame(Frame7, "txtEff", 3);
    Frame4 = frame("Frame4", "Acc", 296, 128, 49);
    txtAcc = CreateFieldInFrame(Frame4, "txtAcc", 3);
    Frame2 = frame("Frame2", "Type", 352, 128, 105);
    cmbType = CreateListInFrame(Frame2, "cmbType", 89, rom::TypeNames());

    txtStart = CreateHiddenField("txtStart", "2388129");
    txtLength = CreateHiddenField("txtLength", "13");
    txtNumber = CreateHiddenField("txtNumber", "353");
    txtDataOffset = CreateHiddenField("txtDataOffset", "2427908");
    txtDataLength = CreateHiddenField("txtDataLength", "12");

    Picture1 = Named(new QLabel(this), "Picture1");
    Picture1->setPixmap(QPixmap::fromImage(WindowIconPicture()));
    Picture1->setVisible(false);
}

QLineEdit* Form1::CreateFieldInFrame(QGroupBox* frame, const char* name, int typingLimit) {
    QLineEdit* field = Named(new QLineEdit(frame), name);
    field->setGeometry(8, 16, 33, 19);
    field->setValidator(new TypingLimit(typingLimit, field));
    field->setEnabled(false);
    field->installEventFilter(this);
    return field;
}

QComboBox* Form1::CreateListInFrame(QGroupBox* frame, const char* name, int width,
                                    const std::vector<std::string>& items) {
    QComboBox* box = Named(new QComboBox(frame), name);
    box->setGeometry(8, 16, width, 21);
    box->setEditable(false);
    for (const std::string& item : items) box->addItem(QString::fromStdString(item));
    // The values past the named ones are entries too, showing their number: the box's position is
    // the byte, 0 to 255.
    for (int value = box->count(); value <= 255; ++value) box->addItem(QString::number(value));
    box->setCurrentIndex(-1); // adding items selected the first one; nothing is shown until a move is
    box->setEnabled(false);
    return box;
}

QLineEdit* Form1::CreateHiddenField(const char* name, const char* text) {
    QLineEdit* field = Named(new QLineEdit(QString::fromLatin1(text), this), name);
    field->setGeometry(-1000, -1000, 33, 19);
    field->setVisible(false);
    return field;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
        rowAtPress_ = List1->currentRow();
    if (event->type() == QEvent::FocusOut) {
        for (QLineEdit* field : {txtPower, txtAcc, txtPP, txtEff, txtPriority, txtPadding[0], txtPadding[1],
                                 txtPadding[2], txtZPower, txtZEffect}) {
            if (watched != field) continue;
            if (MovesFocusWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
                ClampField(field);
            else
                fieldLeftBehind_ = field;
        }
    }
    if (event->type() == QEvent::FocusIn && watched == fieldLeftBehind_) fieldLeftBehind_ = nullptr;
    return QWidget::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ClampFieldLeftBehind();
    QWidget::changeEvent(event);
}

// While the window is not active (no window manager gave it back after another program or a
// menu), a click on another control moves the window's focus without telling the field: the field
// is clamped once the window's focus is seen elsewhere, when the window is active again or a
// button is clicked.
void Form1::ClampFieldLeftBehind() {
    if (!fieldLeftBehind_ || focusWidget() == fieldLeftBehind_) return;
    QLineEdit* field = fieldLeftBehind_;
    fieldLeftBehind_ = nullptr;
    ClampField(field);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!farewellShown_) {
        farewellShown_ = true;
        dialogs_.ShowMessage(
            QStringLiteral("Thankyou for using a Program made by Quillmoth Inc. Be sure to check ") +
                MakerSite + QStringLiteral(" for more!"),
            FarewellTitle, MessageIcon::Information);
    }
    event->accept();
}

} // namespace editor
