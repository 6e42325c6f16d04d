// "Grafik &drucken": the print dialog decides, the answered PDF file gets
// one page with frame, title block and the graph windows in their tiles.
#include "app/MainForm.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QtTest>

namespace {
// The pages a PDF file holds.
int PdfPages(const QString &path) {
  return ReadBytes(path).count("/Type /Page\n");
}
} // namespace

class GraphicsPrintTest : public QObject {
  Q_OBJECT
private slots:
  void printsOnePageIntoTheAnsweredPdf();
};

void GraphicsPrintTest::printsOnePageIntoTheAnsweredPdf() {
  FormsSession session;
  TempFolder folder;
  const QString pdf = QString::fromStdString(folder.File("grafik.pdf"));
  DialogRecorder dialogs;
  QVERIFY(session.Form().Grafikdrucken1->isEnabled());

  dialogs.Answer(MsgResult::Cancel);
  session.Form().Grafikdrucken1->trigger();
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  QCOMPARE(dialogs.requests[0].kind, DialogKind::Print);
  QCOMPARE(dialogs.requests[0].text, std::string("Kelmor"));
  QVERIFY(folder.Entries().empty());

  dialogs.Answer(MsgResult::Ok, pdf.toStdString());
  session.Form().Grafikdrucken1->trigger();
  QCOMPARE(PdfPages(pdf), 1);
  QVERIFY(dialogs.Messages().empty());
}

QTEST_MAIN(GraphicsPrintTest)
#include "graphics_print_test.moc"
