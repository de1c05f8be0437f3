#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <unistd.h>
#include <vector>

#include "gfx_particle_system.h"
#include "gfx_sprite.h"
#include "recording_host.h"

namespace fs = std::filesystem;

namespace {

// A preset record as stored in a .psi file, with readable defaults.
struct PresetFields {
  std::int32_t emission = 100;
  float lifetime = -1.0f;
  float lifeMin = 5.0f, lifeMax = 5.0f;
  float direction = 0.0f, spread = 0.0f;
  bool relative = false;
  float speedMin = 0.0f, speedMax = 0.0f;
  float gravityMin = 0.0f, gravityMax = 0.0f;
  float radialMin = 0.0f, radialMax = 0.0f;
  float tangentialMin = 0.0f, tangentialMax = 0.0f;
  float sizeStart = 1.0f, sizeEnd = 1.0f, sizeVar = 0.0f;
  float spinStart = 0.0f, spinEnd = 0.0f, spinVar = 0.0f;
  float start[4] = {1.0f, 0.5f, 0.25f, 1.0f};
  float end[4] = {1.0f, 0.5f, 0.25f, 0.0f};
  float colourVar = 0.0f, alphaVar = 0.0f;

  std::string Bytes() const {
    std::string b(128, '\0');
    auto put = [&](size_t offset, auto value) { std::memcpy(&b[offset], &value, sizeof value); };
    put(0, std::int32_t{0x12345678});  // a sprite slot value that must be ignored
    put(4, emission);
    put(8, lifetime);
    put(12, lifeMin);
    put(16, lifeMax);
    put(20, direction);
    put(24, spread);
    b[28] = relative ? 1 : 0;
    const float rest[] = {speedMin,  speedMax,  gravityMin, gravityMax, radialMin, radialMax,
                          tangentialMin, tangentialMax, sizeStart, sizeEnd,   sizeVar,   spinStart,
                          spinEnd,   spinVar,   start[0],   start[1],   start[2],  start[3],
                          end[0],    end[1],    end[2],     end[3],     colourVar, alphaVar};
    for (size_t i = 0; i < std::size(rest); ++i) put(32 + 4 * i, rest[i]);
    return b;
  }
};

class ParticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltaro_particles_" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "veltdata");
    setenv("VELTARO_HOME", dir_.c_str(), 1);
    host_ = RecordingHost::Install(12345);
    sprite_ = new GfxSprite(0, 0, 0, 32, 32);
    sprite_->SetAnchor(16, 16);
  }
  void TearDown() override {
    delete sprite_;
    host_->Release();
    unsetenv("VELTARO_HOME");
    fs::remove_all(dir_);
  }

  GfxParticleSystem* Make(const std::string& bytes) {
    std::ofstream(dir_ / "veltdata" / "test.psi", std::ios::binary) << bytes;
    systems_.push_back(std::make_unique<GfxParticleSystem>("veltdata\\test.psi", sprite_));
    return systems_.back().get();
  }

  fs::path dir_;
  RecordingHost* host_ = nullptr;
  GfxSprite* sprite_ = nullptr;
  std::vector<std::unique_ptr<GfxParticleSystem>> systems_;
};

}  // namespace

TEST_F(ParticleTest, PresetIsReadFromTheFileAndTheSpriteSlotComesFromTheCaller) {
  PresetFields f;
  f.emission = 321;
  f.spread = 0.5f;
  f.relative = true;
  f.alphaVar = 0.75f;
  f.start[0] = -1.0f;
  GfxParticleSystem* ps = Make(f.Bytes() + "trailing bytes are ignored");
  EXPECT_TRUE(ps->HasPreset());
  EXPECT_EQ(ps->Preset().sprite, sprite_);
  EXPECT_EQ(ps->Preset().emission, 321);
  EXPECT_EQ(ps->Preset().spread, 0.5f);
  EXPECT_TRUE(ps->Preset().relative);
  EXPECT_EQ(ps->Preset().colourStart.r, -1.0f);
  EXPECT_EQ(ps->Preset().alphaVariation, 0.75f);
  EXPECT_EQ(ps->Age(), GfxParticleSystem::kStopped);
  EXPECT_EQ(ps->LiveCount(), 0);
}

TEST_F(ParticleTest, EndlessSystemEmitsUntilStoppedAndTimedOneStopsAfterItsLifetime) {
  PresetFields endless;
  endless.emission = 80;  // 10 per 0.125 s step
  PresetFields timed = endless;
  timed.lifetime = 2.0f;
  GfxParticleSystem* a = Make(endless.Bytes());
  GfxParticleSystem* b = Make(timed.Bytes());
  a->Start();
  b->Start();
  EXPECT_EQ(a->Age(), GfxParticleSystem::kEndless);
  EXPECT_EQ(b->Age(), 0.0f);
  int bAtTwoSeconds = 0;
  for (int step = 1; step <= 32; ++step) {  // 4 seconds
    a->Advance(0.125f);
    b->Advance(0.125f);
    if (step == 16) bAtTwoSeconds = b->LiveCount();
  }
  EXPECT_EQ(a->Age(), GfxParticleSystem::kEndless);
  EXPECT_EQ(a->LiveCount(), 320) << "lives of 5 s";
  EXPECT_EQ(b->Age(), GfxParticleSystem::kStopped);
  EXPECT_EQ(bAtTwoSeconds, 150) << "the step that reaches 2 s emits nothing";
  EXPECT_EQ(b->LiveCount(), 150) << "its particles live on";
  a->Stop(false);
  a->Advance(0.125f);
  EXPECT_EQ(a->LiveCount(), 320);
  a->Stop(true);
  EXPECT_EQ(a->LiveCount(), 0);
}

TEST_F(ParticleTest, EmissionIsRoundedPerStepAndNeverExceeds500Live) {
  PresetFields f;
  f.emission = 1000;
  f.lifeMin = f.lifeMax = 100.0f;
  GfxParticleSystem* ps = Make(f.Bytes());
  ps->Start();
  for (int step = 1; step <= 12; ++step) {
    ps->Advance(0.04f);
    ASSERT_EQ(ps->LiveCount(), 40 * step);
  }
  ps->Advance(0.04f);
  EXPECT_EQ(ps->LiveCount(), 500);
  ps->Advance(10.0f);  // a huge step neither overflows the array nor the count
  EXPECT_EQ(ps->LiveCount(), 500);

  PresetFields slow;
  slow.emission = 10;  // 0.4 particles per 0.04 s step: the remainder carries over
  GfxParticleSystem* trickle = Make(slow.Bytes());
  trickle->Start();
  std::vector<int> counts;
  for (int step = 0; step < 25; ++step) {
    trickle->Advance(0.04f);
    counts.push_back(trickle->LiveCount());
  }
  EXPECT_EQ(counts.back(), 10);
  EXPECT_EQ(std::vector<int>(counts.begin(), counts.begin() + 5), (std::vector<int>{0, 1, 1, 2, 2}));
}

TEST_F(ParticleTest, DeadParticlesAreReplacedByTheLastLiveOne) {
  PresetFields f;
  f.emission = 100;
  f.lifeMin = 0.05f;
  f.lifeMax = 0.3f;
  GfxParticleSystem* ps = Make(f.Bytes());
  ps->Start();
  for (int step = 0; step < 50; ++step) {
    ps->Advance(0.04f);
    for (int i = 0; i < ps->LiveCount(); ++i) {
      ASSERT_LT(ps->ParticleAt(i).age, ps->ParticleAt(i).life) << "step " << step << " slot " << i;
    }
  }
  EXPECT_GT(ps->LiveCount(), 0);
  EXPECT_LE(ps->LiveCount(), 32);  // at most 0.3 s (8 steps) of 4 per step
}

TEST_F(ParticleTest, StartAtEmitsAroundTheNewPointOnly) {
  PresetFields f;
  f.emission = 1000;
  f.lifeMin = f.lifeMax = 100.0f;
  GfxParticleSystem* restarted = Make(f.Bytes());
  GfxParticleSystem* moved = Make(f.Bytes());
  for (GfxParticleSystem* ps : {restarted, moved}) {
    ps->Start();
    ps->Advance(0.04f);  // running at (0, 0)
  }
  restarted->StartAt(300, 200);
  moved->MoveEmitter(300, 200, false);  // a running system sweeps from the old point
  restarted->Advance(0.04f);
  moved->Advance(0.04f);
  int farFromPoint = 0;
  for (int i = 40; i < 80; ++i) {
    const Particle& p = restarted->ParticleAt(i);
    EXPECT_LE(std::fabs(p.x - 300), 2.0f);
    EXPECT_LE(std::fabs(p.y - 200), 2.0f);
    const Particle& q = moved->ParticleAt(i);
    if (std::fabs(q.x - 300) > 2.0f) ++farFromPoint;
  }
  EXPECT_GT(farFromPoint, 30);
}

TEST_F(ParticleTest, MovingParticlesShiftsThemWithTheEmitter) {
  PresetFields f;
  f.lifeMin = f.lifeMax = 100.0f;
  GfxParticleSystem* ps = Make(f.Bytes());
  ps->StartAt(10, 10);
  ps->Advance(0.1f);
  ASSERT_EQ(ps->LiveCount(), 10);
  float x0 = ps->ParticleAt(3).x;
  float y0 = ps->ParticleAt(3).y;
  ps->MoveEmitter(60, -20, true);
  EXPECT_FLOAT_EQ(ps->ParticleAt(3).x, x0 + 50);
  EXPECT_FLOAT_EQ(ps->ParticleAt(3).y, y0 - 30);
  ps->Advance(0.1f);  // previous point moved too: new ones appear around (60, -20)
  for (int i = 10; i < 20; ++i) EXPECT_LE(std::fabs(ps->ParticleAt(i).x - 60), 2.0f);
}

TEST_F(ParticleTest, GravitySpeedAndDirectionMoveParticles) {
  PresetFields f;
  f.emission = 25;  // one particle per 0.04 s step
  f.lifeMin = f.lifeMax = 10.0f;
  f.gravityMin = f.gravityMax = 100.0f;
  f.speedMin = f.speedMax = 50.0f;
  f.direction = std::numbers::pi_v<float> / 2;  // to the right
  GfxParticleSystem* ps = Make(f.Bytes());
  ps->StartAt(100, 100);
  ps->Advance(0.04f);
  ASSERT_EQ(ps->LiveCount(), 1);
  Particle p = ps->ParticleAt(0);
  EXPECT_NEAR(p.vx, 50.0f, 1e-3);
  EXPECT_NEAR(p.vy, 0.0f, 1e-3);
  ps->Preset().emission = 0;
  ps->Advance(0.5f);
  const Particle& q = ps->ParticleAt(0);
  EXPECT_NEAR(q.vy, 50.0f, 1e-3);
  EXPECT_NEAR(q.x, p.x + 25.0f, 1e-3);
  EXPECT_NEAR(q.y, p.y + 25.0f, 1e-3);
}

TEST_F(ParticleTest, NegativeStartRedKeepsTheSpriteColourAndAnimatesOnlyAlpha) {
  PresetFields own;
  own.start[0] = -1.0f;
  own.start[3] = 0.5f;
  PresetFields tinted;
  tinted.start[0] = 1.0f, tinted.start[1] = 0.0f, tinted.start[2] = 0.5f, tinted.start[3] = 1.0f;
  sprite_->SetTint(0xFFFFA000, -1);
  GfxParticleSystem* a = Make(own.Bytes());
  GfxParticleSystem* b = Make(tinted.Bytes());
  a->StartAt(50, 60);
  b->StartAt(50, 60);
  a->Advance(0.1f);
  b->Advance(0.1f);
  host_->quads.clear();
  a->DrawParticles();
  b->DrawParticles();
  ASSERT_EQ(host_->quads.size(), 20u);
  EXPECT_EQ(host_->quads[0].v[0].colour, 0x80FFA000u);
  EXPECT_EQ(host_->quads[19].v[3].colour, 0xFFFF0080u);
  EXPECT_EQ(sprite_->GetTint(2), 0xFFFFA000u) << "the sprite's own colour is put back";
  // Each particle is drawn centred on its location (the sprite's anchor is its centre).
  const Particle& p = a->ParticleAt(0);
  EXPECT_NEAR((host_->quads[0].v[0].x + host_->quads[0].v[2].x) / 2, p.x, 1e-3);
  EXPECT_NEAR((host_->quads[0].v[0].y + host_->quads[0].v[2].y) / 2, p.y, 1e-3);
}

TEST_F(ParticleTest, MissingOrShortPresetGivesASystemThatEmitsNothing) {
  PresetFields f;
  GfxParticleSystem* shortOne = Make(f.Bytes().substr(0, 100));
  systems_.push_back(std::make_unique<GfxParticleSystem>("veltdata\\missing.psi", sprite_));
  GfxParticleSystem* missing = systems_.back().get();
  for (GfxParticleSystem* ps : {shortOne, missing}) {
    EXPECT_FALSE(ps->HasPreset());
    EXPECT_EQ(ps->Preset().sprite, sprite_);
    ps->Start();
    // What the game does to its trail every frame must still not make it emit.
    for (int step = 0; step < 10; ++step) {
      ps->Advance(0.04f);
      ps->Preset().emission = 1000;
      ps->Preset().particleLifeMin = 0.0f;
      ps->Preset().particleLifeMax = 1.0f;
    }
    EXPECT_EQ(ps->LiveCount(), 0);
    host_->quads.clear();
    ps->DrawParticles();
    EXPECT_TRUE(host_->quads.empty());
  }
}

TEST(FastInverseSqrt, OneRefinementStepIsCloseAndZeroStaysZero) {
  for (float x : {0.01f, 1.0f, 2.0f, 4.0f, 100.0f, 90000.0f}) {
    EXPECT_NEAR(FastInverseSqrt(x) * std::sqrt(x), 1.0f, 0.002f) << x;
  }
  EXPECT_EQ(FastInverseSqrt(0.0f), 0.0f);
}
