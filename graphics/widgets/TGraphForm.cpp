#include "graphics/widgets/TGraphForm.h"

#include "analysis/ResultSets.h"
#include "graphics/widgets/GraphToolIcons.h"
#include "graphics/widgets/PaintBoxPicture.h"
#include "graphics/widgets/PictureExport.h"
#include "model/Upcalls.h"
#include "platform/EventGuard.h"
#include "platform/UserMessage.h"
#include "platform/WaitCursor.h"
#include "platform/WrapLayout.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

namespace {

constexpr int kWindowWidth = 766;
constexpr int kWindowHeight = 496;
// The five scale spin edits: step 10, start 100, no bounds.
constexpr int kScaleStep = 10;
constexpr int kScaleStart = 100;
constexpr int kUnbounded = std::numeric_limits<int>::max();

// The layer toggles of the tool bar and their layers.
struct LayerToggle {
  QToolButton *TGraphForm::*button;
  const char *name;
  const char *hint;
  int image;
  int layer;
};
const LayerToggle kLayerToggles[] = {
    {&TGraphForm::ToolButton6, "ToolButton6", "Knotennummer", kIconNodeNumbers, kLayerNodeNumbers},
    {&TGraphForm::ToolButton7, "ToolButton7", "Stabnummer", kIconBeamNumbers, kLayerBeamNumbers},
    {&TGraphForm::ToolButton12, "ToolButton12", "Gelenknummer", kIconHingeNumbers,
     kLayerHingeNumbers},
    {&TGraphForm::ToolButton8, "ToolButton8", "Materialnummer", kIconMaterialNumbers,
     kLayerMaterialNumbers},
    {&TGraphForm::ToolButton9, "ToolButton9", "Wertangabe", kIconValues, kLayerValues},
    {&TGraphForm::ToolButton10, "ToolButton10", "Funktionsextrema", kIconExtrema, kLayerExtrema},
    {&TGraphForm::LoadButton, "LoadButton", "Belastung", kIconLoads, kLayerLoads},
    {&TGraphForm::ToolButton11, "ToolButton11", "Auflager", kIconSupports, kLayerSupports},
    {&TGraphForm::ToolButton14, "ToolButton14", "Auflagerkräfte", kIconReactions, kLayerReactions},
};

PixelPoint ToPixel(const QPoint &p) {
  return {p.x(), p.y()};
}

// Milliseconds of the steady clock, the time of the replays.
std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Where a new window of size opens in area: in the middle, or one title bar
// further down and right than a window already there, and so on, so that
// windows opened one after another do not hide each other.  When that would
// leave the area, the steps start again at its top left corner and then go
// on past its edges rather than back onto a window already there.  Each
// step goes further from the last, so a free place is always found.
QPoint OpeningPlace(const QMdiArea *area, const QMdiSubWindow *child, QSize size) {
  const QSize room = area->viewport()->size();
  const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child);
  const QList<QMdiSubWindow *> others = area->subWindowList();
  const auto taken = [&](QPoint place) {
    return std::any_of(others.begin(), others.end(), [&](const QMdiSubWindow *other) {
      return other != child && other->pos() == place;
    });
  };
  QPoint place(std::max(0, (room.width() - size.width()) / 2),
               std::max(0, (room.height() - size.height()) / 2));
  bool restarted = false;
  while (taken(place)) {
    place += QPoint(std::max(step, 1), std::max(step, 1));
    const bool leaves =
        place.x() + size.width() > room.width() || place.y() + size.height() > room.height();
    if (leaves && !restarted) {
      place = QPoint(0, 0);
      restarted = true;
    }
  }
  return place;
}

// A double click into a spin edit's text sets a value.
class DoubleClickFilter : public QObject {
public:
  DoubleClickFilter(QSpinBox *spin, int value) : QObject(spin), Spin(spin), Value(value) {}
  std::function<void()> After;

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::MouseButtonDblClick)
      Guarded([this] {
        Spin->setValue(Value);
        After();
      });
    return false;
  }

private:
  QSpinBox *Spin;
  int Value;
};

} // namespace

// The paint box: paints and passes the mouse on; it never opens a popup.
class TPaintBox : public QWidget {
public:
  explicit TPaintBox(TGraphForm &form) : QWidget(form.Panel1), Form(form) {
    setObjectName("PaintBox1");
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(false);
  }

protected:
  void paintEvent(QPaintEvent *event) override { Form.PaintBox1Paint(event); }
  void mousePressEvent(QMouseEvent *event) override {
    Guarded([&] { Form.PaintBox1MouseDown(event); });
    event->accept();
  }
  void mouseMoveEvent(QMouseEvent *event) override {
    Guarded([&] { Form.PaintBox1MouseMove(event); });
  }
  void mouseReleaseEvent(QMouseEvent *event) override {
    Guarded([&] { Form.PaintBox1MouseUp(event); });
  }
  void resizeEvent(QResizeEvent *) override { Form.PaintBox1Resize(); }
  // The press of the second click still counts as a press; only a double
  // click of the left button zooms in.
  void mouseDoubleClickEvent(QMouseEvent *event) override {
    Guarded([&] {
      Form.PaintBox1MouseDown(event);
      if (event->button() == Qt::LeftButton)
        Form.PaintBox1DblClick();
    });
  }

private:
  TGraphForm &Form;
};

TGraphForm::TGraphForm(QMdiArea *area, int tab) {
  setObjectName("GraphForm");
  setAttribute(Qt::WA_DeleteOnClose);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setWindowTitle("Graphische Darstellung");
  CreateComponents();
  PanTimer = new QTimer(this);
  PanTimer->setSingleShot(true);
  connect(PanTimer, &QTimer::timeout, this, [this] { ScheduleReplay(); });
  QMdiSubWindow *child = area->addSubWindow(this);
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->resize(kWindowWidth, kWindowHeight);
  child->move(OpeningPlace(area, child, child->size()));
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget *old, QWidget *now) { FocusChanged(old, now); });
  Window = std::make_unique<GraphWindow>(static_cast<GraphWindowView *>(this));
  Window->Open(tab);
  {
    const QSignalBlocker b1(CSpinEdit1), b2(CSpinEdit2), b3(CSpinEdit3);
    CSpinEdit1->setValue(static_cast<int>(Window->TextScale * 100));
    CSpinEdit2->setValue(static_cast<int>(Window->ForceScale * 100));
    CSpinEdit3->setValue(static_cast<int>(Window->DisplacementScale * 100));
  }
  child->show();
  setWindowTitle(QString::fromUtf8(CurrentTabName().c_str()));
}

TGraphForm::~TGraphForm() = default;

void TGraphForm::CreateComponents() {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateToolBar();
  layout->addWidget(ToolBar1);
  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setAutoFillBackground(true);
  QPalette white = Panel1->palette();
  white.setColor(QPalette::Window, Qt::white);
  Panel1->setPalette(white);
  auto *panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  PaintBox1 = new TPaintBox(*this);
  panelLayout->addWidget(PaintBox1);
  layout->addWidget(Panel1, 1);
  TabControl2 = new QTabBar(this);
  TabControl2->setObjectName("TabControl2");
  TabControl2->setShape(QTabBar::RoundedSouth);
  TabControl2->setExpanding(false);
  layout->addWidget(TabControl2);
  connect(TabControl2, &QTabBar::currentChanged, this,
          [this] { Guarded([this] { TabControl2Change(); }); });
}

QToolButton *TGraphForm::AddButton(const char *name, const char *hint, int image, bool checkable) {
  auto *button = new QToolButton(ToolBar1);
  button->setIconSize(QSize(kGraphIconSize, kGraphIconSize));
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(hint));
  button->setIcon(GraphToolIcon(image));
  button->setCheckable(checkable);
  button->setAutoRaise(true);
  ToolBar1->layout()->addWidget(button);
  return button;
}

void TGraphForm::AddSeparator(const char *name) {
  auto *line = new QFrame(ToolBar1);
  line->setObjectName(name);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedSize(style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent), kGraphIconSize);
  ToolBar1->layout()->addWidget(line);
}

// The spin edit is as wide as the widest number of its range needs in its
// font (its size hint).
QSpinBox *TGraphForm::AddSpinEdit(const char *name, const char *hint, int minimum, int maximum,
                                  int step, int value, void (TGraphForm::*change)(int),
                                  int doubleClickValue) {
  auto *spin = new QSpinBox(ToolBar1);
  spin->setObjectName(name);
  spin->setToolTip(QString::fromUtf8(hint));
  spin->setRange(minimum, maximum);
  spin->setSingleStep(step);
  spin->setValue(value);
  ToolBar1->layout()->addWidget(spin);
  connect(spin, &QSpinBox::valueChanged, this,
          [this, change](int v) { Guarded([&] { (this->*change)(v); }); });
  if (doubleClickValue >= 0) {
    auto *filter = new DoubleClickFilter(spin, doubleClickValue);
    filter->After = [this] { Window->SpinDoubleClick(); };
    spin->findChild<QLineEdit *>()->installEventFilter(filter);
  }
  return spin;
}

void TGraphForm::CreateToolBar() {
  // The tool bar wraps its controls onto further rows when the window is
  // too narrow for all of them.
  ToolBar1 = new QWidget(this);
  ToolBar1->setObjectName("ToolBar1");
  const int margin = style()->pixelMetric(QStyle::PM_ToolBarItemMargin) +
                     style()->pixelMetric(QStyle::PM_ToolBarFrameWidth);
  auto *bar = new WrapLayout(ToolBar1, style()->pixelMetric(QStyle::PM_ToolBarItemSpacing));
  bar->setContentsMargins(margin, margin, margin, margin);
  SpeedButton1 = AddButton("SpeedButton1", "Grafik drucken", kIconPrint, false);
  CopyButton = AddButton("CopyButton", "In Zwischenablage kopieren", kIconCopy, false);
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { Guarded([this] { SpeedButton1Click(); }); });
  connect(CopyButton, &QToolButton::clicked, this,
          [this] { Guarded([this] { CopyButtonClick(); }); });
  ToolButton2 = AddButton("ToolButton2", "Auschnitt", kIconZoomWindow, true);
  ToolButton3 = AddButton("ToolButton3", "Alles zeigen", kIconShowAll, false);
  ToolButton4 = AddButton("ToolButton4", "Verschieben", kIconPan, true);
  ToolButton4->setChecked(true);
  connect(ToolButton2, &QToolButton::clicked, this,
          [this] { Guarded([this] { ToolButton2Click(); }); });
  connect(ToolButton3, &QToolButton::clicked, this,
          [this] { Guarded([this] { ToolButton3Click(); }); });
  connect(ToolButton4, &QToolButton::clicked, this,
          [this] { Guarded([this] { ToolButton4Click(); }); });
  AddSeparator("ToolButton5");
  CreateLayerButtons();
  AddSeparator("ToolButton15");
  CSpinEdit4 = AddSpinEdit("CSpinEdit4", "Anzahl der Auswertungspunkte", 0, 100, 1,
                           kInitialEvaluationPoints, &TGraphForm::CSpinEdit4Change, 10);
  AddSeparator("ToolButton1");
  CSpinEdit1 = AddSpinEdit("CSpinEdit1", "Textskalierung", -kUnbounded, kUnbounded, kScaleStep,
                           kScaleStart, &TGraphForm::CSpinEdit1Change, 100);
  CSpinEdit2 = AddSpinEdit("CSpinEdit2", "Schnittgrößenskalierung", -kUnbounded, kUnbounded,
                           kScaleStep, kScaleStart, &TGraphForm::CSpinEdit2Change, 100);
  CSpinEdit3 = AddSpinEdit("CSpinEdit3", "Verschiebungsskalierung", -kUnbounded, kUnbounded,
                           kScaleStep, kScaleStart, &TGraphForm::CSpinEdit3Change, 100);
  CSpinEdit5 = AddSpinEdit("CSpinEdit5", "Streckenlastskalierung", -kUnbounded, kUnbounded,
                           kScaleStep, kScaleStart, &TGraphForm::CSpinEdit5Change, -1);
  CSpinEdit6 = AddSpinEdit("CSpinEdit6", "Einzellastskalierung", -kUnbounded, kUnbounded,
                           kScaleStep, kScaleStart, &TGraphForm::CSpinEdit6Change, -1);
}

// The layer toggles in tool-bar order: each sets or clears its bit as it is
// down or up and rebuilds.
void TGraphForm::CreateLayerButtons() {
  for (const LayerToggle &toggle : kLayerToggles) {
    QToolButton *button = AddButton(toggle.name, toggle.hint, toggle.image, true);
    this->*toggle.button = button;
    const int layer = toggle.layer;
    connect(button, &QToolButton::clicked, this, [this, button, layer] {
      Guarded([&] { Window->ToggleLayer(layer, button->isChecked()); });
    });
  }
}

void TGraphForm::TabControl2Change() {
  Window->TabIndex = TabControl2->currentIndex();
  Window->TabChange();
}

// "Auschnitt": a zoom window, used once.
void TGraphForm::ToolButton2Click() {
  Window->ZoomButton(ToolButton2->isChecked());
  ModeButtonClicked(ToolButton2, ToolButton4, Qt::CrossCursor);
}

void TGraphForm::ToolButton3Click() {
  Window->ShowAll();
}

// "Verschieben": the left button pans.
void TGraphForm::ToolButton4Click() {
  Window->PanButton(ToolButton4->isChecked());
  ModeButtonClicked(ToolButton4, ToolButton2, Qt::SizeAllCursor);
}

// A mode button pressed shows its cursor and releases the other one.
void TGraphForm::ModeButtonClicked(QToolButton *button, QToolButton *other,
                                   Qt::CursorShape cursor) {
  if (button->isChecked()) {
    PaintBox1->setCursor(cursor);
    other->setChecked(false);
  } else {
    PaintBox1->unsetCursor();
  }
}

void TGraphForm::CSpinEdit1Change(int value) {
  Window->SetScale(GraphWindow::Scale::Text, value);
}
void TGraphForm::CSpinEdit2Change(int value) {
  Window->SetScale(GraphWindow::Scale::Force, value);
}
void TGraphForm::CSpinEdit3Change(int value) {
  Window->SetScale(GraphWindow::Scale::Displacement, value);
}
void TGraphForm::CSpinEdit4Change(int value) {
  Window->SetEvaluationPoints(value);
}
void TGraphForm::CSpinEdit5Change(int value) {
  Window->SetScale(GraphWindow::Scale::LineLoad, value);
}
void TGraphForm::CSpinEdit6Change(int value) {
  Window->SetScale(GraphWindow::Scale::PointLoad, value);
}

// The focus left the window for another one (a menu or popup does not
// count): the next rebuild fits the view to the drawing.
void TGraphForm::FocusChanged(QWidget *old, QWidget *now) {
  if (!WithinWindow(old) || QApplication::activePopupWidget())
    return;
  if (!WithinWindow(now))
    Window->FocusLost();
}

// The window's own MDI frame counts as the window: a click into the window
// while a spin edit has the focus passes the focus through the frame and
// back, which must not refit a zoomed view.
bool TGraphForm::WithinWindow(const QWidget *widget) const {
  const QWidget *frame = parentWidget() ? parentWidget() : this;
  return widget != nullptr && (widget == frame || frame->isAncestorOf(widget));
}

bool TGraphForm::event(QEvent *event) {
  if (const UserMessageEvent *message = AsUserMessage(event)) {
    if (message->Message == UM_MODELCHANGED)
      Guarded([&] { Window->ModelChanged(message->WParam); });
    else
      PrintMessage(*message);
  }
  return QWidget::event(event);
}

// The main window sends these synchronously; lParam points to its counter
// (UM_COUNTPRINT) or to the tile record (UM_PRINTTILE), and a message
// without one is ignored.
void TGraphForm::PrintMessage(const UserMessageEvent &message) {
  switch (message.Message) {
  case UM_COUNTPRINT:
    if (auto *counter = reinterpret_cast<int *>(message.LParam))
      Window->CountPrint(*counter);
    break;
  case UM_PRINTTILE:
    if (const auto *tile = reinterpret_cast<const TileMessage *>(message.LParam);
        tile && tile->canvas)
      Window->PrintTile(static_cast<int>(message.WParam), *tile->canvas, tile->aspect, ShownBox());
    break;
  case UM_EXCLUDEPRINT:
    Window->ExcludeFromPrint();
    break;
  case UM_INCLUDEPRINT:
    Window->IncludeInPrint();
    break;
  default:
    break;
  }
}

void TGraphForm::SpeedButton1Click() {
  Upcalls().ExcludeAllFromPrint();
  Window->IncludeInPrint();
  Upcalls().PrintGraphics();
}

void TGraphForm::CopyButtonClick() {
  CopyPicture(nullptr);
}

bool TGraphForm::CopyPicture(const std::string *fileName) {
  const WaitCursor wait;
  return ::CopyPicture(Window->Display, ShownBox(), fileName);
}

Box2D TGraphForm::ShownBox() const {
  if (!PaintBox1->isVisible())
    return Window->ViewBox;
  return Window->ShownBox(PaintBox1->width(), PaintBox1->height());
}

QSize TGraphForm::sizeHint() const {
  QSize size(kWindowWidth, kWindowHeight);
  if (const QWidget *frame = parentWidget()) {
    const QMargins m = frame->contentsMargins();
    size -= QSize(m.left() + m.right(), m.top() + m.bottom());
  }
  return size;
}

void TGraphForm::SetViewBox(const Box2D &box) {
  Window->ViewBox = box;
  Invalidate();
}

// Replays the list through a transform that fits ViewBox into the box, on
// white, unless the picture is still good: during a pan or a slow
// picture's resize it is shown where the view now puts it.  The rubber band
// of a zoom window is drawn last, inverting what lies below.
void TGraphForm::PaintBox1Paint(QPaintEvent *event) {
  if (PictureStale || Picture.isNull() ||
      Picture.devicePixelRatio() != PaintBox1->devicePixelRatioF())
    ReplayPicture();
  QPainter painter(PaintBox1);
  DrawPlaced(painter, Picture, PlacePicture(PictureView, CurrentView()), event->rect());
  if (!Window->RubberBand())
    return;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(Qt::NoBrush);
  const PixelPoint a = Window->DragStart, b = Window->DragEnd;
  painter.drawRect(QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized());
}

TViewTransform TGraphForm::CurrentView() const {
  return Window->ViewTransform(PaintBox1->width(), PaintBox1->height());
}

// A replay on this thread shows a later view than one still running on its
// own, whose picture is then dropped.
void TGraphForm::ReplayPicture() {
  Job.Drop();
  const qreal ratio = PaintBox1->devicePixelRatioF();
  Picture = QImage(PaintBox1->size() * ratio, QImage::Format_RGB32);
  Picture.setDevicePixelRatio(ratio);
  PictureView = CurrentView();
  Pan.ReplayBegun(Now());
  ReplayInBands(Window->Display, PictureView, Picture, ReplayThreads(), &Costs);
  PictureStale = false;
  Pan.ReplayEnded(Now());
}

void TGraphForm::PaintBox1MouseDown(QMouseEvent *event) {
  Window->MouseDown(ToPixel(event->pos()), event->button() == Qt::LeftButton,
                    event->button() == Qt::RightButton);
}

void TGraphForm::PaintBox1MouseMove(QMouseEvent *event) {
  Window->MouseMove(ToPixel(event->pos()), PaintBox1->width(), PaintBox1->height());
}

// The gesture ends where the button is released.
void TGraphForm::PaintBox1MouseUp(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton)
    return;
  Window->MouseMove(ToPixel(event->pos()), PaintBox1->width(), PaintBox1->height());
  if (Window->MouseUp(PaintBox1->width(), PaintBox1->height()))
    ZoomFinished();
  PanEnded();
}

void TGraphForm::PaintBox1DblClick() {
  Window->DoubleClick();
}

// A picture that replays within a frame is replayed at the new size at
// once; a slower one is shown scaled until its replay is due.
void TGraphForm::PaintBox1Resize() {
  if (Pan.Resized())
    PictureStale = true;
  else
    ScheduleReplay();
}

// A zoom window is used once: no mode button stays down.
void TGraphForm::ZoomFinished() {
  ToolButton2->setChecked(false);
  PaintBox1->unsetCursor();
}

void TGraphForm::ShowTabs() {
  const QSignalBlocker blocker(TabControl2);
  while (TabControl2->count() > 0)
    TabControl2->removeTab(0);
  for (int i = 0; i < Window->TabCount(); ++i)
    TabControl2->addTab(QString::fromUtf8(Window->TabEntry(i).name));
  TabControl2->setCurrentIndex(Window->TabIndex);
  // A tab bar that is not shown yet does not tell the layout that it grew
  // from no tabs to some; the window would open without its tabs.
  TabControl2->updateGeometry();
}

void TGraphForm::ShowLayers(LayerBits layers) {
  for (const LayerToggle &toggle : kLayerToggles)
    (this->*toggle.button)->setChecked(HasLayer(layers, toggle.layer));
}

void TGraphForm::ShowCaption(const std::string &caption) {
  setWindowTitle(QString::fromUtf8(caption.c_str()));
}

// During a pan the view's changes, the release's too, leave the picture
// behind the view: it is shown placed until its replay.  Otherwise the
// picture is replayed unless it shows the view as it is (a click without a
// move; a changed list has made it stale already).
void TGraphForm::Invalidate() {
  if (Pan.Panning()) {
    Pan.Moved();
    ScheduleReplay();
  } else if (!PictureShowsView()) {
    PictureStale = true;
  }
  PaintBox1->update();
}

bool TGraphForm::PictureShowsView() const {
  const TViewTransform now = CurrentView();
  return Picture.deviceIndependentSize() == QSizeF(PaintBox1->size()) && now.sx == PictureView.sx &&
         now.sy == PictureView.sy && now.ox == PictureView.ox && now.oy == PictureView.oy;
}

void TGraphForm::ShowRubberBand() {
  PaintBox1->update();
}

void TGraphForm::ShowPan() {
  Pan.Begin();
  Pan.Moved();
  PaintBox1->update();
  ScheduleReplay();
}

// A replay that is due begins now unless one is running, whose end asks
// again, or the next paint replays anyway; one that is not due yet waits
// for the timer.
void TGraphForm::ScheduleReplay() {
  const std::int64_t wait = Pan.UntilReplay(Now());
  if (wait < 0 || Job.Busy() || PictureStale || PaintBox1->size().isEmpty())
    return;
  if (wait > 0) {
    PanTimer->start(static_cast<int>(std::min<std::int64_t>(wait, kUnbounded)));
    return;
  }
  PanTimer->stop();
  Pan.ReplayBegun(Now());
  Job.Start(Window->Display, CurrentView(), PaintBox1->size(), PaintBox1->devicePixelRatioF(),
            Costs, this, [this](const ReplayedPicture *picture) { PictureReplayed(picture); });
}

// The replay's picture is shown where the view now puts it; a dropped one
// leaves the picture as it is.
void TGraphForm::PictureReplayed(const ReplayedPicture *picture) {
  if (picture) {
    Picture = picture->image;
    PictureView = picture->view;
    Costs = picture->costs;
    Pan.ReplayEnded(Now());
    PaintBox1->update();
  }
  ScheduleReplay();
}

// The release has left the picture behind the view: its replay is due now.
void TGraphForm::PanEnded() {
  if (Window->MouseMode == kMousePanning)
    return;
  Pan.End();
  ScheduleReplay();
}

// A replay still running reads the list: the rebuild waits for it, and its
// picture is of the old list.
void TGraphForm::ListChanging() {
  Job.Wait();
  PictureStale = true;
}
