#pragma once
// The two input forms, children of the frame window: "Geometrie" with one
// grid page per system table and "Belastung" with one per load list.  Both
// are built from their descriptions (InputFormLayouts.h) and differ in
// nothing else.  A form binds its grids to the global tables when it is
// made; the tables keep their data when it goes, and a new form binds them
// again.  The frame's model-change messages pass a form by: its grids
// repaint from their tables.
#include "app/InputFormLayouts.h"

#include <QStyle>
#include <QWidget>
#include <string>
#include <vector>

class QTabWidget;
class QToolBar;
class QToolButton;
class TUserGrid;

class TInputForm : public QWidget {
  Q_OBJECT

public:
  TInputForm(const FormLayout &layout, QWidget *parent);

  // The caption: the layout's prefix, then text; nothing else changes.
  void SetName(const std::string &text);
  // Stores what is typed but not yet stored in any grid of the form; false
  // when a grid refused its text, which then stays there for correction.
  bool CommitEdits();
  // Brings the faulty page to the front and puts its grid's cursor on the
  // fault's row and column (a column beyond the grid: its last column).
  // A page the form does not have changes nothing.
  void ShowFault(const InputFault &fault);
  // The grid of the page with that object name; null when there is none.
  TUserGrid *PageGrid(const char *pageName) const;
  // Gives the keyboard to the grid of the page in front.
  void FocusPageGrid();
  // Stores the pending edit and shows the page step pages on (Ctrl+PgDn 1,
  // Ctrl+PgUp -1); beyond the first or last page, or when the edit is
  // refused, nothing changes.
  void ShowNextPage(int step);

  QTabWidget *PageControl1;
  QToolBar *ToolBar1;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;
  std::vector<TUserGrid *> Grids; // in page order

public slots:
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void CreateToolBar();
  QToolButton *AddButton(const char *name, const char *hint, QStyle::StandardPixmap icon,
                         void (TInputForm::*handler)());
  void CreatePage(const PageLayout &page);
  void CreatePageKeys();
  void FormCreate();
  void FormClose();

  const FormLayout &Layout;
};

class TSystemInputForm : public TInputForm {
  Q_OBJECT

public:
  explicit TSystemInputForm(QWidget *parent = nullptr) : TInputForm(SystemFormLayout(), parent) {}
};

class TLoadInputForm : public TInputForm {
  Q_OBJECT

public:
  explicit TLoadInputForm(QWidget *parent = nullptr) : TInputForm(LoadFormLayout(), parent) {}
};
