#include "texture_pool.h"

#include <SDL.h>
#include <SDL_image.h>
#include <cstring>

TextureHandle TexturePool::Add(std::unique_ptr<HostTexture> texture) {
  if (!texture) return 0;
  slots_.push_back(std::move(texture));
  return static_cast<TextureHandle>(slots_.size());
}

HostTexture* TexturePool::Find(TextureHandle handle) const {
  if (handle == 0 || handle > slots_.size()) return nullptr;
  return slots_[handle - 1].get();
}

int TexturePool::Width(TextureHandle handle) const {
  const HostTexture* texture = Find(handle);
  return texture != nullptr ? texture->width : 0;
}

int TexturePool::Height(TextureHandle handle) const {
  const HostTexture* texture = Find(handle);
  return texture != nullptr ? texture->height : 0;
}

std::unique_ptr<HostTexture> TexturePool::Remove(TextureHandle handle) {
  if (handle == 0 || handle > slots_.size()) return nullptr;
  return std::move(slots_[handle - 1]);
}

std::vector<std::unique_ptr<HostTexture>> TexturePool::RemoveAll() {
  std::vector<std::unique_ptr<HostTexture>> all = std::move(slots_);
  slots_.clear();
  return all;
}

std::vector<HostTexture*> TexturePool::All() const {
  std::vector<HostTexture*> all;
  for (const auto& slot : slots_) {
    if (slot) all.push_back(slot.get());
  }
  return all;
}

std::unique_ptr<HostTexture> MakeBlankTexture(int width, int height) {
  constexpr int kMaxSide = 16384;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  auto texture = std::make_unique<HostTexture>();
  texture->width = width;
  texture->height = height;
  texture->pixels.assign(static_cast<size_t>(width) * height, 0u);
  return texture;
}

std::unique_ptr<HostTexture> LoadTextureFile(const std::string& nativePath) {
  SDL_Surface* loaded = IMG_Load(nativePath.c_str());
  if (loaded == nullptr) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) return nullptr;
  auto texture = MakeBlankTexture(argb->w, argb->h);
  if (texture) {
    SDL_LockSurface(argb);
    for (int row = 0; row < argb->h; ++row) {
      const auto* src = static_cast<const unsigned char*>(argb->pixels) + row * argb->pitch;
      std::memcpy(&texture->pixels[static_cast<size_t>(row) * argb->w], src, argb->w * sizeof(std::uint32_t));
    }
    SDL_UnlockSurface(argb);
  }
  SDL_FreeSurface(argb);
  return texture;
}
