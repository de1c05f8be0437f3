#pragma once
// The 128-byte particle preset record (*.psi files), little-endian.

#include <cstddef>
#include <cstdint>

class GfxSprite;

struct ParticleColour {
  float r, g, b, a;
};

struct ParticlePreset {
  GfxSprite* sprite;  // the file's 4-byte slot is ignored; the sprite comes from the caller
  std::int32_t emission;  // particles per second
  float lifetime;         // system lifetime in seconds, -1 endless
  float particleLifeMin;
  float particleLifeMax;
  float direction;  // radians, 0 up, clockwise
  float spread;
  bool relative;
  float speedMin, speedMax;
  float gravityMin, gravityMax;
  float radialAccelMin, radialAccelMax;
  float tangentialAccelMin, tangentialAccelMax;
  float sizeStart, sizeEnd, sizeVariation;
  float spinStart, spinEnd, spinVariation;
  ParticleColour colourStart;
  ParticleColour colourEnd;
  float colourVariation;
  float alphaVariation;
};

inline constexpr std::size_t kPresetBytes = 128;

// Fills `preset` (all but the sprite) from the first 128 bytes; false and an
// all-zero preset when fewer bytes are given.
bool ParsePreset(const void* bytes, std::size_t size, ParticlePreset& preset);
