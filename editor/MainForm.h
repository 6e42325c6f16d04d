#pragma once
// Velto's main window: one text document in a rich-text view, a font name
// and size for the selection (or the whole text), page margins and printing.
// The document is never saved; font and margins are kept in the settings
// file beside the program, rewritten after every change.
#include <QMainWindow>
#include <QTextCursor>
#include <string>

class QAction;
class QComboBox;
class QTextCharFormat;
class QMenu;
class QTextEdit;
class QToolBar;
class QToolButton;
class SizeSpinBox;

class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  // Builds the window and runs the start-up: settings, font list, document,
  // font.  Reads FileName; sets IniFileName and PageMargins.
  explicit TMainForm(QWidget *parent = nullptr);

  QToolBar *ToolBar1;
  QToolButton *ToolButton3;
  QComboBox *FontName;
  SizeSpinBox *FontSize;
  QTextEdit *RichEdit1;
  QMenu *Datei1;
  QAction *Seiteeinrichten1;
  QAction *Drucken1;
  QAction *Beenden1;

  // No menu of the bars: hiding the tool bar would lose the font and size
  // boxes with no way back.
  QMenu *createPopupMenu() override;

public slots:
  // A name chosen from the list, also the one already shown: it applies to
  // the current selection.
  void FontNameChange(int index);
  void FontSizeChange(const QString &text);
  void Seiteeinrichten1Click();
  void Drucken1Click();
  void ToolButton3Click();
  void Beenden1Click();

private:
  void CreateToolBar();
  void CreateMenu();
  void FormCreate();
  void ReadSettingsFile();
  void FillFontList();
  void LoadDocument();
  QTextCursor CurrentText();
  void MergeIntoCurrentText(const QTextCharFormat &format);
  void ApplyFontName(const std::string &name);
  void ApplyFontSize(int size);
  void SaveSettings();

  // The font name and size last given to the text: what the settings file
  // keeps, also when the name is no installed face.
  std::string TextFontName;
  int TextFontSize = 0;
};
