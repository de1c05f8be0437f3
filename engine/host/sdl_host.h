#pragma once
// The engine on SDL2: one window, the frame loop, input, textures drawn as
// geometry, WAV effects through SDL2_mixer when an audio device exists.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine_host.h"
#include "texture_pool.h"

struct SDL_Window;
struct SDL_Renderer;
struct Mix_Chunk;
class SdlWindow;

class SdlHost : public EngineHost {
 public:
  SdlHost();

  bool System_Initiate() override;
  bool System_Start() override;
  void System_Shutdown() override;

  float Timer_GetDelta() override;
  bool Input_GetKeyState(int key) override;
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

  // ARGB of one window pixel as drawn so far in this frame (tests read back with it).
  std::uint32_t ReadPixel(int x, int y);
  bool HasAudio() const { return audioOpen_; }

 protected:
  ~SdlHost() override;
  HostWindow* Window() override;

 private:
  bool PumpEvents();  // false when the loop must end
  void ReadInput();
  void* DeviceTexture(HostTexture& texture);
  void FreeDeviceTextures();
  void OpenAudio();
  void CloseAudio();

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::unique_ptr<SdlWindow> hostWindow_;
  TexturePool textures_;
  HostTexture whiteTexture_;
  std::vector<Mix_Chunk*> effects_;  // handle h lives in slot h - 1
  bool initiated_ = false;
  bool sdlStarted_ = false;
  bool audioOpen_ = false;
  std::uint64_t lastCounter_ = 0;
  float delta_ = 0.0f;
  float mouseX_ = 0.0f;
  float mouseY_ = 0.0f;
  std::uint32_t mouseButtons_ = 0;
};
