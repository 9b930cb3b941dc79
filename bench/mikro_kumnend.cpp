// Microbenchmark of zemtar-lihtne's result writer beside printf's "%f", which it replaces.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "decimal/kuus_komakohta.h"

namespace {

constexpr float TULEMUSED[] = {5, -3.5f, 0.333333f, 1234.5678f, -98765.43f, 16777216, 1e-7f};

void KuusKomakohta(benchmark::State& olek) {
  char tekst[zemtar::KUUS_KOMAKOHTA_PIKIM];
  for (auto _ : olek) {
    for (const float x : TULEMUSED)
      benchmark::DoNotOptimize(zemtar::kuus_komakohta(x, tekst));
  }
  olek.SetItemsProcessed(olek.iterations() * static_cast<std::int64_t>(std::size(TULEMUSED)));
}
BENCHMARK(KuusKomakohta);

void PrintfF(benchmark::State& olek) {
  char tekst[64];
  for (auto _ : olek) {
    for (const float x : TULEMUSED)
      benchmark::DoNotOptimize(std::snprintf(tekst, sizeof tekst, "%f", static_cast<double>(x)));
  }
  olek.SetItemsProcessed(olek.iterations() * static_cast<std::int64_t>(std::size(TULEMUSED)));
}
BENCHMARK(PrintfF);

}  // namespace
