// The "&Fenster" and "&Hilfe" menus of the frame window.
#include "app/MainForm.h"

#include "graphics/core/SettingsFile.h"
#include "platform/DesktopOpener.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

void TMainForm::WindowCascadeItemClick() {
  MdiArea->cascadeSubWindows();
}

void TMainForm::WindowTileItemClick() {
  MdiArea->tileSubWindows();
}

// Lines the minimised children up along the bottom edge, left to right.
void TMainForm::WindowArrangeItemClick() {
  int left = 0;
  for (QMdiSubWindow *child : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
    if (!child->isMinimized() || child->isHidden())
      continue;
    const QSize size = child->size();
    child->move(left, MdiArea->viewport()->height() - size.height());
    left += size.width();
  }
}

void TMainForm::WindowMinimizeItemClick() {
  const QList<QMdiSubWindow *> children = MdiArea->subWindowList(QMdiArea::CreationOrder);
  for (auto child = children.rbegin(); child != children.rend(); ++child)
    (*child)->showMinimized();
}

// The class library lists the open children below the commands of the menu.
void TMainForm::WindowMenuAboutToShow() {
  for (QAction *item : ChildWindowItems)
    delete item;
  ChildWindowItems.clear();
  const QList<QMdiSubWindow *> children = MdiArea->subWindowList(QMdiArea::CreationOrder);
  if (children.isEmpty())
    return;
  ChildWindowItems.push_back(WindowMenu->addSeparator());
  int number = 1;
  for (QMdiSubWindow *child : children) {
    QAction *item =
        WindowMenu->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
    item->setCheckable(true);
    item->setChecked(child == MdiArea->activeSubWindow());
    connect(item, &QAction::triggered, MdiArea, [this, child = QPointer<QMdiSubWindow>(child)] {
      if (child)
        MdiArea->setActiveSubWindow(child);
    });
    ChildWindowItems.push_back(item);
  }
}

std::string TMainForm::HelpFileName() const {
  return ChangeExtension(QCoreApplication::applicationFilePath().toStdString(), "html");
}

namespace {

// The help page in a small window of the program's own, for a machine whose
// desktop cannot open it.  One such window: asking again brings it to the
// front.
void ShowHelpWindow(QWidget *frame, const QString &page) {
  auto *browser = frame->findChild<QTextBrowser *>("HelpWindow", Qt::FindDirectChildrenOnly);
  if (!browser) {
    browser = new QTextBrowser(frame);
    browser->setObjectName("HelpWindow");
    browser->setWindowFlag(Qt::Window);
    browser->setWindowTitle("Kelmor Hilfe");
    browser->resize(720, 640);
  }
  browser->setSource(QUrl::fromLocalFile(page));
  browser->show();
  browser->raise();
  browser->activateWindow();
}

} // namespace

// Contents and search both open the help page; the browser's own search
// finds the words in it.  Only a page that is missing or unreadable is
// reported; where the desktop cannot show it, the program's own window does.
void TMainForm::ShowHelp() {
  const QString name = QString::fromStdString(HelpFileName());
  if (!QFileInfo(name).isReadable()) {
    MessageBox("Hilfedatei " + HelpFileName() + " kann nicht geöffnet werden", "Fehler");
    return;
  }
  OpenWithDesktop(name, this, [this, name] { ShowHelpWindow(this, name); });
}

void TMainForm::Inhalt1Click() {
  ShowHelp();
}

void TMainForm::Suche1Click() {
  ShowHelp();
}
