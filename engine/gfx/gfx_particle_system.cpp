#include "gfx_particle_system.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

#include "gfx_sprite.h"

float FastInverseSqrt(float x) {
  if (x <= 0.0f) return 0.0f;
  std::uint32_t bits = 0x5F3759DFu - (std::bit_cast<std::uint32_t>(x) >> 1);
  float y = std::bit_cast<float>(bits);
  return y * (1.5f - 0.4999f * x * y * y);
}

GfxParticleSystem::GfxParticleSystem(const char* presetPath, GfxSprite* sprite)
    : preset_{}, particles_{}, engine_(hgeCreate(kEngineVersion)) {
  preset_.sprite = sprite;
  if (engine_ != nullptr) {
    std::uint32_t size = 0;
    void* data = engine_->Resource_Load(presetPath, &size);
    hasPreset_ = ParsePreset(data, size, preset_);
    engine_->Resource_Free(data);
  }
}

GfxParticleSystem::~GfxParticleSystem() {
  if (engine_ != nullptr) engine_->Release();
}

void GfxParticleSystem::Start() { age_ = preset_.lifetime == kEndless ? kEndless : 0.0f; }

void GfxParticleSystem::Stop(bool dropParticles) {
  age_ = kStopped;
  if (dropParticles) liveCount_ = 0;
}

void GfxParticleSystem::StartAt(float x, float y) {
  Stop(false);
  MoveEmitter(x, y, false);
  Start();
}

void GfxParticleSystem::MoveEmitter(float x, float y, bool moveParticles) {
  if (moveParticles) {
    float dx = x - x_;
    float dy = y - y_;
    for (int i = 0; i < liveCount_; ++i) {
      particles_[i].x += dx;
      particles_[i].y += dy;
    }
    prevX_ += dx;
    prevY_ += dy;
  } else if (age_ == kStopped) {
    prevX_ = x;
    prevY_ = y;
  } else {
    prevX_ = x_;
    prevY_ = y_;
  }
  x_ = x;
  y_ = y;
}

void GfxParticleSystem::Advance(float dt) {
  if (age_ >= 0.0f) {
    age_ += dt;
    if (age_ >= preset_.lifetime) age_ = kStopped;
  }
  AgeAndMoveParticles(dt);
  if (age_ != kStopped && hasPreset_) Emit(dt);
  prevX_ = x_;
  prevY_ = y_;
}

void GfxParticleSystem::AgeAndMoveParticles(float dt) {
  int i = 0;
  while (i < liveCount_) {
    Particle& p = particles_[i];
    p.age += dt;
    if (p.age >= p.life) {
      --liveCount_;
      p = particles_[liveCount_];
      continue;  // the moved particle is examined in this slot
    }
    float nx = p.x - x_;
    float ny = p.y - y_;
    float inv = FastInverseSqrt(nx * nx + ny * ny);
    nx *= inv;
    ny *= inv;
    p.vx += (nx * p.radialAccel - ny * p.tangentialAccel) * dt;
    p.vy += (ny * p.radialAccel + nx * p.tangentialAccel) * dt;
    p.vy += p.gravity * dt;
    p.x += p.vx * dt;
    p.y += p.vy * dt;
    p.spin += p.spinDelta * dt;
    p.size += p.sizeDelta * dt;
    p.colour.r += p.colourDelta.r * dt;
    p.colour.g += p.colourDelta.g * dt;
    p.colour.b += p.colourDelta.b * dt;
    p.colour.a += p.colourDelta.a * dt;
    ++i;
  }
}

void GfxParticleSystem::Emit(float dt) {
  float needed = static_cast<float>(preset_.emission) * dt + remainder_;
  float count = std::nearbyint(needed);  // ties to even in the default rounding mode
  remainder_ = needed - count;
  // Never more than a full array per step, whatever the emission or delta.
  int toCreate = static_cast<int>(std::clamp(count, 0.0f, static_cast<float>(kMaxParticles)));
  for (int n = 0; n < toCreate && liveCount_ < kMaxParticles; ++n) {
    SpawnParticle(particles_[liveCount_]);
    ++liveCount_;
  }
}

void GfxParticleSystem::SpawnParticle(Particle& p) {
  EngineHost& r = *engine_;
  const ParticlePreset& s = preset_;
  p.age = 0.0f;
  p.life = r.Random_Float(s.particleLifeMin, s.particleLifeMax);
  float along = r.Random_Float(0.0f, 1.0f);
  p.x = prevX_ + (x_ - prevX_) * along;
  p.y = prevY_ + (y_ - prevY_) * along;
  p.x += r.Random_Float(-2.0f, 2.0f);
  p.y += r.Random_Float(-2.0f, 2.0f);
  float angle = r.Random_Float(0.0f, s.spread) + s.direction - std::numbers::pi_v<float> / 2 - s.spread / 2;
  if (s.relative) angle += std::atan2(prevY_ - y_, prevX_ - x_) + std::numbers::pi_v<float> / 2;
  float speed = r.Random_Float(s.speedMin, s.speedMax);
  p.vx = std::cos(angle) * speed;
  p.vy = std::sin(angle) * speed;
  p.gravity = r.Random_Float(s.gravityMin, s.gravityMax);
  p.radialAccel = r.Random_Float(s.radialAccelMin, s.radialAccelMax);
  p.tangentialAccel = r.Random_Float(s.tangentialAccelMin, s.tangentialAccelMax);
  p.size = r.Random_Float(s.sizeStart, s.sizeStart + (s.sizeEnd - s.sizeStart) * s.sizeVariation);
  p.sizeDelta = (s.sizeEnd - p.size) / p.life;
  p.spin = r.Random_Float(s.spinStart, s.spinStart + (s.spinEnd - s.spinStart) * s.spinVariation);
  p.spinDelta = (s.spinEnd - p.spin) / p.life;
  auto channel = [&](float start, float end, float variation, float& value, float& delta) {
    value = r.Random_Float(start, start + (end - start) * variation);
    delta = (end - value) / p.life;
  };
  channel(s.colourStart.r, s.colourEnd.r, s.colourVariation, p.colour.r, p.colourDelta.r);
  channel(s.colourStart.g, s.colourEnd.g, s.colourVariation, p.colour.g, p.colourDelta.g);
  channel(s.colourStart.b, s.colourEnd.b, s.colourVariation, p.colour.b, p.colourDelta.b);
  channel(s.colourStart.a, s.colourEnd.a, s.alphaVariation, p.colour.a, p.colourDelta.a);
}

namespace {

std::uint32_t ByteOf(float channel) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

void GfxParticleSystem::DrawParticles() {
  GfxSprite* sprite = preset_.sprite;
  if (sprite == nullptr) return;
  std::uint32_t remembered = sprite->GetTint(0);
  bool spriteColour = preset_.colourStart.r < 0.0f;
  for (int i = 0; i < liveCount_; ++i) {
    const Particle& p = particles_[i];
    std::uint32_t colour = ByteOf(p.colour.a) << 24;
    if (spriteColour) {
      colour |= remembered & 0x00FFFFFFu;
    } else {
      colour |= ByteOf(p.colour.r) << 16 | ByteOf(p.colour.g) << 8 | ByteOf(p.colour.b);
    }
    sprite->SetTint(colour, -1);
    sprite->DrawTransformed(p.x, p.y, p.spin * p.age, p.size, 0.0f);
  }
  sprite->SetTint(remembered, -1);
}
