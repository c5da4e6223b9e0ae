#include "framework/widgets/Listbox.h"

#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyledItemDelegate>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"

namespace {

constexpr int kCellTypeRole = Qt::UserRole + 1;
constexpr int kHiddenCheckRole = Qt::UserRole + 2;

Qt::Alignment CellAlignment(int alignment) {
  switch (alignment) {
    case Listbox::kAlignCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Listbox::kAlignRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

// Draws each cell as the list does: the background through the list's event, then the check
// box, the text and the selection.
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(Listbox& list) : QStyledItemDelegate(&list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    Graphics g(*painter, option.rect);
    const bool painted = list_.PaintCellBackground(g, index.row(), index.column());
    painter->restore();
    QStyleOptionViewItem cell = option;
    if (painted) cell.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, cell, index);
  }

  QRect CheckboxRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (!cell.features.testFlag(QStyleOptionViewItem::HasCheckIndicator)) return {};
    const QWidget* view = cell.widget;
    QStyle* style = view != nullptr ? view->style() : nullptr;
    if (style == nullptr) return {};
    return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, view);
  }

 private:
  Listbox& list_;
};

}  // namespace

// One column without a heading, a vertical scroll bar shown when the rows need it, none across,
// one row selected at a time.
Listbox::Listbox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new CellDelegate(*this));
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void Listbox::AddRow(const std::string& text) {
  auto* item = new QListWidgetItem(QString::fromStdString(text), this);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(CellAlignment(alignment_));
}

void Listbox::AddRows(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) AddRow(text);
}

std::string Listbox::Cell(int row, int column) const { return Item(row, column).text().toStdString(); }

QListWidgetItem& Listbox::Item(int row, int column) const {
  QListWidgetItem* found = column == 0 ? item(row) : nullptr;
  if (found == nullptr) {
    throw OutOfBoundsException("no cell " + std::to_string(row) + ", " + std::to_string(column) +
                               " in a list of " + std::to_string(count()) + " rows");
  }
  return *found;
}

void Listbox::SetColumnAlignment(int column, int alignment) {
  if (column != 0) throw OutOfBoundsException("no column " + std::to_string(column));
  alignment_ = alignment;
  for (int row = 0; row < count(); ++row) item(row)->setTextAlignment(CellAlignment(alignment));
}

int Listbox::CellType(int row, int column) const { return Item(row, column).data(kCellTypeRole).toInt(); }

// A check box shows the cell's tick and takes the person's clicks; a cell of another type keeps
// its tick unseen until it becomes a check box.
void Listbox::SetCellType(int row, int column, int type) {
  QListWidgetItem& cell = Item(row, column);
  const bool checked = CellCheck(row, column);
  cell.setData(kCellTypeRole, type);
  if (type == kTypeCheckbox) {
    cell.setFlags(cell.flags() | Qt::ItemIsUserCheckable);
    cell.setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  } else {
    cell.setFlags(cell.flags() & ~Qt::ItemIsUserCheckable);
    cell.setData(Qt::CheckStateRole, QVariant());
    cell.setData(kHiddenCheckRole, checked);
  }
}

bool Listbox::CellCheck(int row, int column) const {
  const QListWidgetItem& cell = Item(row, column);
  if (CellType(row, column) == kTypeCheckbox) return cell.checkState() == Qt::Checked;
  return cell.data(kHiddenCheckRole).toBool();
}

void Listbox::SetCellCheck(int row, int column, bool checked) {
  QListWidgetItem& cell = Item(row, column);
  if (CellType(row, column) == kTypeCheckbox) {
    cell.setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  } else {
    cell.setData(kHiddenCheckRole, checked);
  }
}

QRect Listbox::CellCheckboxRect(int row) const {
  const QListWidgetItem& cell = Item(row, 0);
  const QRect rect = visualItemRect(&cell);
  if (!rect.isValid() || !viewport()->rect().intersects(rect)) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = rect;
  const auto* delegate = static_cast<const CellDelegate*>(itemDelegate());
  return delegate->CheckboxRect(option, indexFromItem(&cell));
}

bool Listbox::PaintCellBackground(Graphics& g, int row, int column) {
  return Event_CellBackgroundPaint(g, row, column);
}
