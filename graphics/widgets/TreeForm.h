#pragma once
// "Konfiguration": the settings tree in a tree view, shown without waiting
// and on top of the other windows.  A double click edits the selected
// setting (a colour in the colour dialog, a real or a text in the value
// dialog); "Voreinstellung" restores every default after a question.  After
// each of both the graph windows rebuild with the current settings and keep
// their views.  The view shows the captions only; it is filled once, when
// the form is made.
#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TreeClass;

class TTreeForm : public QDialog {
  Q_OBJECT

public:
  explicit TTreeForm(QWidget *parent = nullptr);
  ~TTreeForm() override;

  // Position of the item selected last among all items of the view in
  // tree order, the root 0; -1 before the first selection.
  int SelectedIndex = -1;

  QTreeWidget *TreeView1;
  QPushButton *Button1, *Button2;

public slots:
  void TreeView1Change(QTreeWidgetItem *node);
  // Edits the setting at SelectedIndex, then tells the graph windows to
  // rebuild keeping their views, also when nothing was edited (a group, a
  // cancelled dialog).  Nothing at all happens when no setting is selected.
  void TreeView1DblClick();
  // Hides the form ("&Ok", Enter and Esc).
  void Button1Click();
  // Asks; on Yes every setting gets its default and the graph windows
  // rebuild keeping their views.  On No nothing changes.
  void Button2Click();

private:
  void FormCreate();
  void EditSetting(TreeClass &node);
};

// The one settings window, created hidden at program start.
extern TTreeForm *TreeForm;
