#include "ui/screens/date_field.h"

#include "ui/shell/change_notice.h"

namespace kvor::ui {

QDate ToQDate(Date date) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (!date.ToYMD(year, month, day)) return {};
  return QDate(year, month, day);
}

Date FromQDate(QDate day) {
  return Date::FromYMD(day.year(), day.month(), day.day()).value_or(Date{});
}

TDateField::TDateField(QWidget* parent) : QDateEdit(parent) {
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  setCalendarPopup(true);
  setMinimumDate(QDate(1, 1, 1));
  connect(this, &QDateEdit::dateChanged, this, [this] { SendChangeNotice(this); });
}

void TDateField::SetValue(Date value) {
  stored_ = value;
  const QDate day = ToQDate(value);
  if (day.isValid()) setDate(day);
  shownAtLoad_ = date();
  loaded_ = true;
}

Date TDateField::Value() const {
  if (loaded_ && date() == shownAtLoad_) return stored_;
  return FromQDate(date());
}

void TDateField::SetDay(QDate day) {
  loaded_ = false;
  setDate(day);
}

void TDateField::SetLatestToday() {
  setMaximumDate(QDate::currentDate());
}

}  // namespace kvor::ui
