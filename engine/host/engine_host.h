#pragma once
// The engine layer the game draws, reads input and plays sound through.
// The game only ever talks to this interface; the SDL2 implementation runs the
// real window, and a recording double lets tests drive the game without one.

#include <atomic>
#include <cstdint>
#include <random>
#include <string>

using TextureHandle = std::uint32_t;  // 0 = no texture
using EffectHandle = std::uint32_t;   // 0 = no sound
using ChannelHandle = std::uint32_t;  // 0 = nothing playing
using HostCallback = bool (*)();

inline constexpr int kEngineVersion = 0x180;

// Blend modes: both multiply texture colour by vertex colour.
inline constexpr int kBlendAdditive = 0;
inline constexpr int kBlendAlpha = 2;

// Key codes the game asks about (the usual virtual-key numbering).
inline constexpr int kKeyLeftButton = 0x01;
inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeySpace = 0x20;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyS = 0x53;

enum HostBoolState { HGE_WINDOWED, HGE_HIDEMOUSE, HGE_USESOUND, HGE_SHOWSPLASH };
enum HostFuncState { HGE_FRAMEFUNC, HGE_RENDERFUNC, HGE_EXITFUNC };
enum HostIntState { HGE_SCREENWIDTH, HGE_SCREENHEIGHT, HGE_SCREENBPP };
enum HostStringState { HGE_TITLE, HGE_INIFILE, HGE_LOGFILE };
enum HostWindowState { HGE_HWND };

struct QuadVertex {
  float x, y, z;
  std::uint32_t colour;  // ARGB
  float u, v;
};

// Corners in order top-left, top-right, bottom-right, bottom-left.
struct HostQuad {
  QuadVertex v[4];
  TextureHandle tex;
  int blend;
};

// The game window as the game sees it: shown again by a new game, hidden when
// the user closes it. Safe to call from any thread.
class HostWindow {
 public:
  virtual ~HostWindow() = default;
  virtual void ShowNormal() = 0;
  virtual void Hide() = 0;
};

struct HostSettings {
  bool windowed = true;
  bool hideMouse = true;
  bool useSound = true;
  bool showSplash = false;
  HostCallback frameFunc = nullptr;
  HostCallback renderFunc = nullptr;
  HostCallback exitFunc = nullptr;
  int screenWidth = 800;
  int screenHeight = 600;
  int screenBpp = 32;
  std::string title;    // UTF-8
  std::string iniFile;  // as given by the game
  std::string logFile;  // as given by the game
};

class EngineHost {
 public:
  EngineHost(const EngineHost&) = delete;
  EngineHost& operator=(const EngineHost&) = delete;

  void AddRef();
  // Gives one reference back; the last one shuts the engine down and frees it.
  void Release();
  int RefCount() const { return refs_.load(); }

  void System_SetState(HostBoolState state, bool value);
  void System_SetState(HostFuncState state, HostCallback value);
  void System_SetState(HostIntState state, int value);
  void System_SetState(HostStringState state, const char* value);
  HostWindow* System_GetState(HostWindowState state);
  const HostSettings& Settings() const { return settings_; }

  virtual bool System_Initiate() = 0;
  virtual bool System_Start() = 0;
  virtual void System_Shutdown() = 0;

  virtual float Timer_GetDelta() = 0;
  virtual bool Input_GetKeyState(int key) = 0;
  virtual void Input_GetMousePos(float* x, float* y) = 0;

  virtual void Gfx_Clear(std::uint32_t colour) = 0;
  virtual bool Gfx_BeginScene(TextureHandle target = 0) = 0;
  virtual void Gfx_EndScene() = 0;
  virtual void Gfx_RenderQuad(const HostQuad* quad) = 0;

  virtual TextureHandle Texture_Load(const char* path, std::uint32_t size = 0, bool mipmap = false) = 0;
  virtual TextureHandle Texture_Create(int width, int height) = 0;
  virtual int Texture_GetWidth(TextureHandle tex, bool original = false) = 0;
  virtual int Texture_GetHeight(TextureHandle tex, bool original = false) = 0;
  // The whole texture as ARGB pixels, rows Texture_GetWidth long; null on failure.
  virtual std::uint32_t* Texture_Lock(TextureHandle tex, bool readOnly = false) = 0;
  virtual void Texture_Unlock(TextureHandle tex) = 0;
  virtual void Texture_Free(TextureHandle tex) = 0;

  // Whole file content in a buffer given back with Resource_Free; null on failure.
  void* Resource_Load(const char* path, std::uint32_t* size = nullptr);
  void Resource_Free(void* data);

  virtual EffectHandle Effect_Load(const char* path, std::uint32_t size = 0) = 0;
  virtual ChannelHandle Effect_PlayEx(EffectHandle effect, int volume = 100, int pan = 0,
                                      float pitch = 1.0f, bool loop = false) = 0;
  virtual void Effect_Free(EffectHandle effect) = 0;

  void Random_Seed(std::uint32_t seed);
  float Random_Float(float min, float max);
  int Random_Int(int min, int max);

 protected:
  EngineHost();
  virtual ~EngineHost();
  virtual HostWindow* Window() = 0;

  HostSettings settings_;

 private:
  std::atomic<int> refs_{1};
  std::mt19937 random_;
};

// The one shared engine with a reference added; the first call creates the SDL2
// engine unless a host has been installed. Null for any other version.
EngineHost* hgeCreate(int version);

// Makes `host` the shared engine (its creation reference stays with the caller).
// Tests install a recording host this way before creating sprites and fonts.
void InstallSharedHost(EngineHost* host);
