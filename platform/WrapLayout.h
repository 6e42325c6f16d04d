#pragma once
// A layout that places its widgets from left to right in rows and starts a
// new row where the next one would pass the right edge, as a tool bar does
// whose buttons wrap: the rows grow downwards, so a narrow window shows
// every control instead of hiding some behind an extension button.  Each
// widget keeps its size hint and stands centred in the height of its row.
#include <QLayout>
#include <QList>

class WrapLayout : public QLayout {
public:
  // spacing: the gap between neighbours and between rows, in pixels.
  WrapLayout(QWidget *parent, int spacing);
  ~WrapLayout() override;

  void addItem(QLayoutItem *item) override;
  int count() const override;
  QLayoutItem *itemAt(int index) const override;
  QLayoutItem *takeAt(int index) override;

  Qt::Orientations expandingDirections() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  // All widgets in one row.
  QSize sizeHint() const override;
  // The widest widget: narrower than that, a row cannot hold it.
  QSize minimumSize() const override;
  void setGeometry(const QRect &rect) override;

private:
  // Lays the items out in rect (placing them when place is set) and returns
  // the height the rows take, margins included.
  int Arrange(const QRect &rect, bool place) const;

  QList<QLayoutItem *> items;
  int gap;
};
