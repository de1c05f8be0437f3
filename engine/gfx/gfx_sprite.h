#pragma once
// A textured rectangle handed to the engine as one quad.

#include <cstdint>

#include "engine_host.h"

class GfxSprite {
 public:
  GfxSprite(TextureHandle texture, float x, float y, float width, float height);
  ~GfxSprite();
  GfxSprite(const GfxSprite&) = delete;
  GfxSprite& operator=(const GfxSprite&) = delete;

  void DrawAt(float x, float y);
  // A vertical scale of 0 takes the horizontal one.
  void DrawTransformed(float x, float y, float rotation, float hscale, float vscale = 0.0f);

  // Corner 0 to 3, or all four with -1.
  void SetTint(std::uint32_t colour, int corner = -1);
  std::uint32_t GetTint(int corner = 0) const;
  void SetAnchor(float x, float y);
  void SetBlend(int mode) { quad_.blend = mode; }
  void BindTexture(TextureHandle texture);
  void SetRegion(float x, float y, float width, float height, bool resize = true);

  const HostQuad& Quad() const { return quad_; }
  TextureHandle Texture() const { return quad_.tex; }
  float Width() const { return width_; }
  float Height() const { return height_; }

 private:
  void Render(const float (&xs)[4], const float (&ys)[4]);

  HostQuad quad_;
  float regionX_;
  float regionY_;
  float width_;
  float height_;
  float textureWidth_;
  float textureHeight_;
  float anchorX_ = 0.0f;
  float anchorY_ = 0.0f;
  EngineHost* engine_;
};
