// The question text as the game draws it: a 119-unit choice question with the
// 26-pixel bold font, from the glyph cache and on its first, uncached drawing.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ansi_text.h"
#include "gfx_font.h"
#include "recording_host.h"

namespace {

std::u16string QuestionOf119Units() {
  std::u16string text =
      u"驾驶机动车在道路上行驶时，遇到前方道路施工、车道变窄并有交通警察指挥的情况，应当怎样做______？"
      u"\r\nA、按照交通警察的指挥通行，依次交替驶入\r\nB、鸣喇叭示意前车让行后从右侧超越\r\nC、加速抢在对向来车之前通过"
      u"\r\nD、停车等待前方车辆全部通过后再走";
  text.resize(119, u'。');
  return text;
}

void BM_DrawWideCached(benchmark::State& state) {
  RecordingHost* host = RecordingHost::Install();
  host->quads.reserve(256);
  {
    GfxFont font(u"宋体", 26, true, false, true);
    std::u16string text = QuestionOf119Units();
    font.DrawWide(12, 145, text.c_str());
    for (auto _ : state) {
      host->quads.clear();
      font.DrawWide(12, 145, text.c_str());
      benchmark::DoNotOptimize(host->quads.data());
    }
  }
  host->Release();
}
BENCHMARK(BM_DrawWideCached)->Unit(benchmark::kMicrosecond);

// What the game calls each frame: format the GBK text, convert it, draw it.
void BM_DrawFormattedCached(benchmark::State& state) {
  RecordingHost* host = RecordingHost::Install();
  host->quads.reserve(256);
  {
    GfxFont font(u"宋体", 26, true, false, true);
    std::string gbk = Utf16ToAnsi(QuestionOf119Units());
    font.DrawFormatted(12, 145, "%s", gbk.c_str());
    for (auto _ : state) {
      host->quads.clear();
      font.DrawFormatted(12, 145, "%s", gbk.c_str());
      benchmark::DoNotOptimize(host->quads.data());
    }
  }
  host->Release();
}
BENCHMARK(BM_DrawFormattedCached)->Unit(benchmark::kMicrosecond);

void BM_DrawWideFirstUncached(benchmark::State& state) {
  RecordingHost* host = RecordingHost::Install();
  std::u16string text = QuestionOf119Units();
  for (auto _ : state) {
    state.PauseTiming();
    auto font = std::make_unique<GfxFont>(u"宋体", 26, true, false, true);
    host->quads.clear();
    state.ResumeTiming();
    font->DrawWide(12, 145, text.c_str());
    state.PauseTiming();
    font.reset();
    state.ResumeTiming();
  }
  host->Release();
}
BENCHMARK(BM_DrawWideFirstUncached)->Unit(benchmark::kMillisecond);

}  // namespace
