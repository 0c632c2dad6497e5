#include "ui/dialogs/input_inspection_number.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvor::ui {

TfmInputInspectionNumber::TfmInputInspectionNumber(const QList<Row>& rows,
                                                   std::function<void(QWidget*)> openImport,
                                                   QWidget* parent)
    : QDialog(parent), openImport_(std::move(openImport)) {
  setObjectName(QStringLiteral("TfmInputInspectionNumber"));
  setWindowTitle(QStringLiteral("Справочник инспекций"));
  resize(640, 480);

  lvInspections = new QTreeWidget(this);
  lvInspections->setObjectName(QStringLiteral("lvInspections"));
  lvInspections->setHeaderLabels({QStringLiteral("Код"), QStringLiteral("Наименование инспекции")});
  lvInspections->setRootIsDecorated(false);
  lvInspections->setUniformRowHeights(true);
  lvInspections->setAllColumnsShowFocus(true);
  lvInspections->setSelectionMode(QAbstractItemView::SingleSelection);
  lvInspections->header()->setStretchLastSection(true);
  lvInspections->setColumnWidth(0, 60);
  QList<QTreeWidgetItem*> items;
  items.reserve(rows.size());
  for (const Row& row : rows) items << new QTreeWidgetItem(QStringList{row.Code, row.Name});
  lvInspections->addTopLevelItems(items);

  bnYes = new QPushButton(QStringLiteral("Да"), this);
  bnYes->setObjectName(QStringLiteral("bnYes"));
  bnYes->setDefault(true);
  bnCansel = new QPushButton(QStringLiteral("Нет"), this);
  bnCansel->setObjectName(QStringLiteral("bnCansel"));
  Button1 = new QPushButton(
      QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addStretch();
  buttons->addWidget(bnYes);
  buttons->addWidget(bnCansel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvInspections);
  layout->addLayout(buttons);

  connect(lvInspections, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!item) return;
    resultCode_ = item->text(0);
    resultName_ = item->text(1);
  });
  connect(lvInspections, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(bnYes, &QPushButton::clicked, this, &QDialog::accept);
  connect(bnCansel, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (openImport_) openImport_(this);
  });
}

void TfmInputInspectionNumber::SelectCode(const QString& code) {
  // No row may become current by itself: the given code stays the result until the user
  // chooses a row.
  lvInspections->setCurrentItem(nullptr);
  lvInspections->clearSelection();
  resultCode_ = code;
  resultName_.clear();
  for (int i = 0; i < lvInspections->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = lvInspections->topLevelItem(i);
    if (item->text(0) != code) continue;
    lvInspections->setCurrentItem(item);
    lvInspections->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    break;
  }
  lvInspections->setFocus();
}

}  // namespace kvor::ui
