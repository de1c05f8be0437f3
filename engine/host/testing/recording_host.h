#pragma once
// An engine without a window for tests: it records every quad with its vertices,
// colours, texture and blend, plays scripted keys and mouse positions, gives a
// fixed frame delta and seeded random numbers. Textures are real ARGB pixels.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine_host.h"
#include "texture_pool.h"

class RecordingWindow : public HostWindow {
 public:
  void ShowNormal() override;
  void Hide() override;
  bool visible = true;
  int showCount = 0;
  int hideCount = 0;
};

class RecordingHost : public EngineHost {
 public:
  // Creates a host, makes it the shared engine and returns it; the caller owns
  // the creation reference and gives it back with Release.
  static RecordingHost* Install(std::uint32_t seed = 1);

  explicit RecordingHost(std::uint32_t seed = 1);

  bool System_Initiate() override;
  bool System_Start() override;
  void System_Shutdown() override;

  float Timer_GetDelta() override { return delta; }
  bool Input_GetKeyState(int key) override { return heldKeys.count(key) != 0; }
  void Input_GetMousePos(float* x, float* y) override;

  void Gfx_Clear(std::uint32_t colour) override;
  bool Gfx_BeginScene(TextureHandle target = 0) override;
  void Gfx_EndScene() override;
  void Gfx_RenderQuad(const HostQuad* quad) override;

  TextureHandle Texture_Load(const char* path, std::uint32_t size = 0, bool mipmap = false) override;
  TextureHandle Texture_Create(int width, int height) override;
  int Texture_GetWidth(TextureHandle tex, bool original = false) override;
  int Texture_GetHeight(TextureHandle tex, bool original = false) override;
  std::uint32_t* Texture_Lock(TextureHandle tex, bool readOnly = false) override;
  void Texture_Unlock(TextureHandle tex) override;
  void Texture_Free(TextureHandle tex) override;

  EffectHandle Effect_Load(const char* path, std::uint32_t size = 0) override;
  ChannelHandle Effect_PlayEx(EffectHandle effect, int volume = 100, int pan = 0, float pitch = 1.0f,
                              bool loop = false) override;
  void Effect_Free(EffectHandle effect) override;

  void SetKey(int key, bool held);
  // A texture of the given size and colour, without a file.
  TextureHandle AddSolidTexture(int width, int height, std::uint32_t argb);
  int LiveTextureCount() const { return static_cast<int>(textures_.All().size()); }

  // Script: what the test sets before each frame, and the longest run.
  std::function<void(int frame)> beforeFrame;
  int maxFrames = 10000;

  float delta = 0.04f;
  float mouseX = 0.0f;
  float mouseY = 0.0f;
  std::set<int> heldKeys;

  std::vector<HostQuad> quads;
  std::vector<std::uint32_t> clears;
  int scenesBegun = 0;
  int scenesEnded = 0;
  int framesRun = 0;
  bool initiated = false;
  bool shutDown = false;
  std::vector<std::string> loadedTextures;  // paths as given
  std::vector<std::string> loadedEffects;   // paths as given
  std::vector<EffectHandle> playedEffects;
  RecordingWindow window;

 protected:
  ~RecordingHost() override = default;
  HostWindow* Window() override { return &window; }

 private:
  TexturePool textures_;
};
