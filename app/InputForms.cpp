// The input forms: tool bar, pages and grids built from the form's layout,
// the tool bar's commands and the display of a check's fault.
#include "app/InputForms.h"

#include "app/MainForm.h"
#include "grid/UserGrid.h"
#include "grid/UserHeader.h"
#include "grid/UserInt.h"
#include "grid/UserList.h"
#include "platform/EventGuard.h"
#include "platform/MessageBox.h"
#include "platform/UserMessage.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The rows of a grid before the binding sets them from its table.
constexpr int kInitialRows = 100;
constexpr int kFormWidth = 620;
constexpr int kFormHeight = 360;

TUserCell *NewCell(const ColumnLayout &layout, TUserGrid *grid) {
  if (layout.kind == CellKind::Choice) {
    auto *list = new TUserList(grid);
    list->SetList(QString::fromUtf8(layout.choices).split('|'));
    return list;
  }
  auto *number = new TUserInt(grid);
  number->SetTyp(layout.kind == CellKind::Integer ? uInteger : uDouble);
  number->SetFormat(QString::fromUtf8(layout.format));
  return number;
}

// The cell's property writes bind it to the grid, as a form resource would.
void AddColumn(TUserGrid *grid, int column, int width, const ColumnLayout &layout) {
  TUserCell *cell = NewCell(layout, grid);
  cell->setObjectName(QString("%1Cell%2").arg(grid->objectName()).arg(column));
  cell->SetFilter(QString::fromUtf8(layout.filter));
  cell->SetMaxTextLen(layout.maxTextLen);
  cell->SetCenter(layout.centred);
  cell->SetOnlyRead(layout.readOnly);
  cell->SetColumn(column);
  cell->SetColWidth(width);
  cell->SetGrid(grid);
}

void AddHeader(TUserGrid *grid, const HeaderLayout &layout) {
  auto *header = new TUserHeader(grid);
  header->SetText(QString::fromUtf8(layout.text));
  header->SetRowB(layout.rowB);
  header->SetRowE(layout.rowE);
  header->SetColB(layout.colB);
  header->SetColE(layout.colE);
  header->SetGrid(grid);
}

} // namespace

TInputForm::TInputForm(const FormLayout &layout, QWidget *parent)
    : QWidget(parent), Layout(layout) {
  setObjectName(layout.objectName);
  setWindowTitle(QString::fromUtf8(layout.caption));
  setProperty("HelpContext", layout.helpContext);
  setAttribute(Qt::WA_DeleteOnClose);
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  CreateToolBar();
  column->addWidget(ToolBar1);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setTabPosition(QTabWidget::South);
  // One row of tabs: those that do not fit are reached by its arrows.
  PageControl1->setUsesScrollButtons(true);
  PageControl1->setElideMode(Qt::ElideNone);
  // The keyboard belongs to the grids: the tabs take no focus (Ctrl+PgDn and
  // Ctrl+PgUp change pages).
  PageControl1->setFocusPolicy(Qt::NoFocus);
  PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
  column->addWidget(PageControl1, 1);
  for (const PageLayout &page : layout.pages)
    CreatePage(page);
  PageControl1->setCurrentIndex(0);
  connect(PageControl1, &QTabWidget::currentChanged, this, &TInputForm::FocusPageGrid);
  CreatePageKeys();
  resize(kFormWidth, kFormHeight);
  FormCreate();
  FocusPageGrid();
}

// Ctrl+PgDn and Ctrl+PgUp change pages from anywhere in the form, as
// spreadsheet programs change sheets; Tab stays in the grid.
void TInputForm::CreatePageKeys() {
  const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                               {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
  for (const auto &[key, step] : keys) {
    auto *action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this,
            [this, step = step] { Guarded([this, step] { ShowNextPage(step); }); });
    addAction(action);
  }
}

void TInputForm::CreateToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName("ToolBar1");
  SpeedButton5 = AddButton("SpeedButton5", Layout.newHint, QStyle::SP_FileIcon,
                           &TInputForm::SpeedButton5Click);
  SpeedButton3 = AddButton("SpeedButton3", Layout.openHint, QStyle::SP_DialogOpenButton,
                           &TInputForm::SpeedButton3Click);
  SpeedButton2 = AddButton("SpeedButton2", Layout.saveHint, QStyle::SP_DialogSaveButton,
                           &TInputForm::SpeedButton2Click);
  SpeedButton1 = AddButton("SpeedButton1", "Zeile löschen (Strg-Del)", QStyle::SP_TrashIcon,
                           &TInputForm::SpeedButton1Click);
  SpeedButton4 = AddButton("SpeedButton4", "Plausibilitätkontrolle", QStyle::SP_DialogApplyButton,
                           &TInputForm::SpeedButton4Click);
}

// Speed buttons take no focus: the grid keeps its cell while one is pressed.
QToolButton *TInputForm::AddButton(const char *name, const char *hint, QStyle::StandardPixmap icon,
                                   void (TInputForm::*handler)()) {
  auto *button = new QToolButton(ToolBar1);
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(hint));
  button->setIcon(style()->standardIcon(icon));
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  connect(button, &QToolButton::clicked, this,
          [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  ToolBar1->addWidget(button);
  return button;
}

void TInputForm::CreatePage(const PageLayout &page) {
  auto *sheet = new QWidget(PageControl1);
  sheet->setObjectName(page.pageName);
  auto *fill = new QVBoxLayout(sheet);
  fill->setContentsMargins(0, 0, 0, 0);
  auto *grid = new TUserGrid(sheet);
  grid->setObjectName(page.gridName);
  grid->setProperty("HelpContext", page.helpContext);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->SetColCount(static_cast<int>(page.widths.size()));
  grid->SetRowCount(kInitialRows);
  grid->SetFixedRows(page.fixedRows);
  grid->SetColumnWidth(page.widths.front());
  grid->ParentForm = this;
  for (std::size_t i = 0; i < page.columns.size() && i + 1 < page.widths.size(); ++i)
    AddColumn(grid, static_cast<int>(i) + 1, page.widths[i + 1], page.columns[i]);
  for (const HeaderLayout &header : page.headers)
    AddHeader(grid, header);
  fill->addWidget(grid);
  PageControl1->addTab(sheet, QString::fromUtf8(page.tabCaption));
  Grids.push_back(grid);
}

void TInputForm::FormCreate() {
  for (std::size_t i = 0; i < Grids.size(); ++i)
    Grids[i]->SetContainer(Layout.pages[i].table);
}

// A form closed by itself rather than through its frame takes the frame
// along (closing the frame closes the form first; the second close returns
// at once).
void TInputForm::closeEvent(QCloseEvent *event) {
  Guarded([this] { FormClose(); });
  event->accept();
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
}

// What was typed goes into the tables before the grids go; the frame
// window's pointer is cleared as the form is freed.
void TInputForm::FormClose() {
  CommitEdits();
}

void TInputForm::SetName(const std::string &text) {
  setWindowTitle(QString::fromUtf8(Layout.titlePrefix) + QString::fromStdString(text));
}

bool TInputForm::CommitEdits() {
  bool stored = true;
  for (TUserGrid *grid : Grids)
    stored = grid->CommitEdit() && stored;
  return stored;
}

TUserGrid *TInputForm::PageGrid(const char *pageName) const {
  for (std::size_t i = 0; i < Grids.size(); ++i)
    if (qstrcmp(Layout.pages[i].pageName, pageName) == 0)
      return Grids[i];
  return nullptr;
}

void TInputForm::FocusPageGrid() {
  const int page = PageControl1->currentIndex();
  if (page >= 0 && page < static_cast<int>(Grids.size()))
    Grids[page]->setFocus(Qt::OtherFocusReason);
}

void TInputForm::ShowNextPage(int step) {
  const int page = PageControl1->currentIndex() + step;
  if (page < 0 || page >= PageControl1->count() || !CommitEdits())
    return;
  PageControl1->setCurrentIndex(page);
}

// The grid brings its page to the front and clamps the column to its own.
void TInputForm::ShowFault(const InputFault &fault) {
  TUserGrid *grid = PageGrid(PageName(fault.page));
  if (grid != nullptr)
    SendUserMessage(grid, UM_MODELCHANGED, fault.row, fault.column);
}

void TInputForm::SpeedButton1Click() {
  if (auto *page = PageControl1->currentWidget())
    for (TUserGrid *grid : page->findChildren<TUserGrid *>())
      SendUserMessage(grid, UM_DELETEROW);
}

// The file commands are the frame window's; a form outlives no frame.
void TInputForm::SpeedButton2Click() {
  if (MainForm != nullptr)
    (MainForm->*Layout.saveFile)();
}

void TInputForm::SpeedButton3Click() {
  if (MainForm != nullptr)
    (MainForm->*Layout.openFile)();
}

void TInputForm::SpeedButton5Click() {
  if (MainForm != nullptr)
    (MainForm->*Layout.newFile)();
}

// A fault is shown by the check itself, through the frame window, so that
// the analysis shows it the same way.
void TInputForm::SpeedButton4Click() {
  if (MainForm != nullptr && !MainForm->CommitInputEdits())
    return; // a refused text is checked once it is corrected
  if (!Layout.check())
    MessageBox("In Ordnung", "Plausibilitätskontrolle");
}
