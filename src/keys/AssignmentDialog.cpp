#include "keys/AssignmentDialog.h"

#include <QApplication>
#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "keys/KeyButtons.h"
#include "keys/LabelMetrics.h"
#include "model/DelayCodes.h"
#include "ui/FreshKeys.h"
#include "ui/PanelLook.h"
#include "ui/Resources.h"

namespace qv {

namespace {

// A fixed tool window without control box: it closes only by its own buttons and Escape.
constexpr Qt::WindowFlags kAssignmentFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

constexpr int kTimer1Interval = 50;

void Mirror(CheckButton* box, int value, bool enabled) {
    const QSignalBlocker quiet(box);
    box->SetValue(value);
    box->setEnabled(enabled);
}

}  // namespace

AssignmentDialog::AssignmentDialog(Model& model)
    : QDialog(nullptr, kAssignmentFlags), model_(model) {
    setWindowTitle(QStringLiteral("Key Assignment"));
    setFixedSize(Px(11430), Px(7950));
    setFont(ArialFont(9.75, true));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPanelColour);
    setPalette(colours);
    setAutoFillBackground(true);
    c_ = BuildAssignmentControls(this);
    timer1_.setSingleShot(true);
    timer1_.setInterval(kTimer1Interval);
    connect(&timer1_, &QTimer::timeout, this, &AssignmentDialog::Timer1_Timer);

    for (const KeyButton& key : KeyButtons()) {
        connect(c_.VK[static_cast<std::size_t>(key.code)], &QPushButton::clicked, this,
                [this, code = key.code] {
                    editor_.VK_Click(code);
                    ShowControls();
                });
    }
    const auto box = [this](CheckButton* check, void (KeyEditor::*set)(int)) {
        connect(check, &CheckButton::valueChanged, this, [this, set](int value) {
            (editor_.*set)(value);
            ShowControls();
        });
    };
    box(c_.chkSingleKey, &KeyEditor::SetSingleKey);
    box(c_.chkSequence, &KeyEditor::SetSequence);
    box(c_.chkKeyCombo, &KeyEditor::SetKeyCombo);
    connect(c_.cmdUndo, &QPushButton::clicked, this, [this] {
        editor_.cmdUndo_Click();
        ShowControls();
    });
    connect(c_.btnOK, &QPushButton::clicked, this, &AssignmentDialog::btnOK_Click);
    connect(c_.btnCancel, &QPushButton::clicked, this, &AssignmentDialog::reject);
    c_.btnOK->installEventFilter(this);
    // Enter on a key button enters it and moves the focus to OK: held on, it must not press OK.
    TakeOnlyFreshEnterAndEscape(*this, EnterKey::PressesFocusedButton);
    setWindowIcon(ProgramIcon());
    Form_Load();
}

AssignmentDialog::~AssignmentDialog() = default;

void AssignmentDialog::PopUp(int16_t Button, uint8_t Slider) {
    editor_.Load(model_, Button, Slider);
    const QString label =
        QString::fromStdString(model_.KeyLabel[Slider][static_cast<std::size_t>(Button)]);
    // A longer label that a profile brought is shown whole, not cut to what typing allows.
    c_.txtKeyFunction->setMaxLength(
        std::max<int>(kMostFunctionText, static_cast<int>(label.size())));
    c_.txtKeyFunction->setText(label);
    ShowControls();
    // Armed by the opening, not by a show: the desktop shows the dialog again after a minimise,
    // and that must not pull the focus out of the function text either.
    activatedSinceOpened_ = false;
    Form_Activate();
    exec();
}

QString AssignmentDialog::FunctionText() const {
    return c_.txtKeyFunction->text();
}

// OK stores the whole slot in this one handler: no engine tick can come between its steps.
void AssignmentDialog::btnOK_Click() {
    const bool stored = editor_.btnOK_Click(model_);
    ShowControls();
    if (stored) {
        accept();
    }
}

// Cancel, Escape and a close from the desktop all drop the key edits.
void AssignmentDialog::reject() {
    editor_.btnCancel_Click();
    ShowControls();
    QDialog::reject();
}

void AssignmentDialog::ShowControls() {
    const KeyControlState& s = editor_.Controls();
    Mirror(c_.chkSingleKey, s.chkSingleKey, s.chkSingleKeyEnabled);
    Mirror(c_.chkSequence, s.chkSequence, s.chkSequenceEnabled);
    Mirror(c_.chkKeyCombo, s.chkKeyCombo, true);
    c_.Label3->setText(QString::fromUtf8(s.Label3));
    c_.cmdUndo->setEnabled(s.cmdUndoEnabled);
    for (int code = kFirstDelayCode; code <= kLastDelayCode; ++code) {
        c_.VK[static_cast<std::size_t>(code)]->setEnabled(s.delaysEnabled);
    }
}

void AssignmentDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activatedSinceOpened_) {
        activatedSinceOpened_ = true;
        Form_Activate();
    }
}

bool AssignmentDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.btnOK && event->type() == QEvent::FocusIn) {
        btnOK_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void AssignmentDialog::Form_Activate() {
    timer1_.start();
}

void AssignmentDialog::Timer1_Timer() {
    timer1_.stop();
    if (c_.btnOK->isVisible()) {
        c_.btnOK->setFocus();
    }
    ShowKeyLabels();
    editor_.Loading = false;
}

void AssignmentDialog::btnOK_GotFocus() {
    ShowKeyLabels();
}

// The focus moving to OK lays the steps out; where it cannot move (it is there already, or
// the window is not active) the layout runs all the same.
void AssignmentDialog::FocusOk() {
    if (!isVisible()) {
        return;
    }
    const bool moves = !c_.btnOK->hasFocus() && isActiveWindow();
    c_.btnOK->setFocus();
    if (!moves) {
        ShowKeyLabels();
    }
}

void AssignmentDialog::ArmTimer1() {
    timer1_.start();
}

void AssignmentDialog::Beep() {
    ++beeps_;
    QApplication::beep();
}

}  // namespace qv
