#include "gfx_sprite.h"

#include <cmath>

GfxSprite::GfxSprite(TextureHandle texture, float x, float y, float width, float height)
    : quad_{}, regionX_(x), regionY_(y), width_(width), height_(height), engine_(hgeCreate(kEngineVersion)) {
  textureWidth_ = 1.0f;
  textureHeight_ = 1.0f;
  if (texture != 0 && engine_ != nullptr) {
    textureWidth_ = static_cast<float>(engine_->Texture_GetWidth(texture, false));
    textureHeight_ = static_cast<float>(engine_->Texture_GetHeight(texture, false));
  }
  // A texture the engine no longer knows reports size 0; keep u and v finite.
  if (textureWidth_ <= 0.0f) textureWidth_ = 1.0f;
  if (textureHeight_ <= 0.0f) textureHeight_ = 1.0f;
  quad_.tex = texture;
  quad_.blend = kBlendAlpha;
  for (QuadVertex& v : quad_.v) {
    v.z = 0.5f;
    v.colour = 0xFFFFFFFF;
  }
  SetRegion(x, y, width, height, true);
}

GfxSprite::~GfxSprite() {
  if (engine_ != nullptr) engine_->Release();
}

void GfxSprite::SetRegion(float x, float y, float width, float height, bool resize) {
  regionX_ = x;
  regionY_ = y;
  if (resize) {
    width_ = width;
    height_ = height;
  }
  float u0 = x / textureWidth_;
  float v0 = y / textureHeight_;
  float u1 = (x + width) / textureWidth_;
  float v1 = (y + height) / textureHeight_;
  quad_.v[0].u = u0, quad_.v[0].v = v0;
  quad_.v[1].u = u1, quad_.v[1].v = v0;
  quad_.v[2].u = u1, quad_.v[2].v = v1;
  quad_.v[3].u = u0, quad_.v[3].v = v1;
}

void GfxSprite::BindTexture(TextureHandle texture) {
  float newWidth = 1.0f;
  float newHeight = 1.0f;
  if (texture != 0 && engine_ != nullptr) {
    newWidth = static_cast<float>(engine_->Texture_GetWidth(texture, false));
    newHeight = static_cast<float>(engine_->Texture_GetHeight(texture, false));
    if (newWidth <= 0.0f) newWidth = 1.0f;
    if (newHeight <= 0.0f) newHeight = 1.0f;
  }
  quad_.tex = texture;
  if (newWidth == textureWidth_ && newHeight == textureHeight_) return;
  // Keep the region the same in pixels of the new texture.
  float uScale = textureWidth_ / newWidth;
  float vScale = textureHeight_ / newHeight;
  for (QuadVertex& v : quad_.v) {
    v.u *= uScale;
    v.v *= vScale;
  }
  textureWidth_ = newWidth;
  textureHeight_ = newHeight;
}

void GfxSprite::SetTint(std::uint32_t colour, int corner) {
  if (corner == -1) {
    for (QuadVertex& v : quad_.v) v.colour = colour;
  } else if (corner >= 0 && corner < 4) {
    quad_.v[corner].colour = colour;
  }
}

std::uint32_t GfxSprite::GetTint(int corner) const {
  return corner >= 0 && corner < 4 ? quad_.v[corner].colour : quad_.v[0].colour;
}

void GfxSprite::SetAnchor(float x, float y) {
  anchorX_ = x;
  anchorY_ = y;
}

void GfxSprite::DrawAt(float x, float y) {
  float left = x - anchorX_;
  float top = y - anchorY_;
  const float xs[4] = {left, left + width_, left + width_, left};
  const float ys[4] = {top, top, top + height_, top + height_};
  Render(xs, ys);
}

void GfxSprite::DrawTransformed(float x, float y, float rotation, float hscale, float vscale) {
  if (vscale == 0.0f) vscale = hscale;
  float left = -anchorX_ * hscale;
  float top = -anchorY_ * vscale;
  float right = (width_ - anchorX_) * hscale;
  float bottom = (height_ - anchorY_) * vscale;
  const float px[4] = {left, right, right, left};
  const float py[4] = {top, top, bottom, bottom};
  float xs[4];
  float ys[4];
  if (rotation != 0.0f) {
    float c = std::cos(rotation);
    float s = std::sin(rotation);
    for (int i = 0; i < 4; ++i) {
      xs[i] = x + px[i] * c - py[i] * s;
      ys[i] = y + px[i] * s + py[i] * c;
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      xs[i] = x + px[i];
      ys[i] = y + py[i];
    }
  }
  Render(xs, ys);
}

void GfxSprite::Render(const float (&xs)[4], const float (&ys)[4]) {
  for (int i = 0; i < 4; ++i) {
    quad_.v[i].x = xs[i];
    quad_.v[i].y = ys[i];
  }
  if (engine_ != nullptr) engine_->Gfx_RenderQuad(&quad_);
}
