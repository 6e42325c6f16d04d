// The frame window as a shell: menus and keys, change marks, messages to
// the child windows, the window and help menus, and what the close leaves.
#include "analysis/Solutions.h"
#include "app/Application.h"
#include "model/SystemTables.h"
#include "platform/UserMessage.h"
#include "tests/support/BarMenu.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FormsSession.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>
#include <optional>

namespace {

// A child window that records the custom messages it receives.
class RecordingChild : public QWidget {
public:
  std::vector<std::pair<int, std::intptr_t>> messages;

protected:
  bool event(QEvent *event) override {
    if (const UserMessageEvent *message = AsUserMessage(event)) {
      messages.emplace_back(message->Message, message->WParam);
      return true;
    }
    return QWidget::event(event);
  }
};

// Receives the URLs the help commands open instead of a browser.
class UrlRecorder : public QObject {
  Q_OBJECT
public:
  QList<QUrl> urls;
public slots:
  void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class MainFormShellTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void keysReachTheirCommandsAndLaterWindowsAreDisabled();
  void tableChangesMarkTheFileAndTellTheChildrenLater();
  void windowMenuArrangesAndListsTheChildren();
  void helpOpensThePageBesideTheProgram();
  void barsOfferNoMenuThatHidesTheToolBar();
  void closeWritesSettingsAndDeletesTemporaryFiles();
  void pathsAreCutAtBothSeparators();
  void resultPopupListsTheViewsOfTheAnalysisKind();

private:
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
  RecordingChild *AddChild(const QString &title);
};

void MainFormShellTest::init() {
  session_.emplace();
  Form().show();
  Form().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
}

void MainFormShellTest::cleanup() {
  session_.reset();
}

RecordingChild *MainFormShellTest::AddChild(const QString &title) {
  auto *child = new RecordingChild;
  child->setWindowTitle(title);
  Form().MdiArea->addSubWindow(child)->show();
  return child;
}

void MainFormShellTest::keysReachTheirCommandsAndLaterWindowsAreDisabled() {
  // F2 on an unnamed, unchanged system and load case asks for two names.
  DialogRecorder dialogs;
  QTest::keyClick(&Form(), Qt::Key_F2);
  QCOMPARE(dialogs.requests.size(), std::size_t(2));
  QCOMPARE(dialogs.requests[0].caption, std::string("System speichern"));
  QCOMPARE(dialogs.requests[1].caption, std::string("Lastfall speichern"));

  // "&Beenden" keeps its hint and closes the frame window.
  QCOMPARE(Form().FileOpenItem->statusTip(), QString::fromUtf8("Existierende Datei öffnen"));
  QSignalSpy closed(&Form(), &TMainForm::FormClosed);
  Form().FileOpenItem->trigger();
  QCOMPARE(closed.count(), 1);
  QVERIFY(!Form().isVisible());
}

void MainFormShellTest::tableChangesMarkTheFileAndTellTheChildrenLater() {
  QVERIFY(!!Form().Image2->isHidden());
  QVERIFY(!!Form().Image1->isHidden());
  RecordingChild *first = AddChild("eins");
  RecordingChild *second = AddChild("zwei");
  Form().SetResultCaption("I.Ordnung");

  const double x = 2.0; // an edit through the table reports itself upward
  Nodes.SetCellValue(0, 0, &x);
  QVERIFY(Form().SystemChangedFlag == 1);
  QVERIFY(!Form().Image2->isHidden());
  QVERIFY(!!Form().Image1->isHidden());
  QCOMPARE(Form().Ergebnisse->text(), QString());
  // Posted, not sent: the children rebuild after the change has returned.
  QVERIFY(first->messages.empty());
  QCoreApplication::sendPostedEvents();
  QVERIFY(!first->messages.empty());
  QCOMPARE(first->messages.front(), (std::pair<int, std::intptr_t>(UM_MODELCHANGED, 0)));
  QCOMPARE(first->messages.size(), second->messages.size());

  // Keeping the view travels in wParam.
  first->messages.clear();
  Form().NotifyChildren(1);
  QCoreApplication::sendPostedEvents();
  QCOMPARE(first->messages, (std::vector<std::pair<int, std::intptr_t>>{{UM_MODELCHANGED, 1}}));

  Form().SetSystemChanged(0);
  QVERIFY(!!Form().Image2->isHidden());
  Form().LoadModified();
  QVERIFY(!Form().Image1->isHidden());
}

void MainFormShellTest::windowMenuArrangesAndListsTheChildren() {
  Form().WindowMinimizeItem->trigger(); // no children: nothing to do
  QVERIFY(Form().MdiArea->subWindowList().isEmpty());

  AddChild("Grafik 1");
  AddChild("Grafik 2");
  AddChild("Grafik 3");
  Form().WindowTileItem->trigger();
  Form().WindowCascadeItem->trigger();
  Form().WindowMinimizeItem->trigger();
  const QList<QMdiSubWindow *> children = Form().MdiArea->subWindowList();
  for (QMdiSubWindow *child : children)
    QVERIFY(child->isMinimized());
  Form().WindowArrangeItem->trigger();
  const int bottom = Form().MdiArea->viewport()->height();
  QSet<int> lefts;
  for (QMdiSubWindow *child : children) {
    QCOMPARE(child->geometry().bottom() + 1, bottom);
    lefts.insert(child->x());
  }
  QCOMPARE(lefts.size(), 3); // side by side, none on top of another

  emit Form().WindowMenu->aboutToShow();
  QStringList listed;
  for (QAction *item : Form().WindowMenu->actions())
    if (item->text().startsWith('&') && item->text().contains("Grafik"))
      listed << item->text();
  QCOMPARE(listed, (QStringList{"&1 Grafik 1", "&2 Grafik 2", "&3 Grafik 3"}));
  emit Form().WindowMenu->aboutToShow(); // rebuilt, not appended
  int count = 0;
  for (QAction *item : Form().WindowMenu->actions())
    count += item->text().contains("Grafik") ? 1 : 0;
  QCOMPARE(count, 3);
}

void MainFormShellTest::helpOpensThePageBesideTheProgram() {
  const QString page = QCoreApplication::applicationDirPath() + '/' +
                       QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                       ".html";
  QCOMPARE(QString::fromStdString(Form().HelpFileName()), page);

  // The desktop's opener is the one the test puts on the path, or none.
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toLocal8Bit());
  UrlRecorder browser;
  QDesktopServices::setUrlHandler("file", &browser, "open");
  {
    DialogRecorder dialogs;
    QFile::remove(page);
    Form().Inhalt1->trigger(); // no page: said so, nothing opened
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].caption, std::string("Fehler"));
    QVERIFY(browser.urls.isEmpty());
  }
  QFile file(page);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("<h1>Kelmor \xe2\x80\x93 Statik ebener Stabwerke</h1>");
  file.close();
  Form().Inhalt1->trigger();
  Form().Suche1->trigger();
  QDesktopServices::unsetUrlHandler("file");
  QCOMPARE(browser.urls, (QList<QUrl>{QUrl::fromLocalFile(page), QUrl::fromLocalFile(page)}));

  // An xdg-open that shows the page: nothing more.  Without any opener or
  // browser, and with an xdg-open that finds no program for HTML (status 3
  // after a good start), the page shows in one window of the program's own,
  // and nothing is reported.
  const QString opener = bin.filePath("xdg-open"), opened = bin.filePath("opened");
  const auto installOpener = [&](int status) {
    QFile script(opener);
    const QString text = QString("#!/bin/sh\necho \"$1\" >> '%1'\nexit %2\n").arg(opened);
    return script.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           script.write(text.arg(status).toUtf8()) > 0 &&
           script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ExeOwner);
  };
  DialogRecorder dialogs;
  QVERIFY(installOpener(0));
  Form().Inhalt1->trigger();
  QTRY_VERIFY(QFile::exists(opened));
  QTest::qWait(200);
  QVERIFY(Form().findChildren<QTextBrowser *>("HelpWindow").isEmpty());
  qputenv("PATH", "/nonexistent");
  Form().Inhalt1->trigger();
  const QList<QTextBrowser *> windows = Form().findChildren<QTextBrowser *>("HelpWindow");
  QCOMPARE(windows.size(), qsizetype(1));
  QTextBrowser *help = windows.front();
  QVERIFY(help->isWindow() && help->isVisible());
  help->hide();
  qputenv("PATH", bin.path().toLocal8Bit());
  QVERIFY(installOpener(3));
  Form().Suche1->trigger();
  QTRY_VERIFY(help->isVisible());
  qputenv("PATH", path);
  QFile::remove(page);
  QVERIFY(dialogs.requests.empty());
  QCOMPARE(Form().findChildren<QTextBrowser *>("HelpWindow"), windows);
  QCOMPARE(help->windowTitle(), QString("Kelmor Hilfe"));
  QCOMPARE(help->source(), QUrl::fromLocalFile(page));
  QCOMPARE(help->toPlainText(), QString::fromUtf8("Kelmor – Statik ebener Stabwerke"));
  file.setFileName(opened);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), (page + '\n' + page + '\n').toUtf8());
}

// Hiding the tool bar would hide the file names and the change marks with
// no way back; the client area keeps its result popup.
void MainFormShellTest::barsOfferNoMenuThatHidesTheToolBar() {
  QVERIFY(!BarMenuOpens(Form().ToolBar1));
  QVERIFY(!BarMenuOpens(Form().menuBar()));
  QVERIFY(Form().ToolBar1->isVisible());
  QCOMPARE(Form().MdiArea->contextMenuPolicy(), Qt::CustomContextMenu);
}

void MainFormShellTest::closeWritesSettingsAndDeletesTemporaryFiles() {
  QCOMPARE(QString::fromStdString(SettingsFileName),
           QCoreApplication::applicationDirPath() + '/' +
               QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".dat");
  QFile::remove(QString::fromStdString(SettingsFileName));
  QTemporaryDir dir;
  const QString kept = dir.filePath("Stab1");
  QFile file(kept);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  Form().TempFiles = {dir.filePath("missing").toStdString(), kept.toStdString()};

  QVERIFY(Form().close());
  QVERIFY(QFile::exists(QString::fromStdString(SettingsFileName)));
  QVERIFY(!QFile::exists(kept));
  QVERIFY(Form().TempFiles.empty());
}

void MainFormShellTest::pathsAreCutAtBothSeparators() {
  QCOMPARE(StripPath("C:\\Statik\\rahmen.ssy"), std::string("rahmen.ssy"));
  QCOMPARE(StripPath("/home/ing/rahmen.sla"), std::string("rahmen.sla"));
  QCOMPARE(StripPath("/home/ing\\alt/portal"), std::string("portal"));
  QCOMPARE(StripPath("portal.ssy"), std::string("portal.ssy"));
  QCOMPARE(StripPath("/home/ing/"), std::string());
  Form().SetSystemName("/daten/Statik\\Halle 3.ssy");
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: Halle 3.ssy"));
  QCOMPARE(Form().SystemFileName, std::string("/daten/Statik\\Halle 3.ssy"));
}

void MainFormShellTest::resultPopupListsTheViewsOfTheAnalysisKind() {
  auto views = [this] {
    QStringList names;
    for (QAction *item : Form().PopupMenu1->actions())
      names << item->text();
    return names;
  };
  Solutions.AnalysisFlags = 0; // no analysis yet: the first-order views
  Form().PopupMenu1Popup();
  QCOMPARE(views(),
           (QStringList{"Geometrie", "Biegelinie", "Normalkraft N", "Querkraft", "Biegemoment"}));
  Solutions.AnalysisFlags = 8;
  Form().PopupMenu1Popup(); // built anew at each opening
  QCOMPARE(views(), (QStringList{"Geometrie", "Knickbiegelinie", "Normalkraft"}));
  Solutions.AnalysisFlags = 2;
  Form().PopupMenu1Popup();
  QCOMPARE(views().size(), 6);
  QCOMPARE(views()[4], QString("Querkraft R"));
  Solutions.AnalysisFlags = 0;
}

QTEST_MAIN(MainFormShellTest)
#include "mainform_shell_test.moc"
