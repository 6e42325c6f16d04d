#include "graphics/widgets/TreeForm.h"

#include "graphics/core/Settings.h"
#include "graphics/core/SettingsTreeView.h"
#include "graphics/core/TreeClass.h"
#include "graphics/widgets/ValueEditForm.h"
#include "model/Upcalls.h"
#include "platform/ColorDialog.h"
#include "platform/EventGuard.h"
#include "platform/FixedForm.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWindow>

TTreeForm *TreeForm = nullptr;

namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 382;
constexpr QRect kTreePlace(8, 16, 293, 317);
constexpr int kIndent = 19;
constexpr int kButtonTop = 344;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 28;

// Visits the alternatives of a std::variant by overloaded lambdas.
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// Position of item among all items of its tree widget in tree order.
int PreOrderIndex(const QTreeWidgetItem *item) {
  int index = 0;
  for (QTreeWidgetItemIterator it(item->treeWidget()); *it; ++it, ++index)
    if (*it == item)
      return index;
  return -1;
}

// The settings tree's view of the tree widget: a node is an item.
class TreeWidgetView : public SettingsTreeView {
public:
  Node AddChild(Node parent, const std::string &text) override {
    auto *item = new QTreeWidgetItem(static_cast<QTreeWidgetItem *>(parent));
    SetText(item, text);
    return item;
  }
  void SetText(Node node, const std::string &text) override {
    static_cast<QTreeWidgetItem *>(node)->setText(0, QString::fromStdString(text));
  }
  int AbsoluteIndex(Node node) const override {
    return PreOrderIndex(static_cast<QTreeWidgetItem *>(node));
  }
};

// Shows dialog modally above owner: a window that stays on top would
// otherwise hide it.
void ExecAbove(QDialog &dialog, QWidget &owner) {
  dialog.winId();
  if (QWindow *window = dialog.windowHandle())
    window->setTransientParent(owner.windowHandle());
  dialog.exec();
}

} // namespace

TTreeForm::TTreeForm(QWidget *parent) : QDialog(parent, kDialogBorder | Qt::WindowStaysOnTopHint) {
  TreeForm = this;
  SetUpFixedForm(*this, "TreeForm", "Konfiguration", kClientWidth, kClientHeight);
  TreeView1 = new QTreeWidget(this);
  TreeView1->setObjectName("TreeView1");
  TreeView1->setGeometry(kTreePlace);
  TreeView1->setHeaderHidden(true);
  TreeView1->setIndentation(kIndent);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const int left = kTreePlace.left();
  const int right = kTreePlace.right() + 1;
  Button1 = NewButton(this, "Button1", "&Ok", QRect(left, kButtonTop, kButtonWidth, kButtonHeight));
  Button2 = NewButton(this, "Button2", "Voreinstellung",
                      QRect(right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
  // Enter and Esc stand for "&Ok" whichever button has the focus: a
  // "Voreinstellung" that took it with its click must not ask again.
  Button1->setDefault(true);
  Button2->setAutoDefault(false);
  connect(TreeView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem *node) { Guarded([&] { TreeView1Change(node); }); });
  connect(TreeView1, &QTreeWidget::itemDoubleClicked, this,
          [this] { Guarded([this] { TreeView1DblClick(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, [this] { Guarded([this] { Button2Click(); }); });
  FormCreate();
}

TTreeForm::~TTreeForm() {
  if (TreeForm == this)
    TreeForm = nullptr;
}

void TTreeForm::FormCreate() {
  const QSignalBlocker blocker(TreeView1);
  auto *root = new QTreeWidgetItem(TreeView1, QStringList(QStringLiteral("Test")));
  TreeWidgetView view;
  SettingsRoot().FillTree(view, root);
}

void TTreeForm::TreeView1Change(QTreeWidgetItem *node) {
  if (node)
    SelectedIndex = PreOrderIndex(node);
}

void TTreeForm::TreeView1DblClick() {
  TreeClass *node = SettingsRoot().FindByIndex(SelectedIndex);
  if (!node)
    return;
  EditSetting(*node);
  Upcalls().NotifyChildren(1);
}

// A colour starts from its built-in default, not from its current value.
void TTreeForm::EditSetting(TreeClass &node) {
  const SettingDefault defaultValue = node.DefaultValue();
  std::visit(
      Overloaded{[](std::monostate) {},
                 [&](int *variable) {
                   const int start = *std::get<const int *>(defaultValue);
                   if (std::optional<int> color = ExecuteColorDialog(start, this))
                     *variable = *color;
                 },
                 [&](double *variable) {
                   ValueEditForm->EditReal(*variable, *std::get<const double *>(defaultValue));
                   ExecAbove(*ValueEditForm, *this);
                 },
                 [&](std::string *variable) {
                   ValueEditForm->EditText(*variable, *std::get<const std::string *>(defaultValue));
                   ExecAbove(*ValueEditForm, *this);
                 }},
      node.Variable());
}

void TTreeForm::Button1Click() {
  hide();
}

void TTreeForm::Button2Click() {
  if (MessageBox("Wollen Sie wirklich alle Werte zurücksetzen ?", "Bestätigung", MsgButtons::YesNo,
                 MsgIcon::Question, std::nullopt, this) != MsgResult::Yes)
    return;
  SettingsRoot().Restore();
  Upcalls().NotifyChildren(1);
}
