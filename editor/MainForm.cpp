#include "editor/MainForm.h"

#include "editor/ProtocolFile.h"
#include "editor/SiteDialog.h"
#include "editor/SizeSpinBox.h"
#include "editor/TextPrinting.h"
#include "editor/VeltoGlobals.h"
#include "editor/VeltoSettings.h"
#include "model/CLocale.h"
#include "platform/EventGuard.h"
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {
  setObjectName("MainForm");
  setWindowTitle("Velto");
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(RichEdit1);
  CreateToolBar();
  CreateMenu();
  resize(800, 600);
  if (QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

void TMainForm::CreateToolBar() {
  ToolBar1 = addToolBar("ToolBar1");
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  ToolBar1->addSeparator();
  ToolButton3 = new QToolButton(ToolBar1);
  ToolButton3->setObjectName("ToolButton3");
  ToolButton3->setIcon(QIcon::fromTheme("document-print"));
  ToolButton3->setText("Drucken");
  ToolButton3->setToolTip("Drucken");
  ToolBar1->addWidget(ToolButton3);
  ToolBar1->addSeparator();
  FontName = new QComboBox(ToolBar1);
  FontName->setObjectName("FontName");
  FontName->setEditable(true);
  FontName->setInsertPolicy(QComboBox::NoInsert);
  FontName->setMinimumContentsLength(20);
  ToolBar1->addWidget(FontName);
  ToolBar1->addSeparator();
  FontSize = new SizeSpinBox(ToolBar1);
  FontSize->setObjectName("FontSize");
  ToolBar1->addWidget(FontSize);
  connect(ToolButton3, &QToolButton::clicked, this, &TMainForm::ToolButton3Click);
  connect(FontName, &QComboBox::activated, this, &TMainForm::FontNameChange);
  connect(FontSize, &QSpinBox::textChanged, this, &TMainForm::FontSizeChange);
}

QMenu *TMainForm::createPopupMenu() {
  return nullptr;
}

void TMainForm::CreateMenu() {
  menuBar()->setObjectName("MainMenu1");
  Datei1 = menuBar()->addMenu("Datei");
  Datei1->setObjectName("Datei1");
  Seiteeinrichten1 = Datei1->addAction("Seite einrichten");
  Seiteeinrichten1->setObjectName("Seiteeinrichten1");
  Drucken1 = Datei1->addAction("Drucken");
  Drucken1->setObjectName("Drucken1");
  Datei1->addSeparator();
  Beenden1 = Datei1->addAction("Beenden");
  Beenden1->setObjectName("Beenden1");
  connect(Seiteeinrichten1, &QAction::triggered, this, &TMainForm::Seiteeinrichten1Click);
  connect(Drucken1, &QAction::triggered, this, &TMainForm::Drucken1Click);
  connect(Beenden1, &QAction::triggered, this, &TMainForm::Beenden1Click);
}

// The start-up.  A settings file or a document that cannot be read is
// reported and the window still comes up complete, with the defaults for
// what was missing.
void TMainForm::FormCreate() {
  IniFileName = SettingsPathFor(QCoreApplication::applicationFilePath().toStdString());
  ReadSettingsFile();
  FillFontList();
  if (!FileName.empty())
    Guarded([this] { LoadDocument(); });
  const QSignalBlocker blockName(FontName);
  const QSignalBlocker blockSize(FontSize);
  const int entry = FontName->findText(QString::fromStdString(TextFontName),
                                       Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (entry >= 0)
    FontName->setCurrentIndex(entry);
  FontSize->setValue(TextFontSize);
  ApplyFontName(TextFontName);
  ApplyFontSize(TextFontSize);
  RichEdit1->moveCursor(QTextCursor::Start);
}

void TMainForm::ReadSettingsFile() {
  VeltoSettings settings;
  const int badLine = ReadSettings(IniFileName, settings);
  if (badLine > 0)
    ShowMessage(FormatC("Line %d of the settings file \"%s\" is not a whole number; "
                        "its default value is used.",
                        badLine, IniFileName.c_str()));
  TextFontName = settings.FontName;
  TextFontSize = settings.FontSize;
  PageMargins = settings.PageMargins;
}

// The installed faces, sorted without regard to case; no entry selected and
// "Font Name" in the box until the start-up selects the configured face.
void TMainForm::FillFontList() {
  QStringList faces = QFontDatabase::families();
  faces.sort(Qt::CaseInsensitive);
  const QSignalBlocker block(FontName);
  FontName->clear();
  FontName->addItems(faces);
  FontName->setCurrentIndex(-1);
  FontName->setEditText("Font Name");
}

void TMainForm::LoadDocument() {
  RichEdit1->setPlainText(QString::fromStdString(ReadProtocolFile(FileName)));
}

// The selection, or the whole text (then selected) when nothing is selected.
QTextCursor TMainForm::CurrentText() {
  QTextCursor cursor = RichEdit1->textCursor();
  if (!cursor.hasSelection()) {
    cursor.select(QTextCursor::Document);
    RichEdit1->setTextCursor(cursor);
  }
  return cursor;
}

// The lines' own format too, which empty lines and text typed at a line's
// start take.
void TMainForm::MergeIntoCurrentText(const QTextCharFormat &format) {
  QTextCursor text = CurrentText();
  text.mergeBlockCharFormat(format);
  RichEdit1->mergeCurrentCharFormat(format);
}

void TMainForm::ApplyFontName(const std::string &name) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{QString::fromStdString(name)});
  MergeIntoCurrentText(format);
  TextFontName = name;
}

void TMainForm::ApplyFontSize(int size) {
  QTextCharFormat format;
  format.setFontPointSize(size);
  MergeIntoCurrentText(format);
  TextFontSize = size;
}

void TMainForm::SaveSettings() {
  VeltoSettings settings;
  settings.FontName = TextFontName;
  settings.FontSize = TextFontSize;
  settings.PageMargins = PageMargins;
  WriteSettings(IniFileName, settings);
}

void TMainForm::FontNameChange(int index) {
  Guarded([&] {
    if (index < 0)
      return;
    ApplyFontName(FontName->itemText(index).toStdString());
    SaveSettings();
  });
}

void TMainForm::FontSizeChange(const QString &text) {
  Guarded([&] {
    const long size = AtolC(text.toStdString().c_str());
    if (size == 0)
      return;
    if (size < kMinFontSize || size > kMaxFontSize) {
      ShowMessage("The number must be between 1 and 1638.");
      // Runs this handler again with the corrected size.
      FontSize->setValue(size < kMinFontSize ? kMinFontSize : kMaxFontSize);
      return;
    }
    ApplyFontSize(static_cast<int>(size));
    SaveSettings();
  });
}

void TMainForm::Seiteeinrichten1Click() {
  Guarded([&] {
    SiteDialog->EditLeft->setValue(PageMargins[0]);
    SiteDialog->EditRight->setValue(PageMargins[1]);
    SiteDialog->EditTop->setValue(PageMargins[2]);
    SiteDialog->EditBottom->setValue(PageMargins[3]);
    if (SiteDialog->exec() != QDialog::Accepted)
      return;
    PageMargins = {SiteDialog->EditLeft->value(), SiteDialog->EditRight->value(),
                   SiteDialog->EditTop->value(), SiteDialog->EditBottom->value()};
    SaveSettings();
  });
}

void TMainForm::Drucken1Click() {
  Guarded([&] {
    QPrinter printer(QPrinter::HighResolution);
    if (!ExecutePrintDialog(printer, FileName, this))
      return;
    const QRect page = PageRectangle(PageMargins, printer.logicalDpiX(), printer.logicalDpiY(),
                                     printer.width(), printer.height());
    PrintText(*RichEdit1->document(), printer, page, [&printer] { return printer.newPage(); });
  });
}

void TMainForm::ToolButton3Click() {
  Drucken1Click();
}

void TMainForm::Beenden1Click() {
  close();
}
