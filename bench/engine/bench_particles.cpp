// Three particle systems kept full (500 live each, dying ones replaced every
// step), advanced and drawn to the recording engine as the game does per frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "gfx_particle_system.h"
#include "gfx_sprite.h"
#include "recording_host.h"

namespace {

std::string BusyPreset() {
  std::string bytes(128, '\0');
  auto put = [&](size_t offset, auto value) { std::memcpy(&bytes[offset], &value, sizeof value); };
  put(4, std::int32_t{20000});  // far more than 500 per step: the array stays full
  put(8, -1.0f);
  put(12, 0.2f);
  put(16, 1.0f);
  put(24, 6.28f);
  bytes[28] = 1;
  const float rest[] = {50, 200, -50, 50, -100, 100, -100, 100, 1.0f, 0.2f, 0.5f, 0, 6, 0.5f,
                        1, 0.8f, 0.3f, 1, 0.5f, 0.1f, 0, 0, 0.3f, 0.2f};
  for (size_t i = 0; i < std::size(rest); ++i) put(32 + 4 * i, rest[i]);
  return bytes;
}

void BM_ThreeFullSystemsAdvanceAndDraw(benchmark::State& state) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("veltaro_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "veltdata");
  std::ofstream(dir / "veltdata" / "busy.psi", std::ios::binary) << BusyPreset();
  setenv("VELTARO_HOME", dir.c_str(), 1);

  RecordingHost* host = RecordingHost::Install(7);
  host->quads.reserve(2000);
  {
    GfxSprite sprite(host->AddSolidTexture(128, 128, 0xFFFFFFFF), 32, 32, 32, 32);
    sprite.SetAnchor(16, 16);
    sprite.SetBlend(kBlendAdditive);
    std::unique_ptr<GfxParticleSystem> systems[3];
    for (auto& ps : systems) {
      ps = std::make_unique<GfxParticleSystem>("veltdata\\busy.psi", &sprite);
      ps->StartAt(500, 325);
      ps->Advance(0.04f);
    }
    int frame = 0;
    for (auto _ : state) {
      host->quads.clear();
      float t = static_cast<float>(++frame) * 0.04f;
      for (auto& ps : systems) {
        ps->MoveEmitter(500 + 300 * std::cos(t), 325 + 200 * std::sin(t), false);
        ps->Advance(0.04f);
        ps->DrawParticles();
      }
      benchmark::DoNotOptimize(host->quads.data());
    }
    state.counters["quads_per_frame"] = static_cast<double>(host->quads.size());
  }
  host->Release();
  unsetenv("VELTARO_HOME");
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ThreeFullSystemsAdvanceAndDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
