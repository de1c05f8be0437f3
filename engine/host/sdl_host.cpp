#include "sdl_host.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdio>

#include "data_path.h"

namespace {

enum WindowRequest { kShowNormal = 1, kHide = 2 };

// Show and hide requests travel as events so that a new game handed over from
// another thread never touches the window outside the loop's thread.
std::uint32_t WindowEventType() {
  static const std::uint32_t type = SDL_RegisterEvents(1);
  return type;
}

SDL_Scancode ScancodeOfKey(int key) {
  switch (key) {
    case kKeyEscape: return SDL_SCANCODE_ESCAPE;
    case kKeySpace: return SDL_SCANCODE_SPACE;
    case kKeyLeft: return SDL_SCANCODE_LEFT;
    case kKeyUp: return SDL_SCANCODE_UP;
    case kKeyRight: return SDL_SCANCODE_RIGHT;
    case kKeyDown: return SDL_SCANCODE_DOWN;
    case 0x0D: return SDL_SCANCODE_RETURN;
    default: break;
  }
  if (key >= 'A' && key <= 'Z') return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (key - 'A'));
  if (key >= '1' && key <= '9') return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (key - '1'));
  if (key == '0') return SDL_SCANCODE_0;
  return SDL_SCANCODE_UNKNOWN;
}

SDL_Color ColourOf(std::uint32_t argb) {
  return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                   static_cast<Uint8>(argb >> 24)};
}

// Bit 2 of the mode selects alpha blending; without it the quad is added.
SDL_BlendMode BlendOf(int mode) { return (mode & kBlendAlpha) != 0 ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD; }

}  // namespace

class SdlWindow : public HostWindow {
 public:
  void ShowNormal() override { Post(kShowNormal); }
  void Hide() override { Post(kHide); }

 private:
  static void Post(int request) {
    SDL_Event event{};
    event.type = WindowEventType();
    event.user.code = request;
    SDL_PushEvent(&event);
  }
};

SdlHost::SdlHost() : hostWindow_(std::make_unique<SdlWindow>()) {
  whiteTexture_.width = 1;
  whiteTexture_.height = 1;
  whiteTexture_.pixels.assign(1, 0xFFFFFFFFu);
}

SdlHost::~SdlHost() { System_Shutdown(); }

HostWindow* SdlHost::Window() { return window_ != nullptr ? hostWindow_.get() : nullptr; }

bool SdlHost::System_Initiate() {
  if (initiated_) return true;
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "engine: video start failed: %s\n", SDL_GetError());
    return false;
  }
  sdlStarted_ = true;
  WindowEventType();
  Uint32 flags = settings_.windowed ? 0u : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN);
  window_ = SDL_CreateWindow(settings_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             settings_.screenWidth, settings_.screenHeight, flags);
  if (window_ != nullptr) {
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer_ == nullptr) {
    std::fprintf(stderr, "engine: window or renderer failed: %s\n", SDL_GetError());
    System_Shutdown();
    return false;
  }
  SDL_ShowCursor(settings_.hideMouse ? SDL_DISABLE : SDL_ENABLE);
  if (settings_.useSound) OpenAudio();
  initiated_ = true;
  return true;
}

void SdlHost::OpenAudio() {
  // A machine without a sound device still plays the game, silently.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  audioOpen_ = true;
}

void SdlHost::CloseAudio() {
  for (Mix_Chunk* chunk : effects_) {
    if (chunk != nullptr) Mix_FreeChunk(chunk);
  }
  effects_.clear();
  if (!audioOpen_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audioOpen_ = false;
}

void SdlHost::System_Shutdown() {
  FreeDeviceTextures();
  textures_.RemoveAll();
  CloseAudio();
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  renderer_ = nullptr;
  window_ = nullptr;
  if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
  sdlStarted_ = false;
  initiated_ = false;
}

bool SdlHost::System_Start() {
  if (!initiated_ || settings_.frameFunc == nullptr) return false;
  lastCounter_ = SDL_GetPerformanceCounter();
  for (;;) {
    if (!PumpEvents()) break;
    std::uint64_t now = SDL_GetPerformanceCounter();
    delta_ = static_cast<float>(static_cast<double>(now - lastCounter_) / SDL_GetPerformanceFrequency());
    lastCounter_ = now;
    ReadInput();
    if (settings_.frameFunc()) break;
    if (settings_.renderFunc != nullptr) settings_.renderFunc();
  }
  return true;
}

bool SdlHost::PumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    bool closing = event.type == SDL_QUIT ||
                   (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE);
    if (closing && (settings_.exitFunc == nullptr || settings_.exitFunc())) return false;
    if (event.type == WindowEventType() && window_ != nullptr) {
      if (event.user.code == kShowNormal) {
        SDL_ShowWindow(window_);
        SDL_RestoreWindow(window_);
        SDL_RaiseWindow(window_);
      } else if (event.user.code == kHide) {
        SDL_HideWindow(window_);
      }
    }
  }
  return true;
}

void SdlHost::ReadInput() {
  int x = 0;
  int y = 0;
  mouseButtons_ = SDL_GetMouseState(&x, &y);
  mouseX_ = static_cast<float>(x);
  mouseY_ = static_cast<float>(y);
}

float SdlHost::Timer_GetDelta() { return delta_; }

bool SdlHost::Input_GetKeyState(int key) {
  if (key == kKeyLeftButton) return (mouseButtons_ & SDL_BUTTON_LMASK) != 0;
  if (key == 0x02) return (mouseButtons_ & SDL_BUTTON_RMASK) != 0;
  if (key == 0x04) return (mouseButtons_ & SDL_BUTTON_MMASK) != 0;
  SDL_Scancode code = ScancodeOfKey(key);
  if (code == SDL_SCANCODE_UNKNOWN || !sdlStarted_) return false;
  return SDL_GetKeyboardState(nullptr)[code] != 0;
}

void SdlHost::Input_GetMousePos(float* x, float* y) {
  if (x != nullptr) *x = mouseX_;
  if (y != nullptr) *y = mouseY_;
}

void SdlHost::Gfx_Clear(std::uint32_t colour) {
  if (renderer_ == nullptr) return;
  SDL_Color c = ColourOf(colour);
  SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, c.a);
  SDL_RenderClear(renderer_);
}

bool SdlHost::Gfx_BeginScene(TextureHandle) { return renderer_ != nullptr; }

void SdlHost::Gfx_EndScene() {
  if (renderer_ != nullptr) SDL_RenderPresent(renderer_);
}

void SdlHost::Gfx_RenderQuad(const HostQuad* quad) {
  if (renderer_ == nullptr || quad == nullptr) return;
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) {
    const QuadVertex& v = quad->v[i];
    vertices[i] = SDL_Vertex{SDL_FPoint{v.x, v.y}, ColourOf(v.colour), SDL_FPoint{v.u, v.v}};
  }
  static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
  // A quad without a texture is drawn with a white one: the software renderer
  // honours blend modes other than alpha blending only for textured geometry.
  HostTexture* found = textures_.Find(quad->tex);
  auto* texture = static_cast<SDL_Texture*>(DeviceTexture(found != nullptr ? *found : whiteTexture_));
  if (texture == nullptr) return;
  SDL_SetTextureBlendMode(texture, BlendOf(quad->blend));
  SDL_RenderGeometry(renderer_, texture, vertices, 4, kIndices, 6);
}

void* SdlHost::DeviceTexture(HostTexture& texture) {
  if (texture.device == nullptr) {
    SDL_Texture* created = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                             texture.width, texture.height);
    if (created == nullptr) return nullptr;
    SDL_SetTextureScaleMode(created, SDL_ScaleModeLinear);
    texture.device = created;
    texture.dirty = true;
  }
  if (texture.dirty) {
    SDL_UpdateTexture(static_cast<SDL_Texture*>(texture.device), nullptr, texture.pixels.data(),
                      texture.width * static_cast<int>(sizeof(std::uint32_t)));
    texture.dirty = false;
  }
  return texture.device;
}

void SdlHost::FreeDeviceTextures() {
  std::vector<HostTexture*> all = textures_.All();
  all.push_back(&whiteTexture_);
  for (HostTexture* texture : all) {
    if (texture->device != nullptr) SDL_DestroyTexture(static_cast<SDL_Texture*>(texture->device));
    texture->device = nullptr;
  }
}

std::uint32_t SdlHost::ReadPixel(int x, int y) {
  std::uint32_t pixel = 0;
  if (renderer_ == nullptr) return pixel;
  SDL_Rect rect{x, y, 1, 1};
  SDL_RenderReadPixels(renderer_, &rect, SDL_PIXELFORMAT_ARGB8888, &pixel, sizeof pixel);
  return pixel;
}

TextureHandle SdlHost::Texture_Load(const char* path, std::uint32_t, bool) {
  return textures_.Add(LoadTextureFile(NativePath(path)));
}

TextureHandle SdlHost::Texture_Create(int width, int height) {
  return textures_.Add(MakeBlankTexture(width, height));
}

int SdlHost::Texture_GetWidth(TextureHandle tex, bool) { return textures_.Width(tex); }

int SdlHost::Texture_GetHeight(TextureHandle tex, bool) { return textures_.Height(tex); }

std::uint32_t* SdlHost::Texture_Lock(TextureHandle tex, bool readOnly) {
  HostTexture* texture = textures_.Find(tex);
  if (texture == nullptr) return nullptr;
  if (!readOnly) texture->dirty = true;
  return texture->pixels.data();
}

void SdlHost::Texture_Unlock(TextureHandle) {}

void SdlHost::Texture_Free(TextureHandle tex) {
  std::unique_ptr<HostTexture> texture = textures_.Remove(tex);
  if (texture && texture->device != nullptr) SDL_DestroyTexture(static_cast<SDL_Texture*>(texture->device));
}

EffectHandle SdlHost::Effect_Load(const char* path, std::uint32_t) {
  if (!audioOpen_) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV(NativePath(path).c_str());
  if (chunk == nullptr) return 0;
  effects_.push_back(chunk);
  return static_cast<EffectHandle>(effects_.size());
}

ChannelHandle SdlHost::Effect_PlayEx(EffectHandle effect, int volume, int pan, float, bool loop) {
  if (!audioOpen_ || effect == 0 || effect > effects_.size() || effects_[effect - 1] == nullptr) return 0;
  int channel = Mix_PlayChannel(-1, effects_[effect - 1], loop ? -1 : 0);
  if (channel < 0) return 0;
  Mix_Volume(channel, std::clamp(volume, 0, 100) * MIX_MAX_VOLUME / 100);
  int right = 127 + std::clamp(pan, -100, 100) * 127 / 100;
  Mix_SetPanning(channel, static_cast<Uint8>(254 - right), static_cast<Uint8>(right));
  return static_cast<ChannelHandle>(channel + 1);
}

void SdlHost::Effect_Free(EffectHandle effect) {
  if (effect == 0 || effect > effects_.size() || effects_[effect - 1] == nullptr) return;
  int channels = Mix_AllocateChannels(-1);
  for (int channel = 0; channel < channels; ++channel) {
    if (Mix_GetChunk(channel) == effects_[effect - 1]) Mix_HaltChannel(channel);
  }
  Mix_FreeChunk(effects_[effect - 1]);
  effects_[effect - 1] = nullptr;
}
