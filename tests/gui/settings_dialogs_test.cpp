// The settings window, the value dialog and the option dialogs, driven as a
// user does: from the menus, by double clicks in the tree and by the
// dialogs' own buttons, on the example frame with a zoomed graph window.
// The value dialog and the option dialogs are modal: a timer acts in them
// once they show; the colour dialog and the boxes are answered by the
// answerer.  Numbers are shown and read under a German locale.
#include "analysis/ResultQueries.h"
#include "analysis/Solutions.h"
#include "app/Application.h"
#include "graphics/core/Settings.h"
#include "graphics/core/TreeClass.h"
#include "graphics/widgets/TGraphForm.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/PaintRecords.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <optional>

namespace {

constexpr int kOwnColour = 0x123456;

// Runs act once dialog shows, from inside its modal loop.
void WhenShown(QWidget *dialog, std::function<void()> act, int attempts = 200) {
  QTimer::singleShot(10, dialog, [dialog, act, attempts] {
    if (dialog->isVisible())
      act();
    else if (attempts > 0)
      WhenShown(dialog, act, attempts - 1);
  });
}

// The item below "Einstellung" at the path of captions.
QTreeWidgetItem *Item(const QStringList &path) {
  QTreeWidgetItem *item = TreeForm->TreeView1->topLevelItem(0);
  for (const QString &caption : path) {
    QTreeWidgetItem *child = nullptr;
    for (int i = 0; i < item->childCount() && !child; ++i)
      if (item->child(i)->text(0) == caption)
        child = item->child(i);
    if (!child)
      return nullptr;
    item = child;
  }
  return item;
}

void DoubleClick(const QStringList &path) {
  QTreeWidgetItem *item = Item(path);
  QVERIFY2(item, qPrintable(path.join('/')));
  QTreeWidget *tree = TreeForm->TreeView1;
  tree->scrollToItem(item);
  const QPoint at = tree->visualItemRect(item).center();
  // A double click is a click followed by the double-click event.
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

const QStringList kNodeColour{"Grafikeinstellung", "Geometrie", "Knoten", "Farbe"};
const QStringList kNodeLine{"Grafikeinstellung", "Geometrie", "Knoten", "Liniendicke"};
const QStringList kNodeGroup{"Grafikeinstellung", "Geometrie", "Knoten"};

double &NodeLine() {
  return Grafikeinstellung.Geometrie.Knoten.Liniendicke;
}
int &NodeColour() {
  return Grafikeinstellung.Geometrie.Knoten.Farbe;
}

bool HasPen(const PaintContainer &display, int colour) {
  for (const PaintRecordView &record : DecodeRecords(display))
    if (record.type == kPenColourRecord && record.value == colour)
      return true;
  return false;
}

bool SameBox(const Box2D &a, const Box2D &b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

std::string FileText(const std::string &path) {
  return ReadBytes(QString::fromStdString(path)).toStdString();
}

} // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void editsReachTheirVariablesKeepTheViewAndComeBackFromTheFile();
  void cancelledEditsChangeNothing();
  void resetRestoresEveryDefault();
  void enterAndEscHideTheWindowAfterAnyButton();
  void badInputIsRefusedAndStepsActAtOnce();
  void marginsOutOfRangeShowWithinTheSpinRange();
  void tensionSwitchActsOnTheNextAnalysisAndIsNotStored();
  void infoShowsLogoAndVersion();

private:
  TMainForm &Form() { return session_->Form(); }
  // Opens the example frame with a graph window, zooms the window and
  // focuses it, then shows "Konfiguration", which takes the focus.
  void OpenZoomedGraphAndSettings();
  void OpenSettings();
  TGraphForm *Graph() const { return graph_; }

  std::optional<TempFolder> folder_;
  std::optional<FormsSession> session_;
  TGraphForm *graph_ = nullptr;
  Box2D zoomed_;
};

void SettingsDialogsTest::init() {
  SettingsRoot().Restore();
  Solutions.TensionOption = 1;
  folder_.emplace();
  CopyExampleFrame(*folder_);
  session_.emplace();
  Form().show();
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
}

void SettingsDialogsTest::cleanup() {
  graph_ = nullptr;
  session_.reset();
  folder_.reset();
  SettingsRoot().Restore();
  Solutions.TensionOption = 1;
}

void SettingsDialogsTest::OpenZoomedGraphAndSettings() {
  QCOMPARE(Form().OpenSystemFile(folder_->File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_->File("portal.sla")), 1);
  Form().Grafik1->trigger();
  graph_ = qobject_cast<TGraphForm *>(Form().MdiArea->subWindowList().front()->widget());
  QVERIFY(graph_);
  QCoreApplication::sendPostedEvents();
  Graph()->State().ZoomIn();
  Graph()->State().ZoomIn();
  zoomed_ = Graph()->State().ViewBox;
  Form().MdiArea->setActiveSubWindow(Form().MdiArea->subWindowList().front());
  Graph()->PaintBox1->setFocus();
  QTRY_VERIFY(Graph()->PaintBox1->hasFocus());
  QCOMPARE(Graph()->State().KeepView, 1);
  OpenSettings();
  // The graph window lost the focus: its next rebuild would refit the view
  // unless the message says to keep it.
  QCOMPARE(Graph()->State().KeepView, 0);
}

void SettingsDialogsTest::OpenSettings() {
  Form().Konfiguration1->trigger();
  QVERIFY(TreeForm->isVisible());
  QVERIFY(TreeForm->windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(QTest::qWaitForWindowActive(TreeForm));
}

void SettingsDialogsTest::editsReachTheirVariablesKeepTheViewAndComeBackFromTheFile() {
  OpenZoomedGraphAndSettings();
  DialogRecorder dialogs;
  // Colours start from the default, not from the current value.
  NodeColour() = 255;
  DialogAnswer colour(MsgResult::Ok);
  colour.color = kOwnColour;
  dialogs.script.push_back(colour);
  DoubleClick(kNodeColour);
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  QCOMPARE(dialogs.requests[0].kind, DialogKind::Color);
  QCOMPARE(dialogs.requests[0].color, 32768);
  QCOMPARE(NodeColour(), kOwnColour);

  // One step up on 0.003 gives 0.0033 at once, shown in German notation.
  QString shown, stepped;
  WhenShown(ValueEditForm, [&] {
    shown = ValueEditForm->Edit1->text();
    ValueEditForm->UpButton->click();
    stepped = ValueEditForm->Edit1->text();
    ValueEditForm->Button1->click();
  });
  DoubleClick(kNodeLine);
  QCOMPARE(shown, QString("0,003"));
  QCOMPARE(stepped, QString("0,0033"));
  QVERIFY(!ValueEditForm->isVisible());
  QCOMPARE(NodeLine(), 0.003 + 0.1 * 0.003);

  WhenShown(DruckerForm, [] {
    QCOMPARE(DruckerForm->MaskEdit1->text(), QString("Velto.exe"));
    QCOMPARE(DruckerForm->Left->value(), 5);
    DruckerForm->MaskEdit1->setText("/opt/werkzeug/textansicht");
    DruckerForm->Left->setValue(12);
    DruckerForm->Right->setValue(20);
    DruckerForm->Top->setValue(7);
    DruckerForm->Bottom->setValue(0);
    DruckerForm->Button1->click();
  });
  Form().DruckerundAusgabeeditor1->trigger();
  QCOMPARE(EditorProgram, std::string("/opt/werkzeug/textansicht"));
  QCOMPARE(PrintPage.Links, 12.0);
  QCOMPARE(PrintPage.Rechts, 20.0);
  QCOMPARE(PrintPage.Oben, 7.0);
  QCOMPARE(PrintPage.Unten, 0.0);

  // The window rebuilt with the new pen and kept its zoomed view.
  QCoreApplication::sendPostedEvents();
  QVERIFY(HasPen(Graph()->State().Display, kOwnColour));
  QVERIFY(SameBox(Graph()->State().ViewBox, zoomed_));

  // Closing writes the settings; fresh forms read them back.
  Form().SetSystemChanged(0);
  Form().SetLoadChanged(0);
  Form().close();
  const std::string file = SettingsFileName;
  const std::string written = FileText(file);
  QVERIFY(written.find("EinstellungGrafikeinstellungGeometrieKnotenFarbe = 1193046\n") !=
          std::string::npos);
  QVERIFY(written.find("KnotenLiniendicke = 0.003300\n") != std::string::npos);
  QVERIFY(written.find("Links = 12.000000\n") != std::string::npos);
  session_.reset();
  QVERIFY(WriteBytes(QString::fromStdString(file), QByteArray::fromStdString(written)));
  SettingsRoot().Restore();
  session_.emplace();
  QCOMPARE(NodeColour(), kOwnColour);
  QCOMPARE(NodeLine(), 0.0033);
  QCOMPARE(EditorProgram, std::string("/opt/werkzeug/textansicht"));
  DruckerForm->ShowSettings();
  QCOMPARE(DruckerForm->Left->value(), 12);
  QCOMPARE(DruckerForm->Right->value(), 20);
  QCOMPARE(DruckerForm->Top->value(), 7);
  QCOMPARE(DruckerForm->Bottom->value(), 0);
}

void SettingsDialogsTest::cancelledEditsChangeNothing() {
  OpenZoomedGraphAndSettings();
  DialogRecorder dialogs;
  // A colour changed behind the window's back shows only after a rebuild.
  NodeColour() = kOwnColour;
  dialogs.Answer(MsgResult::Cancel);
  DoubleClick(kNodeColour);
  QCOMPARE(dialogs.requests.back().kind, DialogKind::Color);
  QCOMPARE(NodeColour(), kOwnColour);
  QCoreApplication::sendPostedEvents();
  QVERIFY(HasPen(Graph()->State().Display, kOwnColour));

  // A double click on a group edits nothing, but the window rebuilds too.
  NodeColour() = 0x654321;
  const std::size_t asked = dialogs.requests.size();
  DoubleClick(kNodeGroup);
  QCOMPARE(dialogs.requests.size(), asked);
  QCoreApplication::sendPostedEvents();
  QVERIFY(HasPen(Graph()->State().Display, 0x654321));

  // Reset answered No: no value changes and no window rebuilds.
  NodeColour() = 0x00ff00;
  dialogs.Answer(MsgResult::No);
  TreeForm->Button2->click();
  QCOMPARE(dialogs.requests.back().text,
           std::string("Wollen Sie wirklich alle Werte zurücksetzen ?"));
  QCOMPARE(dialogs.requests.back().caption, std::string("Bestätigung"));
  QCOMPARE(NodeColour(), 0x00ff00);
  QCoreApplication::sendPostedEvents();
  QVERIFY(!HasPen(Graph()->State().Display, 0x00ff00));
  QVERIFY(SameBox(Graph()->State().ViewBox, zoomed_));

  // The value dialog's close box drops the typed text.
  WhenShown(ValueEditForm, [] {
    ValueEditForm->Edit1->setText("0,5");
    ValueEditForm->close();
  });
  DoubleClick(kNodeLine);
  QCOMPARE(NodeLine(), 0.003);

  // "Abbruch" and the close box of "Editor und Seitenränder" keep both.
  for (bool closeBox : {false, true}) {
    WhenShown(DruckerForm, [closeBox] {
      DruckerForm->MaskEdit1->setText("anderer");
      DruckerForm->Left->setValue(30);
      if (closeBox)
        DruckerForm->close();
      else
        DruckerForm->Button2->click();
    });
    Form().DruckerundAusgabeeditor1->trigger();
    QCOMPARE(EditorProgram, std::string("Velto.exe"));
    QCOMPARE(PrintPage.Links, 5.0);
  }
}

void SettingsDialogsTest::resetRestoresEveryDefault() {
  OpenSettings();
  NodeColour() = kOwnColour;
  NodeLine() = 0.5;
  EditorProgram = "anderer";
  PrintPage.Unten = 17;
  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Yes);
  TreeForm->Button2->click();
  QCOMPARE(NodeColour(), 32768);
  QCOMPARE(NodeLine(), 0.003);
  QCOMPARE(EditorProgram, std::string("Velto.exe"));
  QCOMPARE(PrintPage.Unten, 5.0);
  // "&Ok" hides the window.
  TreeForm->Button1->click();
  QVERIFY(!TreeForm->isVisible());
  Form().close();
  QCOMPARE(FileText(SettingsFileName), std::string());
}

// "Voreinstellung" keeps the focus after its question; Enter and Esc still
// stand for "&Ok".
void SettingsDialogsTest::enterAndEscHideTheWindowAfterAnyButton() {
  DialogRecorder dialogs;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    OpenSettings();
    dialogs.Answer(MsgResult::No);
    // A click gives a button the focus; QTest's does not.
    QApplication::setActiveWindow(TreeForm);
    TreeForm->Button2->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(TreeForm->Button2, Qt::LeftButton);
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QTRY_VERIFY(TreeForm->Button2->hasFocus());
    QTest::keyClick(TreeForm->Button2, key);
    QVERIFY(!TreeForm->isVisible());
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    dialogs.requests.clear();
  }
}

void SettingsDialogsTest::badInputIsRefusedAndStepsActAtOnce() {
  OpenSettings();
  DialogRecorder dialogs;
  QStringList refused;
  bool stayedOpen = true;
  double afterSteps = 0, afterDefault = 0;
  WhenShown(ValueEditForm, [&] {
    for (const char *text : {"abc", "inf", "1e999", "0.005"}) {
      ValueEditForm->Edit1->setText(text);
      ValueEditForm->Button1->click();
      stayedOpen = stayedOpen && ValueEditForm->isVisible() && NodeLine() == 0.003;
      refused.append(QString::fromStdString(dialogs.Messages().back()));
    }
    for (int i = 0; i < 3; ++i)
      ValueEditForm->UpButton->click();
    afterSteps = NodeLine();
    ValueEditForm->Button2->click();
    afterDefault = NodeLine();
    // Esc takes the typed text as "&Ok" does.
    ValueEditForm->Edit1->setText("0,004");
    QTest::keyClick(ValueEditForm, Qt::Key_Escape);
  });
  DoubleClick(kNodeLine);
  QVERIFY(stayedOpen);
  QCOMPARE(refused.size(), 4);
  QVERIFY(refused[0].contains("abc") && refused[3].contains("0.005"));
  QVERIFY(std::fabs(afterSteps - 0.0039) < 1e-15);
  QCOMPARE(afterDefault, 0.003);
  QCOMPARE(NodeLine(), 0.004);
  QVERIFY(!ValueEditForm->isVisible());

  // A step stays in force after the close box.
  WhenShown(ValueEditForm, [] {
    ValueEditForm->DownButton->click();
    ValueEditForm->close();
  });
  DoubleClick(kNodeLine);
  QVERIFY(std::fabs(NodeLine() - 0.0037) < 1e-15);

  // Texts are taken as typed.
  WhenShown(ValueEditForm, [] {
    QVERIFY(ValueEditForm->UpDown1->isHidden());
    ValueEditForm->Edit1->setText("/usr/bin/anzeige");
    ValueEditForm->Button1->click();
  });
  DoubleClick({"Editor und Seitenränder", "Editor für die Textausgabe"});
  QCOMPARE(EditorProgram, std::string("/usr/bin/anzeige"));
}

void SettingsDialogsTest::marginsOutOfRangeShowWithinTheSpinRange() {
  PrintPage.Links = 7.6;
  PrintPage.Rechts = 60;
  PrintPage.Oben = -3;
  PrintPage.Unten = 1e12;
  std::vector<int> shown;
  WhenShown(DruckerForm, [&] {
    shown = {DruckerForm->Left->value(), DruckerForm->Right->value(), DruckerForm->Top->value(),
             DruckerForm->Bottom->value()};
    DruckerForm->Button1->click();
  });
  Form().DruckerundAusgabeeditor1->trigger();
  QCOMPARE(shown, (std::vector<int>{7, 50, 0, 50}));
  QCOMPARE(PrintPage.Links, 7.0);
  QCOMPARE(PrintPage.Rechts, 50.0);
  QCOMPARE(PrintPage.Oben, 0.0);
  QCOMPARE(PrintPage.Unten, 50.0);
}

void SettingsDialogsTest::tensionSwitchActsOnTheNextAnalysisAndIsNotStored() {
  QCOMPARE(Form().OpenSystemFile(folder_->File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_->File("portal.sla")), 1);
  // Lifted at its head, the left column is a tension bar.
  NodeLoads.At(0).pz = -400;
  auto sway = [this] {
    Form().ThIIOrdnung1Click();
    if (SolForm)
      SolForm->EndIteration();
    return NodeDofValue(Nodes.At(1).modelNode, 0);
  };
  const double allBars = sway();

  WhenShown(OptionenForm, [] {
    QVERIFY(OptionenForm->RadioButton1->isChecked());
    OptionenForm->RadioButton2->click();
    OptionenForm->close();
  });
  Form().Berechnungsoptionen1->trigger();
  QCOMPARE(Solutions.TensionOption, 0);
  const double compressionOnly = sway();
  QVERIFY(allBars != compressionOnly);

  Form().SetSystemChanged(0);
  Form().SetLoadChanged(0);
  Form().close();
  QCOMPARE(FileText(SettingsFileName), std::string());
}

void SettingsDialogsTest::infoShowsLogoAndVersion() {
  QString version;
  QImage logo;
  WhenShown(AboutBox, [&] {
    version = AboutBox->Version->text();
    logo = AboutBox->ProgramIcon->pixmap().toImage();
    AboutBox->OKButton->click();
  });
  Form().HelpAboutItem->trigger();
  QVERIFY(!AboutBox->isVisible());
  QCOMPARE(version, QString("Version 5.78"));
  QCOMPARE(logo.width(), 3 * logo.height());
  int coloured = 0;
  for (int y = 0; y < logo.height(); y += 2)
    for (int x = 0; x < logo.width(); x += 2)
      coloured += logo.pixel(x, y) != qRgb(255, 255, 255);
  QVERIFY(coloured > logo.width() * logo.height() / 40);
}

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  PrepareApplication(application);
  // The user's notation for numbers in dialogs: a decimal comma.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  SettingsDialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "settings_dialogs_test.moc"
