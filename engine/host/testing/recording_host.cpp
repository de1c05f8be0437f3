#include "recording_host.h"

#include "data_path.h"

void RecordingWindow::ShowNormal() {
  visible = true;
  ++showCount;
}

void RecordingWindow::Hide() {
  visible = false;
  ++hideCount;
}

RecordingHost* RecordingHost::Install(std::uint32_t seed) {
  auto* host = new RecordingHost(seed);
  InstallSharedHost(host);
  return host;
}

RecordingHost::RecordingHost(std::uint32_t seed) { Random_Seed(seed); }

bool RecordingHost::System_Initiate() {
  initiated = true;
  return true;
}

bool RecordingHost::System_Start() {
  if (!initiated || settings_.frameFunc == nullptr) return false;
  for (int frame = 0; frame < maxFrames; ++frame) {
    if (beforeFrame) beforeFrame(frame);
    ++framesRun;
    if (settings_.frameFunc()) break;
    if (settings_.renderFunc != nullptr) settings_.renderFunc();
  }
  return true;
}

void RecordingHost::System_Shutdown() {
  shutDown = true;
  initiated = false;
}

void RecordingHost::Input_GetMousePos(float* x, float* y) {
  if (x != nullptr) *x = mouseX;
  if (y != nullptr) *y = mouseY;
}

void RecordingHost::Gfx_Clear(std::uint32_t colour) { clears.push_back(colour); }

bool RecordingHost::Gfx_BeginScene(TextureHandle) {
  ++scenesBegun;
  return true;
}

void RecordingHost::Gfx_EndScene() { ++scenesEnded; }

void RecordingHost::Gfx_RenderQuad(const HostQuad* quad) {
  if (quad != nullptr) quads.push_back(*quad);
}

TextureHandle RecordingHost::Texture_Load(const char* path, std::uint32_t, bool) {
  loadedTextures.emplace_back(path != nullptr ? path : "");
  return textures_.Add(LoadTextureFile(NativePath(path)));
}

TextureHandle RecordingHost::Texture_Create(int width, int height) {
  return textures_.Add(MakeBlankTexture(width, height));
}

int RecordingHost::Texture_GetWidth(TextureHandle tex, bool) { return textures_.Width(tex); }

int RecordingHost::Texture_GetHeight(TextureHandle tex, bool) { return textures_.Height(tex); }

std::uint32_t* RecordingHost::Texture_Lock(TextureHandle tex, bool) {
  HostTexture* texture = textures_.Find(tex);
  return texture != nullptr ? texture->pixels.data() : nullptr;
}

void RecordingHost::Texture_Unlock(TextureHandle) {}

void RecordingHost::Texture_Free(TextureHandle tex) { textures_.Remove(tex); }

EffectHandle RecordingHost::Effect_Load(const char* path, std::uint32_t) {
  loadedEffects.emplace_back(path != nullptr ? path : "");
  return static_cast<EffectHandle>(loadedEffects.size());
}

ChannelHandle RecordingHost::Effect_PlayEx(EffectHandle effect, int, int, float, bool) {
  playedEffects.push_back(effect);
  return effect != 0 ? 1 : 0;
}

void RecordingHost::Effect_Free(EffectHandle) {}

void RecordingHost::SetKey(int key, bool held) {
  if (held) {
    heldKeys.insert(key);
  } else {
    heldKeys.erase(key);
  }
}

TextureHandle RecordingHost::AddSolidTexture(int width, int height, std::uint32_t argb) {
  auto texture = MakeBlankTexture(width, height);
  if (texture) texture->pixels.assign(texture->pixels.size(), argb);
  return textures_.Add(std::move(texture));
}
