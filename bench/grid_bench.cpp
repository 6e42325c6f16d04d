// Times the data grid inside the program's frame window on a generated
// frame (default 100 x 100), with the node grid in a child window and every
// other child window the frame has open: one full paint of the grid's
// viewport, a paste of 1,000 rows x 6 columns, "Addieren" and "Löschen"
// over the pasted block.  Each bulk command is timed with the rebuilds it
// posts to the child windows.
// Usage: grid_bench [storeys bays]
//        grid_bench --screenshot FILE   (a picture of a bound grid; run it
//                                        under a window system)
#include "app/Application.h"
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "platform/DialogAnswerer.h"
#include "tests/support/GridLayouts.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A child window of the frame holding the node grid.
TUserGrid *OpenNodeGrid(TMainForm &frame, QSize size) {
  auto *page = new QWidget;
  page->setWindowTitle("Geometrie");
  auto *layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  TUserGrid *grid = MakeNodeGrid(page);
  grid->ParentForm = page;
  layout->addWidget(grid);
  QMdiSubWindow *child = frame.MdiArea->addSubWindow(page);
  child->resize(size);
  child->show();
  frame.activateWindow();
  QApplication::setActiveWindow(&frame);
  grid->setFocus();
  QApplication::processEvents();
  return grid;
}

// Sends a mouse event to the grid at the centre of a cell.
void Mouse(TUserGrid *grid, QEvent::Type type, int column, int row) {
  const QPointF at = grid->CellRect(column, row).center();
  QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &event);
}

// Drags a block from (column1, row1) to (column2, row2), scrolling between.
void DragBlock(TUserGrid *grid, int column1, int row1, int column2, int row2) {
  grid->SetCell(column1, row1);
  Mouse(grid, QEvent::MouseButtonPress, column1, row1);
  grid->SetCell(column2, row2);
  Mouse(grid, QEvent::MouseMove, column2, row2);
  Mouse(grid, QEvent::MouseButtonRelease, column2, row2);
}

void Key(TUserGrid *grid, int key, Qt::KeyboardModifiers held) {
  QKeyEvent event(QEvent::KeyPress, key, held);
  QApplication::sendEvent(grid, &event);
}

int Screenshot(TMainForm &frame, const char *file) {
  Nodes.ClearRows();
  const double points[][2] = {{0, 0}, {0, 4.5}, {6, 4.5}, {6, 0}, {3, 6.25}};
  for (int i = 0; i < 5; ++i) {
    NodeRecord &node = Nodes.At(i);
    node.state = 255;
    node.x = points[i][0];
    node.z = points[i][1];
    node.supportX = node.supportZ = (i == 0 || i == 3) ? 1 : 0;
    node.supportR = i == 0 ? 1 : 0;
  }
  Nodes.Refresh();
  frame.resize(760, 420);
  TUserGrid *grid = OpenNodeGrid(frame, QSize(560, 300));
  DragBlock(grid, 1, 3, 2, 4); // a block over x and z of nodes 2 and 3
  grid->SetCell(3, 5);         // the current cell: a choice of node 4
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
  const QPixmap picture = frame.screen()->grabWindow(frame.winId());
  if (!picture.save(file)) {
    std::fprintf(stderr, "cannot write %s\n", file);
    return 1;
  }
  return 0;
}

int Bench(TMainForm &frame, int storeys, int bays) {
  FrameSpec spec;
  spec.storeys = storeys;
  spec.bays = bays;
  const FrameSize size = GenerateFrame(spec);
  // A graph window rebuilds on every model change the grid reports.
  frame.Grafik1Click();
  QApplication::processEvents();
  std::printf("frame %d x %d: %d nodes, %d beams; %d child windows open before the grid\n", storeys,
              bays, size.nodes, size.beams,
              static_cast<int>(frame.MdiArea->subWindowList().size()));
  frame.resize(1000, 800);
  TUserGrid *grid = OpenNodeGrid(frame, QSize(700, 700));

  constexpr int kPaints = 50;
  Clock::time_point start = Clock::now();
  for (int i = 0; i < kPaints; ++i)
    grid->viewport()->repaint();
  std::printf("  full viewport paint (%d x %d pixels): %.2f ms\n", grid->viewport()->width(),
              grid->viewport()->height(), MillisecondsSince(start) / kPaints);

  constexpr int kRows = 1000;
  std::string text;
  for (int row = 0; row < kRows; ++row)
    text += std::to_string(row * 0.5) + "\t" + std::to_string(row % 7) + "\t1\t0\t" +
            std::to_string(row % 2) + "\t" + std::to_string(row % 90) + "\r\n";
  QApplication::clipboard()->setText(QString::fromStdString(text));
  const int first = grid->FixedRows();
  grid->SetCell(1, first);
  start = Clock::now();
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
  std::printf("  paste %d rows x 6 columns: %.1f ms\n", kRows, MillisecondsSince(start));

  DragBlock(grid, 1, first, 6, first + kRows - 1);
  ScopedDialogAnswerer answerer([](const DialogRequest &) {
    return DialogAnswer{MsgResult::Ok, {}, "1,5"};
  });
  start = Clock::now();
  grid->AddPoupClick();
  QApplication::processEvents();
  std::printf("  \"Addieren\" over %d x 6 cells: %.1f ms\n", kRows, MillisecondsSince(start));

  start = Clock::now();
  grid->DelPoupClick();
  QApplication::processEvents();
  std::printf("  \"Löschen\" over %d rows: %.1f ms\n", kRows, MillisecondsSince(start));
  std::printf("  nodes in use afterwards: %d\n", Nodes.ActiveCount());
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  int programOnly = 1; // the frame window would run any argument as a batch file
  QApplication application(programOnly, argv);
  PrepareApplication(application);
  AutoCreatedForms forms;
  forms.mainForm.show();
  int result = 0;
  if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
    result = Screenshot(forms.mainForm, argv[2]);
  else
    result = Bench(forms.mainForm, argc >= 3 ? std::atoi(argv[1]) : 100,
                   argc >= 3 ? std::atoi(argv[2]) : 100);
  // The edits count as saved: nothing asks when the frame closes.
  forms.mainForm.SetSystemChanged(0);
  forms.mainForm.SetLoadChanged(0);
  return result;
}
