#include "core/model/standart_deduct.h"

#include <type_traits>

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

namespace {

// The constant mark, count and monthly counts of one row, const when the record is.
template <class Self>
auto RowOf(Self& self, ChildRow row) {
  using Int = std::conditional_t<std::is_const_v<Self>, const int32_t, int32_t>;
  using Byte = std::conditional_t<std::is_const_v<Self>, const uint8_t, uint8_t>;
  using Months = std::conditional_t<std::is_const_v<Self>, const std::array<int32_t, 12>,
                                    std::array<int32_t, 12>>;
  struct Ref {
    Byte& Const;
    Int& Count;
    Months& MonthCounts;
  };
  switch (row) {
    case ChildRow::kInvalid:
      return Ref{self.InvalidConst, self.InvalidCount, self.InvalidMonths};
    case ChildRow::kThird:
      return Ref{self.ThirdConst, self.ThirdCount, self.ThirdMonths};
    case ChildRow::kChildren:
    default:
      return Ref{self.ChildConst, self.ChildCount, self.ChildMonths};
  }
}

template <class Ints>
void WriteIntegers(mTDocumentStorage& storage, const Ints& values) {
  for (int32_t value : values) storage.WriteInteger(static_cast<uint32_t>(value));
}

template <class Ints>
void ReadIntegers(mTDocumentStorage& storage, Ints& values) {
  for (int32_t& value : values) value = storage.ReadInteger();
}

// A row is its constant mark, then its count when constant or its twelve monthly counts.
template <class RowRef>
void SaveRow(mTDocumentStorage& storage, const RowRef& row) {
  storage.WriteByte(row.Const);
  if (row.Const == 1)
    storage.WriteInteger(static_cast<uint32_t>(row.Count));
  else
    WriteIntegers(storage, row.MonthCounts);
}

template <class RowRef>
void LoadRow(mTDocumentStorage& storage, const RowRef& row) {
  row.Const = storage.ReadByte();
  if (row.Const == 1)
    row.Count = storage.ReadInteger();
  else
    ReadIntegers(storage, row.MonthCounts);
}

// The flags that announce optional parts are read leniently: a value that is not a number
// counts as 0.
uint8_t ReadLenientFlag(mTDocumentStorage& storage) {
  try {
    return storage.ReadByte();
  } catch (const EConvertError&) {
    return 0;
  }
}

}  // namespace

void mTStandartDeduct::SetCount(ChildRow row, int32_t count) {
  auto r = RowOf(*this, row);
  r.Count = count;
  r.Const = 1;
}

void mTStandartDeduct::SetMonthCount(ChildRow row, int month, int32_t count) {
  auto r = RowOf(*this, row);
  r.MonthCounts.at(month - 1) = count;
  r.Const = 0;
}

int32_t mTStandartDeduct::Count(ChildRow row) const {
  return RowOf(*this, row).Count;
}

int32_t mTStandartDeduct::MonthCount(ChildRow row, int month) const {
  return RowOf(*this, row).MonthCounts.at(month - 1);
}

bool mTStandartDeduct::IsConstant(ChildRow row) const {
  return RowOf(*this, row).Const != 0;
}

void mTStandartDeduct::Save(mTDocumentStorage& storage) const {
  WithContextCode(381, [&] {
    storage.CreateStream(streams::kStandartDeduct);
    storage.WriteByte(Claimed);
    if (Claimed == 0) return;
    storage.WriteInteger(static_cast<uint32_t>(SelfCode));
    storage.WriteInteger(static_cast<uint32_t>(ChildrenKind));
    SaveRow(storage, RowOf(*this, ChildRow::kChildren));
    SaveRow(storage, RowOf(*this, ChildRow::kInvalid));
    storage.WriteByte(BusinessMonths);
    if (BusinessMonths == 1) {
      for (Money sum : MonthIncomes) storage.WriteCurrency(sum);
      for (Money sum : MonthExpenses) storage.WriteCurrency(sum);
      for (uint8_t mark : MonthMarks) storage.WriteByte(mark);
    }
    storage.WriteByte(ByMonthCodes);
    if (ByMonthCodes == 1) WriteIntegers(storage, MonthCodes);
    storage.WriteByte(ByMonthStatus);
    if (ByMonthStatus == 1) WriteIntegers(storage, MonthStatus);
    SaveRow(storage, RowOf(*this, ChildRow::kThird));
  });
}

void mTStandartDeduct::Load(mTDocumentStorage& storage) {
  WithContextCode(382, [&] {
    record_io::OpenRecordStream(storage, streams::kStandartDeduct);
    Claimed = storage.ReadByte();
    if (Claimed == 0) return;
    SelfCode = storage.ReadInteger();
    ChildrenKind = storage.ReadInteger();
    LoadRow(storage, RowOf(*this, ChildRow::kChildren));
    LoadRow(storage, RowOf(*this, ChildRow::kInvalid));
    BusinessMonths = ReadLenientFlag(storage);
    if (BusinessMonths == 1) {
      for (Money& sum : MonthIncomes) sum = storage.ReadCurrency();
      for (Money& sum : MonthExpenses) sum = storage.ReadCurrency();
      for (uint8_t& mark : MonthMarks) mark = storage.ReadByte();
    }
    ByMonthCodes = ReadLenientFlag(storage);
    if (ByMonthCodes == 1) ReadIntegers(storage, MonthCodes);
    ByMonthStatus = ReadLenientFlag(storage);
    if (ByMonthStatus == 1) ReadIntegers(storage, MonthStatus);
    LoadRow(storage, RowOf(*this, ChildRow::kThird));
  });
}

}  // namespace kvor
