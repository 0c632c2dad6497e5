#include "ui/dialogs/list_picker.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/directories/directory_files.h"
#include "core/directories/document_types_regions.h"

namespace kvor::ui {

TListPicker::TListPicker(const QString& title, const QString& nameColumn,
                         const std::vector<CodeName>& rows, QWidget* parent, TNoRowConfirm noRow)
    : QDialog(parent), noRow_(noRow) {
  setWindowTitle(title);
  resize(560, 420);

  lvList = new QTreeWidget(this);
  lvList->setObjectName(QStringLiteral("lvList"));
  lvList->setHeaderLabels({QStringLiteral("Код"), nameColumn});
  lvList->setRootIsDecorated(false);
  lvList->setUniformRowHeights(true);
  lvList->setAllColumnsShowFocus(true);
  lvList->setSelectionMode(QAbstractItemView::SingleSelection);
  lvList->header()->setStretchLastSection(false);
  lvList->setColumnWidth(0, 56);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const CodeName& row : rows) {
    auto* item = new QTreeWidgetItem(
        QStringList{QString::fromStdString(row.Code), QString::fromStdString(row.Name)});
    item->setToolTip(1, item->text(1));  // the long names of the document types
    items << item;
  }
  lvList->addTopLevelItems(items);

  bnYes = new QPushButton(QStringLiteral("Да"), this);
  bnYes->setObjectName(QStringLiteral("bnYes"));
  bnYes->setDefault(true);
  bnCansel = new QPushButton(QStringLiteral("Нет"), this);
  bnCansel->setObjectName(QStringLiteral("bnCansel"));
  bnCansel->setAutoDefault(false);

  buttonRow_ = new QHBoxLayout;
  buttonRow_->addStretch();
  buttonRow_->addWidget(bnYes);
  buttonRow_->addWidget(bnCansel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvList);
  layout->addLayout(buttonRow_);
  FitLongestName();
  lvList->viewport()->installEventFilter(this);

  connect(lvList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!item) return;
    resultCode_ = item->text(0);
    resultName_ = item->text(1);
  });
  connect(lvList, &QTreeWidget::itemDoubleClicked, this, &TListPicker::Confirm);
  connect(bnYes, &QPushButton::clicked, this, &TListPicker::Confirm);
  connect(bnCansel, &QPushButton::clicked, this, &QDialog::reject);
}

int TListPicker::LongestNameWidth() const {
  int widest = 0;
  for (int row = 0; row < lvList->topLevelItemCount(); ++row)
    widest = std::max(widest, lvList->sizeHintForIndex(lvList->model()->index(row, 1)).width());
  return widest;
}

void TListPicker::FitLongestName() {
  // Some document types run past a hundred characters: the picker opens wide enough for the
  // longest name where the screen allows, and the name column never cuts a name short; where the
  // list is narrower than that, it scrolls sideways instead.
  lvList->ensurePolished();
  nameWidth_ = LongestNameWidth();
  int margins = 0;
  if (QLayout* frame = layout()) {
    const QMargins m = frame->contentsMargins();
    margins = m.left() + m.right();
  }
  const int wanted = margins + 2 * lvList->frameWidth() + lvList->columnWidth(0) + nameWidth_ +
                     lvList->verticalScrollBar()->sizeHint().width();
  int widest = wanted;
  if (QScreen* shown = screen()) widest = shown->availableGeometry().width() * 9 / 10;
  resize(std::max(width(), std::min(wanted, widest)), height());
  FitNameColumn();
}

void TListPicker::FitNameColumn() {
  lvList->setColumnWidth(
      1, std::max(nameWidth_, lvList->viewport()->width() - lvList->columnWidth(0)));
}

bool TListPicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lvList->viewport() && event->type() == QEvent::Resize) FitNameColumn();
  return QDialog::eventFilter(watched, event);
}

void TListPicker::SelectCode(const QString& code) {
  // Clearing the current row changes no result: the given code stands until a row is chosen.
  lvList->setCurrentItem(nullptr);
  lvList->clearSelection();
  resultCode_ = code;
  if (noRow_ == TNoRowConfirm::kKeepsGivenCode) resultName_.clear();
  for (int i = 0; i < lvList->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = lvList->topLevelItem(i);
    if (item->text(0) != code) continue;
    lvList->setCurrentItem(item);
    lvList->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    break;
  }
  lvList->setFocus();
}

void TListPicker::Confirm() {
  QTreeWidgetItem* item = lvList->currentItem();
  if ((item && item->isSelected()) || noRow_ == TNoRowConfirm::kKeepsGivenCode)
    accept();
  else
    reject();
}

TfmGrazhd::TfmGrazhd(const std::vector<CodeName>& countries, QWidget* parent)
    : TListPicker(QStringLiteral("Справочник стран"), QStringLiteral("Наименование государства"),
                  countries, parent) {
  setObjectName(QStringLiteral("TfmGrazhd"));
}

TfmDocType::TfmDocType(int currentType, QWidget* parent)
    : TListPicker(QStringLiteral("Справочник видов документов"),
                  QStringLiteral("Наименование документа"), DocumentTypes(), parent) {
  setObjectName(QStringLiteral("TfmDocType"));
  SelectCode(QString::fromStdString(PickerTwoDigitCode(currentType)));
}

TfmRegionName::TfmRegionName(int currentRegion, QWidget* parent)
    : TListPicker(QStringLiteral("Справочник регионов"), QStringLiteral("Наименование региона"),
                  Regions(), parent) {
  setObjectName(QStringLiteral("TfmRegionName"));
  SelectCode(QString::fromStdString(PickerTwoDigitCode(currentRegion)));
}

}  // namespace kvor::ui
