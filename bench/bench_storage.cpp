#include <benchmark/benchmark.h>

#include "core/model/declaration.h"

namespace {

kvor::mTDeclaration ReturnWithPayments(int count) {
  kvor::mTDeclaration declaration;
  declaration.PrepareNew();
  for (int i = 0; i < count; ++i) {
    kvor::mTNalog& payment = declaration.Nalogs.emplace_back();
    payment.NalogText1 = "Уведомление " + std::to_string(i);
    payment.NalogSum = kvor::Money::Kopecks(123456 + i);
  }
  return declaration;
}

void BM_SaveReturn(benchmark::State& state) {
  kvor::mTDeclaration declaration = ReturnWithPayments(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(declaration.SaveToBytes());
}
BENCHMARK(BM_SaveReturn)->Arg(100)->Arg(10000);

void BM_LoadReturn(benchmark::State& state) {
  std::string bytes = ReturnWithPayments(static_cast<int>(state.range(0))).SaveToBytes();
  for (auto _ : state) {
    kvor::mTDeclaration loaded;
    loaded.LoadFromBytes(bytes);
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(BM_LoadReturn)->Arg(100)->Arg(10000);

}  // namespace
