#pragma once
// The choice-list cell: the stored value is the 32-bit index of a choice
// and is shown as the choice's text.  Typing completes a choice, a double
// click moves to the next one, a right click opens the choices as a popup.
// The choices are the cell's List, or when it is empty the table's list
// strings of the column.
#include "grid/UserCell.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <cstdint>
#include <memory>

// The choice popup; keeps the row and column of the cell it serves.
class UListBox : public QMenu {
  Q_OBJECT

public:
  using QMenu::QMenu;
  void *value = nullptr;
  int row = 0;
  int column = 0;
};

// One choice of the popup.
class UMenuItem : public QAction {
  Q_OBJECT

public:
  UMenuItem(const QString &caption, int index, QObject *owner)
      : QAction(caption, owner), index(index) {}
  const int index;
};

class TUserList : public TUserCell {
  Q_OBJECT
  Q_PROPERTY(QStringList List READ List WRITE SetList)

public:
  explicit TUserList(QObject *owner = nullptr);
  ~TUserList() override;

  QStringList List() const { return list; }
  void SetList(const QStringList &strings);
  // Number of choices (0 with an empty List and no grid).
  int ListCount();
  // Text of choice i; "Fehler" with an empty List and no grid.
  QString ListItem(int i);
  // Number of choices text begins with (ignoring case; with two or more,
  // again with case, where an exact match wins at once); index is the last
  // match, or 0 when none.
  int GetNIndex(std::int32_t &index, const std::string &text);
  // Puts the chosen text into the edit buffer and marks it changed.
  void PopupClick(UMenuItem *item);
  UListBox *Popup() const { return popup.get(); }

  void ValueToText(const void *value, std::string &text) override;
  // One match completes the text; text that matches no choice is refused
  // with a beep (the change undone; an empty text stays empty).
  bool Textfilter(std::string &text, const std::string &before) override;
  // The index of text's match (choice 0 when none).
  const void *TextToValue(std::string &text) override;
  // The edit text becomes the choice after the one it would store (after
  // the last the first); nothing without choices.
  bool UDblClick() override;
  void UMouseDown(int row, int column, int left, int top, void *value) override;
  int GetCellTyp() const override;

protected:
  // A pasted text must match a choice as typed text must.
  bool Readable(const std::string &text) override;

private:
  QStringList list;
  std::unique_ptr<UListBox> popup;
  std::int32_t indexValue = 0;
};
