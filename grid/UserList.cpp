#include "grid/UserList.h"

#include "grid/UserGrid.h"
#include "platform/EventGuard.h"
#include "platform/MessageBeep.h"

TUserList::TUserList(QObject *owner) : TUserCell(owner), popup(std::make_unique<UListBox>()) {}

TUserList::~TUserList() = default;

void TUserList::SetList(const QStringList &strings) {
  list.clear();
  for (const QString &text : strings)
    list.append(text);
}

int TUserList::ListCount() {
  if (!list.isEmpty())
    return static_cast<int>(list.size());
  return Grid() != nullptr ? Grid()->GetListStringsCount(Column()) : 0;
}

QString TUserList::ListItem(int i) {
  if (!list.isEmpty())
    return i >= 0 && i < list.size() ? list[i] : QString();
  if (Grid() == nullptr)
    return QStringLiteral("Fehler");
  const char *text = Grid()->GetListStrings(Column(), i);
  return text != nullptr ? QString::fromUtf8(text) : QString();
}

int TUserList::GetNIndex(std::int32_t &index, const std::string &text) {
  index = 0;
  const QString typed = QString::fromStdString(text);
  if (typed.isEmpty())
    return 0;
  int count = 0;
  const int choices = ListCount();
  for (int i = 0; i < choices; ++i) {
    if (ListItem(i).left(typed.size()).compare(typed, Qt::CaseInsensitive) == 0) {
      index = i;
      count += 1;
    }
  }
  if (count <= 1)
    return count;
  index = 0;
  count = 0;
  for (int i = 0; i < choices; ++i) {
    const QString choice = ListItem(i);
    if (choice.left(typed.size()) != typed)
      continue;
    index = i;
    if (choice.size() == typed.size())
      return 1;
    count += 1;
  }
  return count;
}

void TUserList::PopupClick(UMenuItem *item) {
  TUserGrid *grid = Grid();
  grid->EnsureEditCell();
  grid->EText = ListItem(item->index).toStdString();
  grid->Push();
  PaintCell(popup->row, popup->column);
  grid->Change();
}

void TUserList::ValueToText(const void *value, std::string &text) {
  if (value != nullptr)
    text = ListItem(*static_cast<const std::int32_t *>(value)).toStdString();
}

bool TUserList::Textfilter(std::string &text, const std::string &before) {
  std::int32_t index = 0;
  const int matches = GetNIndex(index, text);
  if (matches == 0) {
    MessageBeep(BeepKind::Simple);
    if (text.empty())
      return true;
    text = before;
    return false;
  }
  if (matches == 1)
    text = ListItem(index).toStdString();
  return true;
}

const void *TUserList::TextToValue(std::string &text) {
  GetNIndex(indexValue, text);
  return &indexValue;
}

bool TUserList::UDblClick() {
  const int choices = ListCount();
  if (choices <= 0)
    return false;
  std::int32_t index = 0;
  GetNIndex(index, Grid()->EText);
  Grid()->EText = ListItem((index + 1) % choices).toStdString();
  return true;
}

bool TUserList::Readable(const std::string &text) {
  std::int32_t index = 0;
  return GetNIndex(index, text) > 0;
}

void TUserList::UMouseDown(int row, int column, int left, int top, void *value) {
  for (QAction *action : popup->actions())
    delete action;
  const int choices = ListCount();
  for (int i = 0; i < choices; ++i) {
    auto *item = new UMenuItem(ListItem(i), i, this);
    connect(item, &QAction::triggered, this, [this, item] { Guarded([&] { PopupClick(item); }); });
    popup->addAction(item);
  }
  popup->row = row;
  popup->column = column;
  popup->value = value;
  popup->popup(Grid()->viewport()->mapToGlobal(QPoint(left, top)));
}

int TUserList::GetCellTyp() const {
  return 1;
}
