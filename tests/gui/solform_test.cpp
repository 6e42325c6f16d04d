// The status window on its own: stage markers, counts painted at once while
// the message loop is blocked, the button states and the keys.
#include "app/SolForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
  explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
  int paints = 0;

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint)
      ++paints;
    return false;
  }
};

QStringList ShownMarkers(const TSolForm &form) {
  QStringList shown;
  for (QFrame *frame :
       {form.Bevel2, form.Bevel3, form.Bevel4, form.Bevel5, form.Bevel8, form.Bevel6, form.Bevel9})
    if (!frame->isHidden())
      shown << frame->objectName();
  return shown;
}

QStringList ShownButtons(const TSolForm &form) {
  QStringList shown;
  for (QPushButton *button : {form.BitBtn1, form.BitBtn2, form.NextButton, form.CancelButton})
    if (!button->isHidden())
      shown << button->text();
  return shown;
}

} // namespace

class SolFormTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void stepsMoveOneMarkerAndCountsPaintAtOnce();
  void showingStartsInTheRunningState();
  void enterAndEscapePressTheVisibleButtons();

private:
  std::unique_ptr<TSolForm> form_;
};

void SolFormTest::init() {
  form_ = std::make_unique<TSolForm>();
  QCOMPARE(SolForm, form_.get());
  QVERIFY(form_->isHidden());
  QCOMPARE(form_->windowTitle(), QString("Status der Berechnung"));
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void SolFormTest::cleanup() {
  form_.reset();
}

void SolFormTest::stepsMoveOneMarkerAndCountsPaintAtOnce() {
  TSolForm &form = *form_;
  QVERIFY(ShownMarkers(form).isEmpty());
  form.SetStep(1);
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel2"});
  form.SetStep(1);
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel2"});
  form.SetStep(4);
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel5"});
  form.SetStep(6);
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel6"});
  form.SetStep(5);
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel8"});
  form.SetStep(0);
  QVERIFY(ShownMarkers(form).isEmpty());
  form.SetStep(8);
  QVERIFY(ShownMarkers(form).isEmpty());

  // No event is processed between a setter and its check: the control must
  // have been painted by the setter itself.
  PaintCounter nodes(form.NodeNb), memory(form.Memory), norm(form.Norm), marker(form.Bevel9);
  form.SetNodeNb(12);
  QCOMPARE(nodes.paints, 1);
  form.SetMemory(2147483647);
  QCOMPARE(memory.paints, 1);
  form.ShowNormText("Normalkraftnorm = 0.001000");
  QCOMPARE(norm.paints, 1);
  form.SetStep(7);
  QCOMPARE(marker.paints, 1);
  form.SetBCNb(-3);
  QCOMPARE(form.NodeNb->text(), QString("12"));
  QCOMPARE(form.Memory->text(), QString("2147483647"));
  QCOMPARE(form.BCNb->text(), QString("-3"));
  QVERIFY(!form.Norm->isHidden());
}

void SolFormTest::showingStartsInTheRunningState() {
  TSolForm &form = *form_;
  QCOMPARE(ShownButtons(form), QStringList{"Berechnung"});
  QVERIFY(form.Iter->isHidden() && form.Norm->isHidden());

  form.SetStep(2);
  form.ShowIterationText("Iteration: 3");
  form.ShowIterationState();
  QCOMPARE(ShownButtons(form), (QStringList{"Weiter", "Beenden"}));
  QVERIFY(form.IterationWaiting());
  form.EndIteration(); // as "Beenden": lines and window hidden
  QVERIFY(form.isHidden() && form.Iter->isHidden());
  QVERIFY(!form.IterationWaiting());

  form.show();
  QCOMPARE(ShownButtons(form), QStringList{"Berechnung"});
  QCOMPARE(form.Iter->text(), QString());
  QVERIFY(ShownMarkers(form).isEmpty());
  form.SetStep(2); // still the current marker: shown again
  QCOMPARE(ShownMarkers(form), QStringList{"Bevel3"});

  form.ShowErrorState();
  QCOMPARE(ShownButtons(form), QStringList{"Fehler"});
  form.EndIteration(); // nothing waits: the error stays on screen
  QVERIFY(form.isVisible());
  form.ShowFinishedState();
  QCOMPARE(ShownButtons(form), QStringList{"Fertig"});
}

void SolFormTest::enterAndEscapePressTheVisibleButtons() {
  TSolForm &form = *form_;
  form.ShowErrorState();
  QTest::keyClick(&form, Qt::Key_Escape); // "Fehler" is no cancel button
  QVERIFY(form.isVisible());
  QTest::keyClick(&form, Qt::Key_Return);
  QVERIFY(form.isHidden());

  form.show();
  form.ShowFinishedState();
  QTest::keyClick(&form, Qt::Key_Escape);
  QVERIFY(form.isHidden());

  form.show();
  form.ShowIterationState();
  form.ShowIterationText("Iteration: 1");
  QTest::keyClick(&form, Qt::Key_Escape);
  QVERIFY(form.isHidden());
  QVERIFY(form.Iter->isHidden());
}

QTEST_MAIN(SolFormTest)
#include "solform_test.moc"
