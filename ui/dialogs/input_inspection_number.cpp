#include "ui/dialogs/input_inspection_number.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

namespace kvor::ui {

TfmInputInspectionNumber::TfmInputInspectionNumber(const std::vector<CodeName>& rows,
                                                   std::function<void(QWidget*)> openImport,
                                                   QWidget* parent)
    : TListPicker(QStringLiteral("Справочник инспекций"), QStringLiteral("Наименование инспекции"),
                  rows, parent, TNoRowConfirm::kKeepsGivenCode),
      lvInspections(lvList),
      openImport_(std::move(openImport)) {
  setObjectName(QStringLiteral("TfmInputInspectionNumber"));
  resize(std::max(width(), 640), 480);
  lvInspections->setObjectName(QStringLiteral("lvInspections"));
  lvInspections->setColumnWidth(0, 60);

  Button1 = new QPushButton(
      QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);
  buttonRow_->insertWidget(0, Button1);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (openImport_) openImport_(this);
  });
}

}  // namespace kvor::ui
