// Microbenchmarks of zemtar's parts: the lexer, the evaluator and the Roman numeral writer,
// each on the kind of lines the throughput benchmark generates.
#include <benchmark/benchmark.h>

#include <string_view>

#include "eval/infiksavaldis.h"
#include "lexer/ehitus.h"
#include "lexer/leksator.h"
#include "roman/rooma.h"

namespace {

constexpr std::string_view READ[] = {
    "DCCLXXXIII * 59 + d - 26,328",
    "-(97 - 31,95 / 39.25 / CMXIV)",
    "(k) * r",
    "v * 79,223 / LXXXVIII - k / XCIX - 56",
    "(d - 51) * XXIX + l * r - d / 38",
    "90.416 / 38 - 56.83 * o + o",
    "k * (-(36.35 / LXVII)) * 990,960 - 87.88 * (15)",
    "2 * -3",
};

void Leksator(benchmark::State& olek) {
  zemtar::leksator lugeja;
  for (auto _ : olek) {
    for (std::string_view rida : READ) {
      lugeja.sea_rida(rida);
      for (zemtar::lekseem t = lugeja.jargmine(); t.liik != zemtar::LOPP; t = lugeja.jargmine())
        benchmark::DoNotOptimize(t);
    }
  }
  olek.SetItemsProcessed(olek.iterations() * static_cast<std::int64_t>(std::size(READ)));
}
BENCHMARK(Leksator);

void Infiksavaldis(benchmark::State& olek) {
  zemtar::infiksavaldis avaldis;
  for (const char muutuja : std::string_view("dklorv"))
    avaldis.omista(muutuja, "12,5");
  for (auto _ : olek) {
    for (std::string_view rida : READ)
      benchmark::DoNotOptimize(avaldis.arvuta(rida));
  }
  olek.SetItemsProcessed(olek.iterations() * static_cast<std::int64_t>(std::size(READ)));
}
BENCHMARK(Infiksavaldis);

// The numeral for results of a growing size, as a text and in the parts a result line is
// written from.
void RoomaArv(benchmark::State& olek) {
  const float tulemus = static_cast<float>(olek.range(0));
  for (auto _ : olek)
    benchmark::DoNotOptimize(zemtar::rooma(tulemus).vorminda());
}
BENCHMARK(RoomaArv)->Arg(14)->Arg(3888)->Arg(99999)->Arg(2000000000);

void RoomaKuju(benchmark::State& olek) {
  const float tulemus = static_cast<float>(olek.range(0));
  for (auto _ : olek)
    benchmark::DoNotOptimize(zemtar::kuju(tulemus));
}
BENCHMARK(RoomaKuju)->Arg(14)->Arg(3888)->Arg(99999)->Arg(2000000000);

}  // namespace
