#include "app/MainForm.h"

#include "analysis/ResultSets.h"
#include "analysis/Solutions.h"
#include "app/BatchInterpreter.h"
#include "app/SolForm.h"
#include "app/TempFiles.h"
#include "graphics/core/SettingsFile.h"
#include "platform/EventGuard.h"
#include "platform/UserMessage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

TMainForm *MainForm = nullptr;
std::string SettingsFileName;

namespace {

// The change mark: a red pencil stroke on a 16 x 20 picture.
QPixmap ChangeMarkPixmap() {
  QPixmap pixmap(16, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(192, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(4, 16), QPointF(12, 5));
  painter.setPen(QPen(QColor(192, 0, 0), 1.5));
  painter.drawLine(QPointF(2, 18), QPointF(14, 18));
  return pixmap;
}

QLabel *NewToolLabel(QWidget *parent, const char *name, const char *text, bool bold) {
  auto *label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

} // namespace

std::string StripPath(const std::string &path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {
  MainForm = this;
  setObjectName("MainForm");
  setWindowTitle("Kelmor");
  PreviousUpcalls = InstallUpcalls(&Callbacks);
  CreateComponents();
  SetSystemChanged(0);
  SetLoadChanged(0);
  LoadSettings();
  // The start-up work runs from the message loop, after every form exists.
  PostUserMessage(this, UM_STARTUP);
}

TMainForm::~TMainForm() {
  if (&Upcalls() == &Callbacks)
    InstallUpcalls(PreviousUpcalls);
  if (MainForm == this)
    MainForm = nullptr;
}

void TMainForm::CreateComponents() {
  MdiArea = new QMdiArea(this);
  MdiArea->setObjectName("MdiArea");
  MdiArea->setContextMenuPolicy(Qt::CustomContextMenu);
  setCentralWidget(MdiArea);
  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName("StatusBar");
  setStatusBar(StatusBar);
  CreateToolBar();
  CreateMenus();
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  connect(MdiArea, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
    Guarded([this] { PopupMenu1Popup(); });
    PopupMenu1->popup(MdiArea->mapToGlobal(at));
  });
  resize(800, 600);
}

void TMainForm::CreateToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  addToolBar(ToolBar1);
  // One strip of labels, so that a change mark shows and hides at once and
  // keeps its place while hidden.
  auto *strip = new QWidget(ToolBar1);
  auto *layout = new QHBoxLayout(strip);
  layout->setContentsMargins(4, 0, 4, 0);
  const QPixmap mark = ChangeMarkPixmap();
  Image2 = NewToolLabel(strip, "Image2", "", false);
  StaticTextSystem = NewToolLabel(strip, "StaticTextSystem", "System: ", true);
  Image1 = NewToolLabel(strip, "Image1", "", false);
  StaticTextLoad = NewToolLabel(strip, "StaticTextLoad", "Lastfall: ", true);
  StaticText1 = NewToolLabel(strip, "StaticText1", "Ergebnisse: ", true);
  Ergebnisse = NewToolLabel(strip, "Ergebnisse", "    ", false);
  for (QLabel *image : {Image2, Image1}) {
    image->setPixmap(mark);
    image->setFixedSize(mark.size());
    QSizePolicy policy = image->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    image->setSizePolicy(policy);
  }
  // Room for a file name, so the later items do not jump with every name.
  for (QLabel *name : {StaticTextSystem, StaticTextLoad})
    name->setMinimumWidth(220);
  for (QLabel *label : {Image2, StaticTextSystem, Image1, StaticTextLoad, StaticText1, Ergebnisse})
    layout->addWidget(label);
  layout->addStretch();
  ToolBar1->addWidget(strip);
}

void TMainForm::SetSystemChanged(int flag) {
  SystemChangedFlag = flag;
  Image2->setVisible(flag != 0);
}

void TMainForm::SetLoadChanged(int flag) {
  LoadChangedFlag = flag;
  Image1->setVisible(flag != 0);
}

void TMainForm::SystemModified() {
  SetSystemChanged(1);
  ResetResults();
}

void TMainForm::LoadModified() {
  SetLoadChanged(1);
  ResetResults();
}

// The results no longer match the model: a second-order iteration that
// waits for "Weiter" ends with them.
void TMainForm::ResetResults() {
  ResetAnalysis(Solutions);
  if (SolForm)
    SolForm->EndIteration();
  KillEditors();
  NotifyChildren(0);
}

void TMainForm::SetResultCaption(const std::string &text) {
  Ergebnisse->setText(QString::fromStdString(text));
}

namespace {
// Asks the frame to deliver the merged model-change notice of one child.
class ChildNotice : public QEvent {
public:
  explicit ChildNotice(QWidget *child) : QEvent(Type()), Child(child), Key(child) {}
  static QEvent::Type Type() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
  const QPointer<QWidget> Child;
  const QObject *const Key;
};
} // namespace

// Every stored cell reports a change: one notice per child is enough, and a
// bulk edit would otherwise queue thousands of rebuilds.
void TMainForm::NotifyChildren(int keepView) {
  for (QMdiSubWindow *child : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
    QWidget *window = child->widget();
    if (window == nullptr)
      continue;
    auto [pending, fresh] = PendingNotices.try_emplace(window, keepView);
    if (fresh)
      QCoreApplication::postEvent(this, new ChildNotice(window));
    else if (keepView == 0)
      pending->second = 0;
  }
}

// One item per result view of the current analysis kind; each opens a graph
// window on its view.
void TMainForm::PopupMenu1Popup() {
  PopupMenu1->clear();
  const ResultSetTable &views = ResultDescriptor(Solutions);
  for (int i = 0; i < views.count; ++i) {
    QAction *item = PopupMenu1->addAction(QString::fromUtf8(views.entries[i].name));
    connect(item, &QAction::triggered, this,
            [this, item] { Guarded([this, item] { ResultViewClick(item); }); });
  }
}

QMenu *TMainForm::createPopupMenu() {
  return nullptr;
}

bool TMainForm::event(QEvent *event) {
  if (event->type() == ChildNotice::Type()) {
    const auto *notice = static_cast<ChildNotice *>(event);
    const auto pending = PendingNotices.find(notice->Key);
    const int keepView = pending != PendingNotices.end() ? pending->second : 0;
    if (pending != PendingNotices.end())
      PendingNotices.erase(pending);
    if (notice->Child)
      SendUserMessage(notice->Child, UM_MODELCHANGED, keepView);
    return true;
  }
  const UserMessageEvent *message = AsUserMessage(event);
  if (message == nullptr || message->Message != UM_STARTUP)
    return QMainWindow::event(event);
  Guarded([this] { Startup(); });
  return true;
}

void TMainForm::closeEvent(QCloseEvent *event) {
  bool allowed = false;
  Guarded([&] { allowed = FormCloseQuery(); });
  if (!allowed) {
    event->ignore();
    return;
  }
  Guarded([this] { FormClose(); });
  event->accept();
  emit FormClosed();
}

// The settings of this run are kept beside the program; without a settings
// file the built-in defaults stay.
void TMainForm::LoadSettings() {
  SettingsFileName = ChangeExtension(QCoreApplication::applicationFilePath().toStdString(), "dat");
  ReadSettings(SettingsFileName);
}

// A settings file that cannot be written is not reported: the program is
// ending and the previous file stays as it was.
void TMainForm::FormClose() {
  WriteSettings(SettingsFileName);
  KillEditors();
  RemoveTempFiles(TempFiles);
}

// Runs from the message loop once every form exists: the place where the
// batch file named on the command line is run.
void TMainForm::Startup() {
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1)
    RunBatchFile(*this, arguments[1].toStdString());
}
