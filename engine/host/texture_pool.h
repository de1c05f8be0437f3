#pragma once
// Textures as ARGB pixels kept in memory. Both engines hand out handles into a
// pool like this; the SDL engine mirrors each texture on its renderer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine_host.h"

struct HostTexture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height, ARGB
  bool dirty = true;                  // pixels changed since the renderer copy was made
  void* device = nullptr;             // the renderer's copy, owned by the engine
};

class TexturePool {
 public:
  TextureHandle Add(std::unique_ptr<HostTexture> texture);
  HostTexture* Find(TextureHandle handle) const;
  // Size as created; 0 for a handle that names no texture.
  int Width(TextureHandle handle) const;
  int Height(TextureHandle handle) const;
  std::unique_ptr<HostTexture> Remove(TextureHandle handle);
  std::vector<std::unique_ptr<HostTexture>> RemoveAll();
  std::vector<HostTexture*> All() const;

 private:
  std::vector<std::unique_ptr<HostTexture>> slots_;  // handle h lives in slot h - 1
};

// A blank (all zero) texture, or null when the size is not positive or too large.
std::unique_ptr<HostTexture> MakeBlankTexture(int width, int height);
// A PNG or JPEG file decoded to ARGB, or null.
std::unique_ptr<HostTexture> LoadTextureFile(const std::string& nativePath);
