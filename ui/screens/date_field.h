#pragma once

#include <QDate>
#include <QDateEdit>

#include "core/common/date.h"

namespace kvor::ui {

// The date picker of the screens: "dd.mm.yyyy" with a drop-down calendar, over a date of the
// return. A date the user did not change is given back exactly as it was stored (with its time
// of day, and even when the picker could not show it: a date past the latest selectable day, or
// no date at all), so visiting a screen never alters a stored date.
// Every change of the date sends the change notice.
class TDateField : public QDateEdit {
  Q_OBJECT

 public:
  explicit TDateField(QWidget* parent = nullptr);

  // Shows the stored date (the nearest selectable day when it lies outside the range).
  void SetValue(Date value);
  // The date shown, or the stored date itself while the picker still shows what SetValue put in.
  Date Value() const;
  // Sets the date shown, as the user would (the value is then the new day).
  void SetDay(QDate day);
  // Today is the latest day the user can pick.
  void SetLatestToday();

 private:
  Date stored_;
  QDate shownAtLoad_;
  bool loaded_ = false;
};

// The calendar day of a date of the return; an invalid QDate outside the years 1..9999.
QDate ToQDate(Date date);
// The date of a calendar day (no time of day).
Date FromQDate(QDate day);

}  // namespace kvor::ui
