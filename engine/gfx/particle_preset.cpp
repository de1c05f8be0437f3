#include "particle_preset.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "preset files are read in place as little-endian");

namespace {

template <typename T>
T At(const unsigned char* bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

ParticleColour ColourAt(const unsigned char* bytes, std::size_t offset) {
  return {At<float>(bytes, offset), At<float>(bytes, offset + 4), At<float>(bytes, offset + 8),
          At<float>(bytes, offset + 12)};
}

}  // namespace

bool ParsePreset(const void* data, std::size_t size, ParticlePreset& preset) {
  GfxSprite* sprite = preset.sprite;
  preset = ParticlePreset{};
  preset.sprite = sprite;
  if (data == nullptr || size < kPresetBytes) return false;
  const auto* b = static_cast<const unsigned char*>(data);
  preset.emission = At<std::int32_t>(b, 4);
  preset.lifetime = At<float>(b, 8);
  preset.particleLifeMin = At<float>(b, 12);
  preset.particleLifeMax = At<float>(b, 16);
  preset.direction = At<float>(b, 20);
  preset.spread = At<float>(b, 24);
  preset.relative = b[28] != 0;
  preset.speedMin = At<float>(b, 32);
  preset.speedMax = At<float>(b, 36);
  preset.gravityMin = At<float>(b, 40);
  preset.gravityMax = At<float>(b, 44);
  preset.radialAccelMin = At<float>(b, 48);
  preset.radialAccelMax = At<float>(b, 52);
  preset.tangentialAccelMin = At<float>(b, 56);
  preset.tangentialAccelMax = At<float>(b, 60);
  preset.sizeStart = At<float>(b, 64);
  preset.sizeEnd = At<float>(b, 68);
  preset.sizeVariation = At<float>(b, 72);
  preset.spinStart = At<float>(b, 76);
  preset.spinEnd = At<float>(b, 80);
  preset.spinVariation = At<float>(b, 84);
  preset.colourStart = ColourAt(b, 88);
  preset.colourEnd = ColourAt(b, 104);
  preset.colourVariation = At<float>(b, 120);
  preset.alphaVariation = At<float>(b, 124);
  return true;
}
