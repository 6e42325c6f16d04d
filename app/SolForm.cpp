#include "app/SolForm.h"

#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "model/CLocale.h"
#include "platform/EventGuard.h"
#include "platform/FixedForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TSolForm *SolForm = nullptr;

namespace {

// Client area of the window and the places of its controls, in pixels, for
// the window's 8-point font.
constexpr int kClientWidth = 363;
constexpr int kClientHeight = 271;
constexpr int kFontPoints = 8;
constexpr int kStageLeft = 10;
constexpr int kStageTop = 10;
constexpr int kStageWidth = 160;
constexpr int kStageHeight = 20;
constexpr int kStagePitch = 24;
constexpr int kCountsLeft = 178;
constexpr int kCountsWidth = 175;
constexpr int kCountLeft = 300;
constexpr int kCountWidth = 46;
constexpr int kRowHeight = 18;
constexpr int kLinesTop = 184;
constexpr int kButtonTop = 234;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 28;

QFrame *NewFrame(QWidget *parent, const char *name, QRect rect, QFrame::Shadow shadow) {
  auto *frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameStyle(QFrame::Panel | shadow);
  frame->setGeometry(rect);
  return frame;
}

QPushButton *NewButton(QWidget *parent, const char *name, const char *text, int left) {
  return ::NewButton(parent, name, text, QRect(left, kButtonTop, kButtonWidth, kButtonHeight));
}

void SetBold(QLabel *label) {
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
}

// The text changes while the message loop is blocked: paint it now.
void SetTextNow(QLabel *label, const std::string &text) {
  label->setText(QString::fromStdString(text));
  label->repaint();
}

} // namespace

TSolForm::TSolForm(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  SolForm = this;
  setObjectName("SolForm");
  setWindowTitle(QString::fromUtf8("Status der Berechnung"));
  setFixedSize(kClientWidth, kClientHeight);
  QFont small = font();
  small.setPointSize(kFontPoints);
  setFont(small);
  // The window is a helper of the main window; it never keeps the program alive.
  setAttribute(Qt::WA_QuitOnClose, false);
  Bevel1 = NewFrame(this, "Bevel1", QRect(4, 4, kClientWidth - 8, kButtonTop - 10), QFrame::Sunken);
  CreateStages();
  CreateCounts();
  CreateButtons();
  CenterOnScreen(*this);
}

TSolForm::~TSolForm() {
  if (SolForm == this)
    SolForm = nullptr;
}

void TSolForm::CreateStages() {
  struct Stage {
    QFrame *&frame;
    const char *frameName;
    QLabel *&label;
    const char *labelName;
    const char *text;
  };
  const Stage stages[] = {
      {Bevel2, "Bevel2", Label1, "Label1", "Elementverteilung"},
      {Bevel3, "Bevel3", Label2, "Label2", "Freiheitsgradverteilung"},
      {Bevel4, "Bevel4", Label3, "Label3", "Freiheitsgradoptimierung"},
      {Bevel5, "Bevel5", Label4, "Label4", "Steifigkeitsmatrix"},
      {Bevel8, "Bevel8", Label5, "Label5", "Belastungsvektor"},
      {Bevel6, "Bevel6", Label12, "Label12", "Gleichungslösung"},
      {Bevel9, "Bevel9", Label14, "Label14", "Auswertung"},
  };
  int top = kStageTop;
  for (const Stage &stage : stages) {
    stage.frame = NewFrame(this, stage.frameName, QRect(kStageLeft, top, kStageWidth, kStageHeight),
                           QFrame::Raised);
    stage.frame->hide();
    stage.label = NewLabel(this, stage.labelName, stage.text,
                           QRect(kStageLeft + 8, top + 2, kStageWidth - 16, kStageHeight - 4));
    top += kStagePitch;
  }
}

void TSolForm::CreateCounts() {
  Bevel7 =
      NewFrame(this, "Bevel7", QRect(kCountsLeft, kStageTop, kCountsWidth, 106), QFrame::Sunken);
  Label10 = NewLabel(this, "Label10", "Anzahl der ",
                     QRect(kCountsLeft + 6, kStageTop + 4, kCountsWidth - 12, kRowHeight));
  struct Count {
    QLabel *&name;
    const char *nameName;
    const char *text;
    QLabel *&value;
    const char *valueName;
    QRect namePlace;
    QRect valuePlace;
  };
  auto nameAt = [](int top) {
    return QRect(kCountsLeft + 14, top, kCountLeft - kCountsLeft - 16, kRowHeight);
  };
  auto valueAt = [](int top) { return QRect(kCountLeft, top, kCountWidth, kRowHeight); };
  // The size of the matrix needs room for ten digits: its value stands on a
  // line of its own below the frame of the counts.
  const Count counts[] = {
      {Label8, "Label8", "Knoten", NodeNb, "NodeNb", nameAt(32), valueAt(32)},
      {Label7, "Label7", "Elemente", ElNb, "ElNb", nameAt(50), valueAt(50)},
      {Label6, "Label6", "Freiheitsgrade", FGNb, "FGNb", nameAt(68), valueAt(68)},
      {Label9, "Label9", "Randbedingungen", BCNb, "BCNb", nameAt(86), valueAt(86)},
      {Label11, "Label11", "Speicherbedarf in Byte", Memory, "Memory",
       QRect(kCountsLeft, 122, kCountsWidth, kRowHeight),
       QRect(kCountsLeft, 140, kCountLeft - kCountsLeft + kCountWidth, kRowHeight)},
      {Label13, "Label13", "Bandbreite", Bandbreite, "Bandbreite",
       QRect(kCountsLeft, 158, kCountLeft - kCountsLeft, kRowHeight), valueAt(158)},
  };
  for (const Count &count : counts) {
    count.name = NewLabel(this, count.nameName, count.text, count.namePlace);
    count.value = NewLabel(this, count.valueName, "0", count.valuePlace);
    count.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  Iter = NewLabel(this, "Iter", "Iter",
                  QRect(kStageLeft, kLinesTop, kClientWidth - 2 * kStageLeft, kRowHeight));
  Norm = NewLabel(this, "Norm", "Norm",
                  QRect(kStageLeft, kLinesTop + 20, kClientWidth - 2 * kStageLeft, kRowHeight));
  SetBold(Iter);
  SetBold(Norm);
}

void TSolForm::CreateButtons() {
  const int middle = (kClientWidth - kButtonWidth) / 2;
  BitBtn1 = NewButton(this, "BitBtn1", "Fertig", middle);
  BitBtn2 = NewButton(this, "BitBtn2", "Fehler", middle);
  NextButton = NewButton(this, "NextButton", "Weiter", middle - kButtonWidth / 2 - 10);
  CancelButton = NewButton(this, "CancelButton", "Beenden", middle + kButtonWidth / 2 + 10);
  NextButton->hide();
  CancelButton->hide();
  connect(BitBtn1, &QPushButton::clicked, this, &TSolForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TSolForm::BitBtn2Click);
  connect(NextButton, &QPushButton::clicked, this, &TSolForm::NextButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &TSolForm::CancelButtonClick);
}

void TSolForm::SetCount(QLabel *label, int n) {
  SetTextNow(label, FormatC("%d", n));
}

void TSolForm::SetNodeNb(int n) {
  SetCount(NodeNb, n);
}
void TSolForm::SetElNb(int n) {
  SetCount(ElNb, n);
}
void TSolForm::SetFGNb(int n) {
  SetCount(FGNb, n);
}
void TSolForm::SetBCNb(int n) {
  SetCount(BCNb, n);
}
void TSolForm::SetMemory(long long bytes) {
  SetTextNow(Memory, FormatC("%lld", bytes));
}
void TSolForm::SetBandbreite(int n) {
  SetCount(Bandbreite, n);
}

QFrame *TSolForm::StepFrame(int step) const {
  QFrame *const frames[] = {Bevel2, Bevel3, Bevel4, Bevel5, Bevel8, Bevel6, Bevel9};
  return step >= 1 && step <= 7 ? frames[step - 1] : nullptr;
}

void TSolForm::SetStep(int step) {
  QFrame *frame = StepFrame(step);
  if (frame)
    frame->show();
  if (frame == CurrentStep)
    return;
  if (CurrentStep) {
    CurrentStep->hide();
    repaint(CurrentStep->geometry());
  }
  if (frame)
    frame->repaint();
  CurrentStep = frame;
}

void TSolForm::SetButtons(bool finished, bool error, bool iterating) {
  BitBtn1->setVisible(finished);
  BitBtn2->setVisible(error);
  NextButton->setVisible(iterating);
  CancelButton->setVisible(iterating);
  repaint();
}

// A window still open from the last analysis (a second-order iteration
// waiting for "Weiter") starts afresh too: its lines and buttons belong to
// the analysis before.
void TSolForm::ShowForAnalysis() {
  if (isVisible())
    FormShow();
  else
    show();
  repaint();
}

void TSolForm::ShowFinishedState() {
  SetButtons(true, false, false);
  WaitFor(BitBtn1);
}

void TSolForm::ShowIterationState() {
  SetButtons(false, false, true);
  WaitFor(NextButton);
}

void TSolForm::ShowErrorState() {
  BitBtn2->setText(QString::fromUtf8("Fehler"));
  SetButtons(false, true, false);
  WaitFor(BitBtn2);
}

// The window that waits for its button takes the keyboard, so that the
// Return after an analysis presses the button rather than reaching a grid.
// A window hidden for a batch run stays hidden and takes nothing.
void TSolForm::WaitFor(QPushButton *button) {
  if (!isVisible())
    return;
  activateWindow();
  button->setFocus(Qt::OtherFocusReason);
}

void TSolForm::ShowIterationText(const std::string &text) {
  Iter->show();
  SetTextNow(Iter, text);
}

void TSolForm::ShowNormText(const std::string &text) {
  Norm->show();
  SetTextNow(Norm, text);
}

bool TSolForm::IterationWaiting() const {
  return !NextButton->isHidden();
}

void TSolForm::EndIteration() {
  if (IterationWaiting())
    CancelButtonClick();
}

void TSolForm::FormShow() {
  BitBtn2->setText(QString::fromUtf8("Berechnung"));
  SetButtons(false, true, false);
  for (QLabel *line : {Norm, Iter}) {
    line->clear();
    line->hide();
  }
  for (QFrame *frame : {Bevel1, Bevel2, Bevel3, Bevel4, Bevel5, Bevel6, Bevel7, Bevel8, Bevel9})
    frame->hide();
}

void TSolForm::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TSolForm::BitBtn1Click() {
  hide();
}

void TSolForm::BitBtn2Click() {
  CancelButtonClick();
}

void TSolForm::CancelButtonClick() {
  Norm->hide();
  Iter->hide();
  NextButton->hide();
  CancelButton->hide();
  hide();
}

// A change of the model since the last iteration leaves nothing to continue:
// the iteration ends instead.
void TSolForm::NextButtonClick() {
  Guarded([] { NextIteration(Solutions); });
  if (!Solutions.IterationOpen)
    EndIteration();
}

// The window has no close box; it is hidden only by its buttons.
void TSolForm::closeEvent(QCloseEvent *event) {
  if (event->spontaneous())
    event->ignore();
}

// Enter presses the visible default button, Esc the visible cancel button.
void TSolForm::keyPressEvent(QKeyEvent *event) {
  auto pressFirstShown = [](std::initializer_list<QPushButton *> buttons) {
    for (QPushButton *button : buttons)
      if (!button->isHidden()) {
        button->click();
        return true;
      }
    return false;
  };
  bool pressed = false;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    pressed = pressFirstShown({BitBtn1, BitBtn2, NextButton});
  else if (event->key() == Qt::Key_Escape)
    pressed = pressFirstShown({BitBtn1, CancelButton});
  if (!pressed)
    QWidget::keyPressEvent(event);
}
