#pragma once
// The graph window: an MDI child that shows the structure and the results
// of one GraphWindow state.  It owns the state (layers, tab, scales, view,
// display list) and forwards the tool bar, the tab bar, the mouse and the
// window messages to it; the paint box only replays the display list.  Any
// number of them can be open; each frees itself when closed.
#include "graphics/core/GraphWindow.h"
#include "graphics/core/PanPicture.h"
#include "graphics/widgets/PaintBoxPicture.h"
#include "graphics/widgets/ReplayJob.h"

#include <QImage>
#include <QWidget>
#include <memory>

class QMdiArea;
class QSpinBox;
class QTabBar;
class QTimer;
class QToolButton;
class UserMessageEvent;

class TGraphForm : public QWidget, private GraphWindowView {
  Q_OBJECT

public:
  // Builds the window, adds it to area as a child of 766 x 496 pixels in
  // the middle of the area (offset from windows already there) and shows
  // it, on tab of the current analysis kind (the first one when there is no
  // such tab) with its view fitted to that tab's drawing.
  explicit TGraphForm(QMdiArea *area, int tab = 0);
  ~TGraphForm() override;

  GraphWindow &State() { return *Window; }

  // The state's operations as the main window and the batch run use them.
  void UpdateTabs() { State().UpdateTabs(); }
  void Rebuild() { State().Rebuild(); }
  std::string CurrentTabName() const { return Window->CurrentTabName(); }
  // The picture of the window, the part of the world it shows (ShownBox),
  // on the clipboard and, when fileName is given, in that file
  // (graphics/widgets/PictureExport.h); false after the message that it
  // failed.
  bool CopyPicture(const std::string *fileName);
  // The part of the world the paint box shows (GraphWindow::ShownBox): what
  // the picture and the printout show.  The view box while the window is not
  // on the screen.
  Box2D ShownBox() const;
  // The designed size of the window less its frame, so that arranging the
  // windows ("Überlappend") gives each its designed size.
  QSize sizeHint() const override;
  // Shows box as the view (KeepView stays as it is) and repaints.
  void SetViewBox(const Box2D &box);

  QWidget *ToolBar1;
  QToolButton *SpeedButton1, *CopyButton, *ToolButton2, *ToolButton3, *ToolButton4;
  QToolButton *ToolButton6, *ToolButton7, *ToolButton12, *ToolButton8, *ToolButton9, *ToolButton10,
      *LoadButton, *ToolButton11, *ToolButton14;
  QSpinBox *CSpinEdit4, *CSpinEdit1, *CSpinEdit2, *CSpinEdit3, *CSpinEdit5, *CSpinEdit6;
  QTabBar *TabControl2;
  QWidget *Panel1;
  QWidget *PaintBox1;
  // What the paint box shows while the left button pans or the window is
  // resized.
  PanPicture Pan;

public slots:
  void TabControl2Change();
  // "Grafik drucken": only this window is printed.
  void SpeedButton1Click();
  // "In Zwischenablage kopieren".
  void CopyButtonClick();
  void ToolButton2Click();
  void ToolButton3Click();
  void ToolButton4Click();

protected:
  bool event(QEvent *event) override;

private:
  friend class TPaintBox;

  void CreateComponents();
  void CreateToolBar();
  QToolButton *AddButton(const char *name, const char *hint, int image, bool checkable);
  void AddSeparator(const char *name);
  QSpinBox *AddSpinEdit(const char *name, const char *hint, int minimum, int maximum, int step,
                        int value, void (TGraphForm::*change)(int), int doubleClickValue);
  void CreateLayerButtons();
  void ModeButtonClicked(QToolButton *button, QToolButton *other, Qt::CursorShape cursor);
  void CSpinEdit1Change(int value);
  void CSpinEdit2Change(int value);
  void CSpinEdit3Change(int value);
  void CSpinEdit4Change(int value);
  void CSpinEdit5Change(int value);
  void CSpinEdit6Change(int value);
  void FocusChanged(QWidget *old, QWidget *now);
  bool WithinWindow(const QWidget *widget) const;
  // The messages of the graphics printout; any other message is left alone.
  void PrintMessage(const UserMessageEvent &message);

  // The paint box's handlers.
  void PaintBox1Paint(class QPaintEvent *event);
  void PaintBox1MouseDown(class QMouseEvent *event);
  void PaintBox1MouseMove(class QMouseEvent *event);
  void PaintBox1MouseUp(class QMouseEvent *event);
  void PaintBox1DblClick();
  void PaintBox1Resize();
  void ZoomFinished();
  // The view the paint box shows now.
  TViewTransform CurrentView() const;
  // True when Picture is of the paint box's size and view.
  bool PictureShowsView() const;
  // The list replayed into Picture on all cores, on this thread.
  void ReplayPicture();
  // Begins the replay that PanPicture says is due, on a thread of its own,
  // or waits for it (PanTimer).
  void ScheduleReplay();
  void PictureReplayed(const ReplayedPicture *picture);
  void PanEnded();

  // GraphWindowView.
  void ShowTabs() override;
  void ShowLayers(LayerBits layers) override;
  void ShowCaption(const std::string &caption) override;
  void Invalidate() override;
  void ShowRubberBand() override;
  void ShowPan() override;
  void ListChanging() override;

  std::unique_ptr<GraphWindow> Window;
  // The replayed list as last painted and the view it shows; stale after
  // every change of the list or the view but a pan's moves and a slow
  // picture's resize, so that a moving rubber band, a pan or a resize does
  // not replay the list each time.
  QImage Picture;
  TViewTransform PictureView;
  bool PictureStale = true;
  // Where the last replay spent its time, for the bands of the next.
  ReplayCosts Costs;
  // Brings the replay that a pan or a resize is due.
  QTimer *PanTimer;
  // The replay during a pan or a resize; declared after Window, so that it
  // has ended before the list goes.
  ReplayJob Job;
};
