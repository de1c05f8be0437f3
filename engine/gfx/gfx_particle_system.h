#pragma once
// An emitter drawing up to 500 copies of one sprite, configured by a preset file.
// Particles live in a fixed array; a dead particle's slot takes the last live one,
// so a running system never allocates.

#include <array>
#include <cstdint>

#include "engine_host.h"
#include "particle_preset.h"

class GfxSprite;

struct Particle {
  float x, y;
  float vx, vy;
  float gravity;
  float radialAccel;
  float tangentialAccel;
  float spin;
  float spinDelta;
  float size;
  float sizeDelta;
  ParticleColour colour;
  ParticleColour colourDelta;
  float age;
  float life;
};

class GfxParticleSystem {
 public:
  static constexpr int kMaxParticles = 500;
  static constexpr float kStopped = -2.0f;
  static constexpr float kEndless = -1.0f;

  // `sprite` is not owned and must outlive the system.
  GfxParticleSystem(const char* presetPath, GfxSprite* sprite);
  ~GfxParticleSystem();
  GfxParticleSystem(const GfxParticleSystem&) = delete;
  GfxParticleSystem& operator=(const GfxParticleSystem&) = delete;

  void Start();
  void Stop(bool dropParticles = false);
  void StartAt(float x, float y);
  void MoveEmitter(float x, float y, bool moveParticles = false);
  void Advance(float dt);
  void DrawParticles();

  // The game adjusts emission and particle life between steps.
  ParticlePreset& Preset() { return preset_; }
  // False when the preset file was missing or short: such a system never emits.
  bool HasPreset() const { return hasPreset_; }
  float Age() const { return age_; }
  int LiveCount() const { return liveCount_; }
  const Particle& ParticleAt(int index) const { return particles_[index]; }

 private:
  void AgeAndMoveParticles(float dt);
  void Emit(float dt);
  void SpawnParticle(Particle& p);

  ParticlePreset preset_;
  float age_ = kStopped;
  float remainder_ = 0.0f;
  float prevX_ = 0.0f;
  float prevY_ = 0.0f;
  float x_ = 0.0f;
  float y_ = 0.0f;
  std::int32_t liveCount_ = 0;
  std::array<Particle, kMaxParticles> particles_;
  bool hasPreset_ = false;
  EngineHost* engine_;
};

// One Newton step from the 0x5F3759DF starting guess; 0 for 0.
float FastInverseSqrt(float x);
