#include <benchmark/benchmark.h>

#include <string>

#include "core/export/export_return.h"
#include "core/model/declaration.h"

namespace {

using kvor::Money;

// A resident's return with `payers` employers of twelve monthly incomes each.
kvor::mTDeclaration ReturnWithPayers(int payers) {
  kvor::mTDeclaration d;
  d.PrepareNew();
  d.InspectionNumber = "7701";
  d.PersonInformation.SurName = "Иванов";
  d.PersonInformation.Name = "Пётр";
  d.PersonInformation.INN = "500100732259";
  d.PersonInformation.OKTMO = "45383000";
  for (int p = 0; p < payers; ++p) {
    kvor::mTThirteenPercent& payer = d.Incomes13.emplace_back();
    payer.SourseINN = "7728123459";
    payer.SourseKPP = "772801001";
    payer.SourseOKTMO = std::to_string(45000000 + p);
    payer.SourseIncomeName = "ООО «Ромашка» № " + std::to_string(p);
    for (uint16_t month = 1; month <= 12; ++month) {
      kvor::mTSourseIncome income;
      income.IncomeCode = 2000;
      income.IncomeSum = Money::Kopecks(3000000 + p * 100 + month);
      income.Month = month;
      payer.AddIncome(income);
    }
    payer.HoldSum = Money::Roubles(46800);
    payer.TaxIsch = Money::Roubles(46800);
  }
  return d;
}

// The whole export of the document's text (computation, building, conversion to the file's
// code page), for returns of 10 and 1000 payers.
void BM_ExportDocumentText(benchmark::State& state) {
  kvor::mTDeclaration d = ReturnWithPayers(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    kvor::ExportResult result = kvor::ExportReturn(std::string(), d, kvor::ExportMode::kPrint);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ExportDocumentText)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
